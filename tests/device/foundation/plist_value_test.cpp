#include "device/foundation/plist_value.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace device::foundation {
namespace {

TEST(StringBoolValue, ReadsTrueFromYesTrueOrANonZeroDigitAfterSignAndZeros)
{
    for (const char* text : {"yes", "YES", "Y", "true", "T", "t", " t", "\t\n y", "1", "0001", "-1", "+5", "-007x",
                             "9 lives", "tomato"}) {
        EXPECT_TRUE(stringBoolValue(text)) << '"' << text << '"';
    }
    for (const char* text : {"0", "", "   ", "no", "NO", "false", "abc", "-0", "+000", "-", "0x1", " -n", "x1"}) {
        EXPECT_FALSE(stringBoolValue(text)) << '"' << text << '"';
    }
}

TEST(StringIntValue, ReadsLeadingDecimalDigitsAndSaturates)
{
    struct Case {
        const char* text;
        int expected;
    };
    for (const auto& [text, expected] : {Case{"42", 42}, Case{"  -17abc", -17}, Case{"+8", 8}, Case{"007", 7},
                                         Case{"3.9", 3}, Case{"abc", 0}, Case{"", 0}, Case{"- 5", 0},
                                         Case{"2147483647", INT_MAX}, Case{"2147483648", INT_MAX},
                                         Case{"99999999999999999999999", INT_MAX}, Case{"-2147483648", INT_MIN},
                                         Case{"-2147483649", INT_MIN}, Case{"-99999999999999999999999", INT_MIN}}) {
        EXPECT_EQ(stringIntValue(text), expected) << '"' << text << '"';
    }
}

TEST(PlistValueReadings, NumbersAndBooleans)
{
    EXPECT_TRUE(PlistValue(true).boolValue());
    EXPECT_FALSE(PlistValue(false).boolValue());
    EXPECT_EQ(PlistValue(true).intValue(), 1);
    EXPECT_EQ(PlistValue(false).intValue(), 0);

    EXPECT_FALSE(PlistValue(0).boolValue());
    EXPECT_TRUE(PlistValue(-3).boolValue());
    EXPECT_EQ(PlistValue(std::int64_t{-12}).intValue(), -12);
    EXPECT_EQ(PlistValue(std::int64_t{5'000'000'000}).intValue(), INT_MAX);
    EXPECT_EQ(PlistValue(std::int64_t{-5'000'000'000}).intValue(), INT_MIN);

    EXPECT_FALSE(PlistValue(0.0).boolValue());
    EXPECT_TRUE(PlistValue(0.25).boolValue());
    EXPECT_EQ(PlistValue(2.9).intValue(), 2);
    EXPECT_EQ(PlistValue(-2.9).intValue(), -2);
    EXPECT_EQ(PlistValue(1e300).intValue(), INT_MAX);
    EXPECT_EQ(PlistValue(-1e300).intValue(), INT_MIN);
    EXPECT_EQ(PlistValue(std::numeric_limits<double>::quiet_NaN()).intValue(), 0);
}

TEST(PlistValueReadings, StringsReadAsNSStringDoes)
{
    EXPECT_TRUE(PlistValue("YES").boolValue());
    EXPECT_FALSE(PlistValue("false").boolValue());
    EXPECT_EQ(PlistValue(" 12 apples").intValue(), 12);
}

TEST(PlistValueReadings, OtherValuesAreFalseAndZero)
{
    for (const PlistValue& value : {PlistValue(PlistData{1, 2, 3}), PlistValue(PlistDate{100}),
                                    PlistValue(PlistArray{PlistValue(true)}),
                                    PlistValue(PlistDictionary{{"a", PlistValue(true)}})}) {
        EXPECT_FALSE(value.boolValue());
        EXPECT_EQ(value.intValue(), 0);
    }
}

}  // namespace
}  // namespace device::foundation
