// The one-pass engine against the literal reference on random inputs, biased
// towards what trips substring logic: digits, blanks, control bytes at the
// ends, high bytes and long texts.
#include <gtest/gtest.h>

#include <random>

#include "numfilter.h"
#include "reference.h"

namespace vostrel {
namespace {

std::string RandomText(std::mt19937 &rng)
{
    static const std::string digits = "0123456789";
    std::uniform_int_distribution<int> shape(0, 9);
    std::size_t length = 0;
    switch (shape(rng)) {
    case 0:
        length = 0;
        break;
    case 9:
        length = std::uniform_int_distribution<std::size_t>(500, 5000)(rng);
        break;
    default:
        length = std::uniform_int_distribution<std::size_t>(1, 12)(rng);
        break;
    }
    std::string text;
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> low(0, 0x20);
    std::uniform_int_distribution<int> digit(0, 9);
    for (std::size_t i = 0; i < length; ++i) {
        const int k = kind(rng);
        if (k < 5)
            text += digits[digit(rng)];
        else if (k < 7)
            text += static_cast<char>(low(rng)); // blanks and control bytes, NUL included
        else
            text += static_cast<char>(byte(rng));
    }
    return text;
}

TEST(Differential, EngineFlagsEqualTheLiteralRules)
{
    std::mt19937 rng(20261211);
    TNumTable fast, literal;
    BuildNumTable(fast);
    BuildNumTable(literal);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int round = 0; round < 3000; ++round) {
        const TPrevDigits prev{digit(rng), digit(rng), digit(rng)};
        const std::string kill = RandomText(rng);
        const std::string banker = RandomText(rng);
        FilterNumbers(fast, prev, kill, banker);
        reference::FilterNumbers(literal, prev, kill, banker);
        for (int i = 0; i < kCandidates; ++i)
            ASSERT_EQ(fast[i].flag, literal[i].flag)
                << "candidate " << i << " round " << round << " kill size " << kill.size();
        int count = 0;
        const std::string text = reference::MakeResultText(literal, &count);
        const TResult result = MakeResultText(fast);
        ASSERT_EQ(result.text, text);
        ASSERT_EQ(result.count, count);
    }
}

} // namespace
} // namespace vostrel
