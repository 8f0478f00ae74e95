// Integer conversion, draw parsing and the small text helpers.
#include <gtest/gtest.h>

#include <optional>

#include "numfilter.h"

namespace vostrel {
namespace {

struct IntCase {
    const char *text;
    std::optional<std::int32_t> value;
};

class IntegerConversion : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntegerConversion, AcceptsExactlyThePlatformForms)
{
    EXPECT_EQ(StrToInt(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, IntegerConversion,
    ::testing::Values(IntCase{"123", 123}, IntCase{"007", 7}, IntCase{"  12", 12}, IntCase{"+12", 12},
                      IntCase{"-12", -12}, IntCase{"$1F", 31}, IntCase{"x1f", 31}, IntCase{"X1F", 31},
                      IntCase{"0x1", 1}, IntCase{"0X1a", 26}, IntCase{"2147483647", 2147483647},
                      IntCase{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                      IntCase{"$7FFFFFFF", 2147483647},
                      // Rejected: empty, only blanks, trailing text, lone signs and prefixes, overflow.
                      IntCase{"", std::nullopt}, IntCase{"   ", std::nullopt}, IntCase{"12 ", std::nullopt},
                      IntCase{"+", std::nullopt}, IntCase{"-", std::nullopt}, IntCase{"$", std::nullopt},
                      IntCase{"0x", std::nullopt}, IntCase{"x", std::nullopt}, IntCase{"1F", std::nullopt},
                      IntCase{"-$1", std::nullopt}, IntCase{"+-1", std::nullopt},
                      IntCase{"\t1", std::nullopt}, IntCase{"2147483648", std::nullopt},
                      IntCase{"-2147483649", std::nullopt}, IntCase{"$80000000", std::nullopt},
                      IntCase{"99999999999999999999", std::nullopt}, IntCase{"1\xD6\xD0", std::nullopt}));

struct DrawCase {
    const char *text;
    TDrawParse::Status status;
    TPrevDigits digits;
    char badChar;
};

class DrawParsing : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DrawParsing, AcceptsThreeDigitsAndNamesTheFirstBadCharacter)
{
    const DrawCase &c = GetParam();
    const TDrawParse parse = ParseDraw(c.text);
    ASSERT_EQ(parse.status, c.status) << '"' << c.text << '"';
    if (c.status == TDrawParse::Status::Accepted) {
        EXPECT_EQ(parse.digits, c.digits);
    }
    if (c.status == TDrawParse::Status::BadCharacter) {
        EXPECT_EQ(parse.badChar, c.badChar);
    }
}

using S = TDrawParse::Status;
INSTANTIATE_TEST_SUITE_P(
    Table, DrawParsing,
    ::testing::Values(DrawCase{"123", S::Accepted, {1, 2, 3}, 0}, DrawCase{"000", S::Accepted, {0, 0, 0}, 0},
                      DrawCase{"907", S::Accepted, {9, 0, 7}, 0}, DrawCase{"", S::NotThreeDigit, {}, 0},
                      DrawCase{"12", S::NotThreeDigit, {}, 0}, DrawCase{"1234", S::NotThreeDigit, {}, 0},
                      DrawCase{"abc", S::NotThreeDigit, {}, 0}, DrawCase{"12 ", S::NotThreeDigit, {}, 0},
                      DrawCase{"   ", S::NotThreeDigit, {}, 0},
                      DrawCase{"\xD6\xD0"
                               "1",
                               S::NotThreeDigit,
                               {},
                               0},
                      DrawCase{" 12", S::BadCharacter, {}, ' '}, DrawCase{"-12", S::BadCharacter, {}, '-'},
                      DrawCase{"+12", S::BadCharacter, {}, '+'}, DrawCase{"$1F", S::BadCharacter, {}, '$'},
                      DrawCase{"x1F", S::BadCharacter, {}, 'x'}, DrawCase{"0x1", S::BadCharacter, {}, 'x'},
                      DrawCase{"1$F", S::NotThreeDigit, {}, 0}));

TEST(DrawParsing, ErrorTextNamesTheCharacterAndGetsTheDisplayFullStop)
{
    const TDrawParse parse = ParseDraw("-12");
    const std::string expected =
        "'-' \xB2\xBB\xCA\xC7\xD2\xBB\xB8\xF6\xD3\xD0\xD0\xA7\xB5\xC4\xD5\xFB\xD0\xCE\xD6\xB5";
    EXPECT_EQ(parse.ErrorText(), expected);
    EXPECT_EQ(ErrorDisplayText(parse.ErrorText()), expected + ".");
}

TEST(ErrorDisplayText, AddsAFullStopOnlyAfterBytesAboveIt)
{
    EXPECT_EQ(ErrorDisplayText("abc"), "abc.");
    EXPECT_EQ(ErrorDisplayText("abc."), "abc.");
    EXPECT_EQ(ErrorDisplayText("abc-"), "abc-"); // '-' sorts before '.'
    EXPECT_EQ(ErrorDisplayText("abc/"), "abc/.");
    EXPECT_EQ(ErrorDisplayText(""), "");
}

TEST(Trim, StripsBytesUpToBlankFromBothEndsOnly)
{
    EXPECT_EQ(Trim("\x01\t 1 2\r\n"), "1 2");
    EXPECT_EQ(Trim(std::string_view("\0a\0", 3)), "a");
    EXPECT_EQ(Trim(" \x7f "), "\x7f"); // DEL is above blank
    EXPECT_EQ(Trim("\xA1 "), "\xA1");
    EXPECT_EQ(Trim("   "), "");
}

TEST(Captions, AreBuiltFromTheCountAndTheDrawAsTyped)
{
    EXPECT_EQ(CountCaption(183), "\xCB\xF5\xCB\xAE\xBD\xE1\xB9\xFB\xA3\xBA"
                                 "183\xD7\xA2");
    EXPECT_EQ(PrevDrawCaption("123"), "\xC9\xCF\xC6\xDA\xA3\xBA"
                                      "123");
    EXPECT_EQ(CandidateText(7), "007");
    EXPECT_EQ(CandidateText(999), "999");
}

} // namespace
} // namespace vostrel
