// Number conversion of data-file and settings text: what is read, and the exact exception
// descriptions that the player sees in the "Fatal: " line.
#include "core/data/NumberText.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

using namespace corvale;

namespace {

// The description of the exception that f throws, with its type checked.
template <class Exception, class F> std::string ThrownText(F f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.what();
    } catch (...) {
        return "<other exception>";
    }
    return "<nothing thrown>";
}

TEST(ParseInt, ReadsLeadingBlanksASignAndIgnoresTrailingText) {
    EXPECT_EQ(ParseInt("42"), 42);
    EXPECT_EQ(ParseInt("  -17"), -17);
    EXPECT_EQ(ParseInt("\t+8"), 8);
    EXPECT_EQ(ParseInt("12abc"), 12);
    EXPECT_EQ(ParseInt("0.75"), 0);
    EXPECT_EQ(ParseInt("-999"), -999);
}

TEST(ParseInt, ReadsTheWhole32BitRange) {
    EXPECT_EQ(ParseInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt("-2147483648"), -2147483647 - 1);
}

TEST(ParseInt, TextWithoutLeadingDigitsThrowsInvalidStoiArgument) {
    for (const char* text : {"abc", "", "   ", "-", "yes", "x12", ". 5"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ThrownText<std::invalid_argument>([&] { ParseInt(text); }),
                  "invalid stoi argument");
    }
}

TEST(ParseInt, NumbersOutside32BitsThrowStoiArgumentOutOfRange) {
    for (const char* text : {"2147483648", "-2147483649", "99999999999999999999999"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ThrownText<std::out_of_range>([&] { ParseInt(text); }),
                  "stoi argument out of range");
    }
}

TEST(ParseFloat, ReadsDecimalAndExponentTextAndIgnoresTrailingText) {
    EXPECT_FLOAT_EQ(ParseFloat("0.25"), 0.25f);
    EXPECT_FLOAT_EQ(ParseFloat("  -1.5e2"), -150.0f);
    EXPECT_FLOAT_EQ(ParseFloat("3.5m"), 3.5f);
    EXPECT_FLOAT_EQ(ParseFloat("-999"), -999.0f);
    EXPECT_FLOAT_EQ(ParseFloat(".5"), 0.5f);
}

TEST(ParseFloat, AcceptsWhatTheCLibraryAccepts) {
    EXPECT_TRUE(std::isinf(ParseFloat("inf")));
    EXPECT_TRUE(std::isnan(ParseFloat("nan")));
    EXPECT_FLOAT_EQ(ParseFloat("0x1p3"), 8.0f);
}

TEST(ParseFloat, TextWithoutANumberThrowsInvalidStofArgument) {
    for (const char* text : {"abc", "", "  ", "-", "e5", "fast"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ThrownText<std::invalid_argument>([&] { ParseFloat(text); }),
                  "invalid stof argument");
    }
}

TEST(ParseFloat, NumbersBeyondTheFloatRangeThrowStofArgumentOutOfRange) {
    for (const char* text : {"1e39", "-1e39", "3.5e38"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ThrownText<std::out_of_range>([&] { ParseFloat(text); }),
                  "stof argument out of range");
    }
    EXPECT_FLOAT_EQ(ParseFloat("3.4e38"), 3.4e38f);
}

} // namespace
