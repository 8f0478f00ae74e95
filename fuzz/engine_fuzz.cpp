// The one-pass engine against the literal rules on arbitrary bytes: a draw,
// a kill-pair text (fed whole and in random pieces) and a banker text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "numfilter.h"
#include "reference.h"
#include "require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace vostrel;
    FuzzedDataProvider input(data, size);
    const std::string draw = input.ConsumeBytesAsString(3);
    const std::string kill = input.ConsumeRandomLengthString(1 << 16);
    const std::string banker = input.ConsumeRandomLengthString(1 << 16);
    const std::size_t piece = input.ConsumeIntegralInRange<std::size_t>(1, 64);

    // Any draw bytes give some digits, so every input reaches the filter.
    TPrevDigits prev{};
    for (std::size_t i = 0; i < 3; ++i)
        prev[i] = i < draw.size() ? static_cast<unsigned char>(draw[i]) % 10 : 0;
    const TDrawParse parse = ParseDraw(draw);
    if (parse.status == TDrawParse::Status::Accepted)
        prev = parse.digits;

    static TNumTable fast, literal, streamed;
    static const bool built = [] {
        BuildNumTable(fast);
        BuildNumTable(literal);
        BuildNumTable(streamed);
        return true;
    }();
    (void)built;

    FilterNumbers(fast, prev, kill, banker);
    reference::FilterNumbers(literal, prev, kill, banker);

    TKillPairs pieces;
    for (std::size_t at = 0; at < kill.size(); at += piece)
        pieces.Feed(std::string_view(kill).substr(at, piece));
    FilterNumbers(streamed, prev, pieces, TBankerDigits(banker));

    for (int i = 0; i < kCandidates; ++i) {
        Require(fast[i].flag == literal[i].flag);
        Require(streamed[i].flag == literal[i].flag);
    }

    // The results text: four bytes per number, ascending, three digits and a blank.
    const TResult result = MakeResultText(fast);
    Require(result.text.size() == static_cast<std::size_t>(result.count) * 4);
    int previous = -1;
    for (std::size_t at = 0; at < result.text.size(); at += 4) {
        for (std::size_t k = 0; k < 3; ++k)
            Require(result.text[at + k] >= '0' && result.text[at + k] <= '9');
        Require(result.text[at + 3] == ' ');
        const int number = std::atoi(result.text.substr(at, 3).c_str());
        Require(number > previous && fast[number].flag == 0);
        previous = number;
    }
    int count = 0;
    Require(reference::MakeResultText(literal, &count) == result.text && count == result.count);
    return 0;
}
