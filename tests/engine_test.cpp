// The filter rules, the results text and the draw check, against worked
// examples whose numbers were counted by hand from the rules.
#include <gtest/gtest.h>

#include "numfilter.h"

namespace vostrel {
namespace {

class Engine : public ::testing::Test {
protected:
    void SetUp() override { BuildNumTable(table); }

    TResult Run(const TPrevDigits &prev, std::string_view kill = {}, std::string_view banker = {})
    {
        FilterNumbers(table, prev, kill, banker);
        return MakeResultText(table);
    }

    TNumTable table;
};

TEST_F(Engine, TableHoldsTheDigitsOfEachIndex)
{
    for (int i = 0; i < kCandidates; ++i) {
        ASSERT_EQ(table[i].bai, i / 100);
        ASSERT_EQ(table[i].shi, i / 10 % 10);
        ASSERT_EQ(table[i].ge, i % 10);
        ASSERT_EQ(table[i].flag, 0);
    }
}

struct CountCase {
    TPrevDigits prev;
    const char *kill;
    const char *banker;
    int passing;
};

class PassingCount : public Engine, public ::testing::WithParamInterface<CountCase> {};

TEST_P(PassingCount, MatchesTheRules)
{
    const CountCase &c = GetParam();
    const TResult result = Run(c.prev, c.kill, c.banker);
    EXPECT_EQ(result.count, c.passing);
    EXPECT_EQ(result.text.size(), static_cast<std::size_t>(c.passing) * 4);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PassingCount,
    ::testing::Values(CountCase{{0, 0, 0}, "", "", 777}, CountCase{{9, 9, 9}, "", "", 777},
                      CountCase{{5, 0, 5}, "", "", 777}, CountCase{{1, 2, 3}, "", "", 762},
                      CountCase{{1, 1, 1}, "", "", 758}, CountCase{{1, 2, 3}, "12", "", 717},
                      CountCase{{1, 2, 3}, "", "5", 189}, CountCase{{1, 2, 3}, "12", "5", 183},
                      CountCase{{1, 2, 3}, "1234", "", 637}, CountCase{{1, 2, 3}, "55", "", 747},
                      CountCase{{0, 0, 0}, "09", "", 723}, CountCase{{0, 0, 0}, "   ", "", 777},
                      CountCase{{0, 0, 0}, "0 9", "", 777}, CountCase{{0, 0, 0}, "", "0", 271},
                      CountCase{{0, 0, 0}, "", "00", 271}, CountCase{{0, 0, 0}, "", "x", 0},
                      CountCase{{4, 5, 6}, "", "05", 376},
                      // Blanks and control bytes are trimmed only at the ends.
                      CountCase{{0, 0, 0}, "\t\x01 09\r\n", "", 723},
                      CountCase{{0, 0, 0}, "", "\x1f 0 \x7f", 271}));

// Some passing counts are easier to state as "the same as another input".
TEST_F(Engine, PaddedKillTextActsLikeTheBareText)
{
    const std::string bare = Run({0, 0, 0}, "12").text;
    EXPECT_EQ(Run({0, 0, 0}, "  12  ").text, bare);
    EXPECT_EQ(Run({0, 0, 0}, "\x01\x1f 12 \t").text, bare);
}

TEST_F(Engine, GeneralCountFormulaHoldsForEveryDraw)
{
    auto w = [](int d) { return (d == 1 || d == 3 || d == 6 || d == 8) ? 2 : 3; };
    for (int draw = 0; draw < 1000; ++draw) {
        const TPrevDigits prev{draw / 100, draw / 10 % 10, draw % 10};
        const int expected = 1000 - 125 - 125 + w(prev[0]) * w(prev[1]) * w(prev[2]);
        ASSERT_EQ(Run(prev).count, expected) << "draw " << draw;
    }
}

TEST_F(Engine, ResultsTextOfDrawZero)
{
    const TResult result = Run({0, 0, 0});
    EXPECT_EQ(result.count, 777);
    EXPECT_EQ(result.text.size(), 3108u);
    EXPECT_EQ(result.text.substr(0, 12), "000 001 002 ");
    EXPECT_EQ(result.text.substr(result.text.size() - 12), "990 992 994 ");
    EXPECT_EQ(table[0].flag, 0);
    EXPECT_EQ(table[555].flag, 1);
    EXPECT_EQ(table[9].flag, 0);
    EXPECT_EQ(CountCaption(result.count), "\xCB\xF5\xCB\xAE\xBD\xE1\xB9\xFB\xA3\xBA"
                                          "777\xD7\xA2");
}

TEST_F(Engine, KillPairNineZeroExcludesBothOrders)
{
    Run({0, 0, 0}, "09");
    for (int i : {9, 90, 900})
        EXPECT_EQ(table[i].flag, 1) << i;
}

TEST_F(Engine, NoPassingCandidateGivesEmptyText)
{
    const TResult result = Run({1, 2, 3}, "", "abc");
    EXPECT_EQ(result.count, 0);
    EXPECT_EQ(result.text, "");
    EXPECT_EQ(CountCaption(0), "\xCB\xF5\xCB\xAE\xBD\xE1\xB9\xFB\xA3\xBA"
                               "0\xD7\xA2");
}

TEST_F(Engine, EveryRunStartsAfresh)
{
    const std::string plain = Run({1, 2, 3}).text;
    Run({1, 2, 3}, "0123456789", "7");
    EXPECT_EQ(Run({1, 2, 3}).text, plain);
}

TEST_F(Engine, ResultsTextOfTheWorkedExample)
{
    const TResult result = Run({1, 2, 3}, "12", "5");
    EXPECT_EQ(result.text.substr(0, 24), "005 015 025 035 045 051 ");
    EXPECT_EQ(result.count, 183);
}

TEST_F(Engine, StreamedTextsGiveTheSameFlagsAsWholeTexts)
{
    // A pair split across two pieces must still be seen.
    TKillPairs kill;
    kill.Feed("  1");
    kill.Feed("2  ");
    TBankerDigits banker;
    banker.Feed(" ");
    banker.Feed("5");
    FilterNumbers(table, {1, 2, 3}, kill, banker);
    EXPECT_EQ(MakeResultText(table).text, Run({1, 2, 3}, "  12  ", " 5").text);
}

struct CheckCase {
    const char *draw;
    const char *box;
    TCheckOutcome outcome;
};

class DrawCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(DrawCheck, DecidesTheOutcome)
{
    EXPECT_EQ(CheckDraw(GetParam().draw, GetParam().box), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawCheck,
    ::testing::Values(
        CheckCase{"123 ", "005 123 ", TCheckOutcome::Hit}, CheckCase{"123 ", "005 124 ", TCheckOutcome::Miss},
        CheckCase{" 123", "005 123 ", TCheckOutcome::Hit},
        CheckCase{" 123", "123 124 ", TCheckOutcome::Miss}, // first number has no blank before
        CheckCase{"1234", "123 234 ", TCheckOutcome::Miss}, CheckCase{"123", "123 ", TCheckOutcome::NoChange},
        CheckCase{"12345", "123 ", TCheckOutcome::NoChange}, CheckCase{"", "123 ", TCheckOutcome::NoChange},
        CheckCase{"123 ", "", TCheckOutcome::Clear}, CheckCase{"123 ", " \r\n\t ", TCheckOutcome::Clear},
        CheckCase{"abc", "\n", TCheckOutcome::Clear},
        // Four bytes, whatever they are: two GBK characters count.
        CheckCase{"\xD6\xD0\xD6\xD0", "x\xD6\xD0\xD6\xD0", TCheckOutcome::Hit}));

TEST(CheckOutcomeText, IsTheHitMarkTheCrossOrNothing)
{
    EXPECT_EQ(CheckOutcomeText(TCheckOutcome::Hit), "\xD6\xD0");
    EXPECT_EQ(CheckOutcomeText(TCheckOutcome::Miss), "X");
    EXPECT_EQ(CheckOutcomeText(TCheckOutcome::Clear), "");
}

} // namespace
} // namespace vostrel
