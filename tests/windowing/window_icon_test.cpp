#include "windowing/window_icon.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

constexpr int kPixels = kWindowIconSize * kWindowIconSize;

// A table whose every pixel encodes its own table position, so any misplaced byte shows.
std::vector<unsigned char> numberedTable() {
    std::vector<unsigned char> table(kPixels * 4);
    for (int entry = 0; entry < kPixels; ++entry) {
        table[entry * 4 + 0] = static_cast<unsigned char>(entry / kWindowIconSize);
        table[entry * 4 + 1] = static_cast<unsigned char>(entry % kWindowIconSize);
        table[entry * 4 + 2] = 7;
        table[entry * 4 + 3] = 9;
    }
    return table;
}

std::array<unsigned char, 4> pixelAt(const std::vector<unsigned char>& rows, int x, int y) {
    const unsigned char* p = rows.data() + (y * kWindowIconSize + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

TEST(WindowIcon, EveryPixelIsTheTransposeOfTheTable) {
    std::vector<unsigned char> rows = iconRowsFromColumns(numberedTable().data());
    ASSERT_EQ(rows.size(), static_cast<size_t>(kPixels * 4));
    for (int y = 0; y < kWindowIconSize; ++y) {
        for (int x = 0; x < kWindowIconSize; ++x) {
            auto pixel = pixelAt(rows, x, y);
            ASSERT_EQ(pixel[0], x) << x << "," << y;
            ASSERT_EQ(pixel[1], y) << x << "," << y;
            ASSERT_EQ(pixel[2], 7);
            ASSERT_EQ(pixel[3], 9);
        }
    }
}

TEST(WindowIcon, CompiledInIconStartsTransparentWhiteAndShowsAFlame) {
    std::vector<unsigned char> rows = iconRowsFromColumns(kWindowIconColumns);
    auto corner = pixelAt(rows, 0, 0);
    EXPECT_EQ(corner, (std::array<unsigned char, 4>{255, 255, 255, 0}));
    // The flame stands in the middle, opaque and warm: full red, little blue.
    auto centre = pixelAt(rows, kWindowIconSize / 2, kWindowIconSize * 3 / 4);
    EXPECT_EQ(centre[3], 255);
    EXPECT_EQ(centre[0], 255);
    EXPECT_GT(centre[1], centre[2]);
}

} // namespace
