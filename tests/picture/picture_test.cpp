#include "tests/picture/fire_reference.h"
#include "tools/render-frame/frame_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kWindowWidth = 256;
constexpr int kWindowHeight = 600;

// One hidden window and one scene for the whole suite, as the saver has one of each.
FrameCapture& capture() {
    static FrameCapture* instance = [] {
        auto* made = new FrameCapture;
        if (!made->open(kWindowWidth, kWindowHeight)) {
            std::abort();
        }
        return made;
    }();
    return *instance;
}

struct FrameCase {
    int width;
    int height;
    float time;
};

// Small frames of several shapes and times, one of them tall enough for sparks of a few pixels.
const FrameCase kCases[] = {
    {160, 120, 8.0f}, {96, 200, 0.5f}, {256, 144, 123.45f}, {200, 600, 8.0f}, {200, 600, 31.7f}};

int toByte(float value) {
    return static_cast<int>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

// Pixel (x, y) in window coordinates, y up from the bottom row.
const std::uint8_t* pixelAt(const RgbImage& image, int x, int y) {
    std::size_t row = static_cast<std::size_t>(image.height - 1 - y);
    return &image.pixels[(row * static_cast<std::size_t>(image.width) +
                          static_cast<std::size_t>(x)) *
                         3];
}

int largestChannelDifference(const std::uint8_t* pixel, const Rgb& expected) {
    return std::max({std::abs(pixel[0] - toByte(expected.r)),
                     std::abs(pixel[1] - toByte(expected.g)),
                     std::abs(pixel[2] - toByte(expected.b))});
}

// The GPU and the CPU round differently by a unit or two of the 8-bit value; anything beyond
// this is a different colour.
constexpr int kPixelTolerance = 3;
// A spark is a pixel or two wide at these sizes, so a rounding difference in its position can
// move it by a pixel: spark pixels match when they are within this of each other.
constexpr int kSparkTolerance = 25;

struct Comparison {
    int pixels = 0;
    int mismatched = 0;
    int sparkPixels = 0;
    int sparksAgreeing = 0;

    double mismatchedShare() const { return pixels == 0 ? 1.0 : double(mismatched) / pixels; }
};

// Compares a frame with the reference; with onlyAboveFlames, only the rows above 2H/4.5 and with
// the reference's smoke and sparks alone, no fire.
Comparison compareWithReference(const RgbImage& image, float time, bool onlyAboveFlames) {
    Comparison result;
    const float W = static_cast<float>(image.width);
    const float H = static_cast<float>(image.height);
    for (int y = 0; y < image.height; ++y) {
        float fy = static_cast<float>(y) + 0.5f;
        if (onlyAboveFlames && fy <= 2.0f * H / 4.5f) {
            continue;
        }
        for (int x = 0; x < image.width; ++x) {
            FireLayers layers = evaluateFireLayers(static_cast<float>(x) + 0.5f, fy, W, H, time);
            if (onlyAboveFlames) {
                layers.fire = Rgb{};
            }
            int difference = largestChannelDifference(pixelAt(image, x, y), combineLayers(layers));
            ++result.pixels;
            if (difference > kPixelTolerance) {
                ++result.mismatched;
            }
            if (layers.sparks.r > layers.fire.r + 0.1f) {
                ++result.sparkPixels;
                if (difference <= kSparkTolerance) {
                    ++result.sparksAgreeing;
                }
            }
        }
    }
    return result;
}

float meanBrightness(const RgbImage& image, int x0, int x1, int y0, int y1) {
    double sum = 0.0;
    int count = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const std::uint8_t* p = pixelAt(image, x, y);
            sum += p[0] + p[1] + p[2];
            count += 3;
        }
    }
    return static_cast<float>(sum / count);
}

TEST(FirePicture, MatchesTheReferenceAtSeveralSizesAndTimes) {
    for (const FrameCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.time);
        RgbImage image = capture().capture(c.width, c.height, c.time);
        ASSERT_EQ(image.pixels.size(), std::size_t(c.width) * c.height * 3);
        Comparison result = compareWithReference(image, c.time, false);
        EXPECT_LE(result.mismatchedShare(), 0.001) << result.mismatched << " pixels differ";
    }
}

// Sparks cover too few pixels to move the share above; they are checked on their own. The
// spark's cell hash amplifies rounding, so about a third of spark pixels differ even when every
// step is right; a wrong grid, angle or life leaves almost none in place.
TEST(FirePicture, SparksSitWhereTheReferencePutsThem) {
    Comparison total;
    for (const FrameCase& c : kCases) {
        Comparison result =
            compareWithReference(capture().capture(c.width, c.height, c.time), c.time, false);
        total.sparkPixels += result.sparkPixels;
        total.sparksAgreeing += result.sparksAgreeing;
    }
    ASSERT_GE(total.sparkPixels, 40);
    EXPECT_GE(total.sparksAgreeing, total.sparkPixels * 2 / 5)
        << total.sparksAgreeing << " of " << total.sparkPixels << " spark pixels agree";
}

TEST(FirePicture, AboveFourNinthsOfTheHeightOnlySmokeAndSparksRemain) {
    for (const FrameCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.time);
        Comparison result =
            compareWithReference(capture().capture(c.width, c.height, c.time), c.time, true);
        EXPECT_LE(result.mismatchedShare(), 0.001) << result.mismatched << " pixels differ";
    }
}

TEST(FirePicture, IsDeterministicForEqualInputs) {
    RgbImage first = capture().capture(160, 120, 8.0f);
    capture().capture(96, 200, 3.0f);
    RgbImage second = capture().capture(160, 120, 8.0f);
    EXPECT_EQ(first.pixels, second.pixels);
}

// White needs the bottom row close to the flame base in relative height, hence the tall frame;
// at every size the base at least saturates red.
TEST(FirePicture, BurnsWhiteAtTheBottomCentre) {
    for (float time : {0.5f, 8.0f, 31.7f, 123.45f}) {
        SCOPED_TRACE(time);
        RgbImage image = capture().capture(200, 600, time);
        for (int x = 98; x < 102; ++x) {
            const std::uint8_t* p = pixelAt(image, x, 0);
            EXPECT_EQ(p[0], 255);
            EXPECT_EQ(p[1], 255);
            EXPECT_EQ(p[2], 255);
        }
    }
    for (const FrameCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.time);
        RgbImage image = capture().capture(c.width, c.height, c.time);
        EXPECT_EQ(pixelAt(image, c.width / 2, 0)[0], 255);
    }
}

TEST(FirePicture, IsDarkTowardsTheLeftAndRightEdges) {
    for (const FrameCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.time);
        RgbImage image = capture().capture(c.width, c.height, c.time);
        EXPECT_LE(meanBrightness(image, 0, 1, 0, c.height), 2.0f);
        EXPECT_LE(meanBrightness(image, c.width - 1, c.width, 0, c.height), 2.0f);
        EXPECT_GE(meanBrightness(image, c.width / 2 - 2, c.width / 2 + 2, 0, c.height), 20.0f);
    }
}

TEST(FirePicture, ChangesWithTime) {
    RgbImage before = capture().capture(160, 120, 8.0f);
    RgbImage after = capture().capture(160, 120, 8.5f);
    int changed = 0;
    for (std::size_t i = 0; i < before.pixels.size(); i += 3) {
        if (std::abs(before.pixels[i] - after.pixels[i]) > kPixelTolerance) {
            ++changed;
        }
    }
    EXPECT_GE(changed, 160 * 120 / 10);
}

} // namespace
