#include "platform/resources.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string textOf(int id) {
    platform::TextResource resource = platform::findTextResource(id);
    return resource.data == nullptr ? std::string() : std::string(resource.data, resource.size);
}

TEST(TextResources, EachIdGivesItsOwnFileByteForByte) {
    EXPECT_EQ(textOf(901), std::string("first text\r\n~after the end"));
    EXPECT_EQ(textOf(903), std::string("abc\0def", 7));
}

TEST(TextResources, EmptyFileIsFoundWithSizeZero) {
    platform::TextResource empty = platform::findTextResource(902);
    EXPECT_NE(empty.data, nullptr) << "an empty resource is not a missing one";
    EXPECT_EQ(empty.size, 0u);
}

TEST(TextResources, UnknownIdIsMissing) {
    platform::TextResource missing = platform::findTextResource(4321);
    EXPECT_EQ(missing.data, nullptr);
    EXPECT_EQ(missing.size, 0u);
}

} // namespace
