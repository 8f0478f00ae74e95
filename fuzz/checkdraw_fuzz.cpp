// The draw check on arbitrary draw and box texts, against a plain reading of
// its three cases.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>

#include "numfilter.h"
#include "require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace vostrel;
    FuzzedDataProvider input(data, size);
    const std::string draw = input.ConsumeRandomLengthString(16);
    const std::string box = input.ConsumeRemainingBytesAsString();

    const TCheckOutcome outcome = CheckDraw(draw, box);

    const bool blank =
        std::all_of(box.begin(), box.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
    TCheckOutcome expected = TCheckOutcome::NoChange;
    if (blank)
        expected = TCheckOutcome::Clear;
    else if (draw.size() == 4)
        expected = std::search(box.begin(), box.end(), draw.begin(), draw.end()) != box.end()
                       ? TCheckOutcome::Hit
                       : TCheckOutcome::Miss;
    Require(outcome == expected);
    Require(CheckOutcomeText(outcome).size() == (outcome == TCheckOutcome::Hit    ? 2u
                                                 : outcome == TCheckOutcome::Miss ? 1u
                                                                                  : 0u));
    return 0;
}
