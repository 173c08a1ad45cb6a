#include "render/text_resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr char kUntouched = 0x55;

// A buffer with room for the text and its four zero bytes, and guard bytes behind that which the
// loader must never write.
struct Destination {
    explicit Destination(std::size_t capacity) : bytes(capacity + 4 + 16, kUntouched) {}
    std::vector<char> bytes;
};

void expectTerminatedAt(const Destination& destination, std::size_t length) {
    for (std::size_t i = length; i < length + 4; ++i) {
        EXPECT_EQ(destination.bytes[i], '\0') << "byte " << i;
    }
}

void expectUntouchedFrom(const Destination& destination, std::size_t start) {
    for (std::size_t i = start; i < destination.bytes.size(); ++i) {
        EXPECT_EQ(destination.bytes[i], kUntouched) << "byte " << i;
    }
}

TEST(LoadTextResource, TextEndsAtTheFirstTilde) {
    Destination destination(kShaderTextCapacity);
    EXPECT_EQ(loadTextResource(951, destination.bytes.data(), kShaderTextCapacity), 7u);
    EXPECT_EQ(std::string(destination.bytes.data()), "abc\r\n//");
    expectTerminatedAt(destination, 7);
    expectUntouchedFrom(destination, 11);
}

TEST(LoadTextResource, TildeFirstGivesAnEmptyText) {
    Destination destination(kShaderTextCapacity);
    EXPECT_EQ(loadTextResource(952, destination.bytes.data(), kShaderTextCapacity), 0u);
    expectTerminatedAt(destination, 0);
    expectUntouchedFrom(destination, 4);
}

TEST(LoadTextResource, TextWithoutTildeEndsAtTheResourcesEnd) {
    Destination destination(kShaderTextCapacity);
    const std::string text = "a text with no end marker";
    EXPECT_EQ(loadTextResource(953, destination.bytes.data(), kShaderTextCapacity), text.size());
    EXPECT_EQ(std::string(destination.bytes.data()), text);
    expectTerminatedAt(destination, text.size());
    expectUntouchedFrom(destination, text.size() + 4);
}

TEST(LoadTextResource, TextLongerThanTheCapacityIsCutAtTheCapacity) {
    Destination destination(kShaderTextCapacity);
    EXPECT_EQ(loadTextResource(954, destination.bytes.data(), kShaderTextCapacity),
              kShaderTextCapacity);
    EXPECT_EQ(std::string(destination.bytes.data()), std::string(kShaderTextCapacity, 'a'));
    expectTerminatedAt(destination, kShaderTextCapacity);
    expectUntouchedFrom(destination, kShaderTextBufferSize);

    Destination small(3);
    EXPECT_EQ(loadTextResource(951, small.bytes.data(), 3), 3u);
    EXPECT_EQ(std::string(small.bytes.data()), "abc");
    expectUntouchedFrom(small, 7);
}

TEST(LoadTextResource, MissingResourceGivesAnEmptyText) {
    Destination destination(kShaderTextCapacity);
    EXPECT_EQ(loadTextResource(4321, destination.bytes.data(), kShaderTextCapacity), 0u);
    expectTerminatedAt(destination, 0);
    expectUntouchedFrom(destination, 4);
}

TEST(LoadTextResource, OnlyTheLow16BitsOfTheIdCount) {
    Destination destination(kShaderTextCapacity);
    EXPECT_EQ(loadTextResource(0x10000 + 951, destination.bytes.data(), kShaderTextCapacity), 7u);
}

} // namespace
