#include "model/numeric_fields.h"
#include "model/text_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Fields = std::vector<std::string>;

TEST(TextFunctions, LeadingTokenSkipsBlanksAndStopsAtTheNext) {
    EXPECT_EQ(objl::leadingToken(""), "");
    EXPECT_EQ(objl::leadingToken(" \t "), "");
    EXPECT_EQ(objl::leadingToken("v  -1.0 1.0"), "v");
    EXPECT_EQ(objl::leadingToken("\tKa 0.5 0.5 0.5"), "Ka");
    EXPECT_EQ(objl::leadingToken("usemtl"), "usemtl");
    EXPECT_EQ(objl::leadingToken("newmtl\r"), "newmtl\r");
}

TEST(TextFunctions, AfterLeadingTokenDropsTrailingBlanksButKeepsCarriageReturn) {
    EXPECT_EQ(objl::afterLeadingToken("v  -1.0000 1.0000 0.0000"), "-1.0000 1.0000 0.0000");
    EXPECT_EQ(objl::afterLeadingToken("f 1/1/1 2/2/1 3/3/1 "), "1/1/1 2/2/1 3/3/1");
    EXPECT_EQ(objl::afterLeadingToken("\tNs 32\r"), "32\r");
    EXPECT_EQ(objl::afterLeadingToken("g"), "");
    EXPECT_EQ(objl::afterLeadingToken("g \t "), "");
    EXPECT_EQ(objl::afterLeadingToken(""), "");
}

TEST(TextFunctions, SplitOnKeepsEmptyFieldsBetweenSeparators) {
    EXPECT_EQ(objl::splitOn("1//3", "/"), (Fields{"1", "", "3"}));
    EXPECT_EQ(objl::splitOn("1/2/3", "/"), (Fields{"1", "2", "3"}));
    EXPECT_EQ(objl::splitOn("/2", "/"), (Fields{"", "2"}));
    EXPECT_EQ(objl::splitOn("1/", "/"), (Fields{"1"}));
    EXPECT_EQ(objl::splitOn("1//", "/"), (Fields{"1", ""}));
    EXPECT_EQ(objl::splitOn("", "/"), Fields{});
    EXPECT_EQ(objl::splitOn("7", "/"), (Fields{"7"}));
    EXPECT_EQ(objl::splitOn("1\t2 3", " "), (Fields{"1\t2", "3"}));
    EXPECT_EQ(objl::splitOn("ab::cd", "::"), (Fields{"ab", "cd"}));
}

TEST(TextFunctions, TrimLineEndCutsOnlyLineEndCharacters) {
    EXPECT_EQ(objl::trimLineEnd("wire_1\r\n"), "wire_1");
    EXPECT_EQ(objl::trimLineEnd("a\rb\r"), "a\rb");
    EXPECT_EQ(objl::trimLineEnd("\r\n"), "\r\n");
    EXPECT_EQ(objl::trimLineEnd("name "), "name ");
}

TEST(TextFunctions, ElementAtCountsFromOneOrFromTheEnd) {
    const std::vector<int> list = {10, 20, 30};
    ASSERT_NE(objl::elementAt(list, "1"), nullptr);
    EXPECT_EQ(*objl::elementAt(list, "1"), 10);
    EXPECT_EQ(*objl::elementAt(list, "3"), 30);
    EXPECT_EQ(*objl::elementAt(list, "-1"), 30);
    EXPECT_EQ(*objl::elementAt(list, "-3"), 10);
    EXPECT_EQ(*objl::elementAt(list, " 2\r"), 20);
    EXPECT_EQ(*objl::elementAt(list, "2abc"), 20);
}

TEST(TextFunctions, ElementAtRejectsZeroOutsideAndNonNumbers) {
    const std::vector<int> list = {10, 20, 30};
    EXPECT_EQ(objl::elementAt(list, "0"), nullptr);
    EXPECT_EQ(objl::elementAt(list, "4"), nullptr);
    EXPECT_EQ(objl::elementAt(list, "-4"), nullptr);
    EXPECT_EQ(objl::elementAt(list, ""), nullptr);
    EXPECT_EQ(objl::elementAt(list, "x1"), nullptr);
    EXPECT_EQ(objl::elementAt(list, "99999999999"), nullptr);
    EXPECT_EQ(objl::elementAt(list, "-2147483648"), nullptr);
    EXPECT_EQ(objl::elementAt(std::vector<int>{}, "1"), nullptr);
    EXPECT_EQ(objl::elementAt(std::vector<int>{}, "-1"), nullptr);
}

TEST(NumericFields, FloatsReadFromTheLeadingCharacters) {
    float value = -1.0f;
    EXPECT_TRUE(objl::readFloat("0.7765\r", value));
    EXPECT_FLOAT_EQ(value, 0.7765f);
    EXPECT_TRUE(objl::readFloat(" \t-0.0000", value));
    EXPECT_EQ(value, 0.0f);
    EXPECT_TRUE(std::signbit(value));
    EXPECT_TRUE(objl::readFloat("+2.5e1x", value));
    EXPECT_FLOAT_EQ(value, 25.0f);
    EXPECT_TRUE(objl::readFloat(".5", value));
    EXPECT_FLOAT_EQ(value, 0.5f);
    EXPECT_TRUE(objl::readFloat("32", value));
    EXPECT_FLOAT_EQ(value, 32.0f);
}

TEST(NumericFields, FieldsWithoutAFittingNumberAreRejectedAndLeaveTheValue) {
    for (const char* field :
         {"", " ", "abc", "-", "+", ".", "+-1", "inf", "nan", "1e999", "-1e999", "1e-999"}) {
        float value = 7.0f;
        EXPECT_FALSE(objl::readFloat(field, value)) << '"' << field << '"';
        EXPECT_EQ(value, 7.0f) << '"' << field << '"';
    }
    for (const char* field : {"", "x", "2147483648", "-2147483649", "+-2", ".5"}) {
        std::int32_t value = 7;
        EXPECT_FALSE(objl::readInteger(field, value)) << '"' << field << '"';
        EXPECT_EQ(value, 7) << '"' << field << '"';
    }
    std::int32_t value = 0;
    EXPECT_TRUE(objl::readInteger(" 2\r", value));
    EXPECT_EQ(value, 2);
    EXPECT_TRUE(objl::readInteger("-2147483648", value));
    EXPECT_EQ(value, -2147483647 - 1);
}

} // namespace
