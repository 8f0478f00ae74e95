// Speed of the filter engine: one ordinary run, long pasted texts, and the
// literal rules on the same long texts for comparison.
#include <benchmark/benchmark.h>

#include "numfilter.h"
#include "reference.h"

namespace {

using namespace vostrel;

void FilterAndText(benchmark::State &state)
{
    TNumTable table;
    BuildNumTable(table);
    for (auto _ : state) {
        FilterNumbers(table, {1, 2, 3}, "12", "5");
        TResult result = MakeResultText(table);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(FilterAndText)->Unit(benchmark::kMicrosecond);

// Worst case for a one-pass reader: texts that never kill every pair nor hold
// every digit, so nothing lets it stop early.
std::string LongKillText(std::size_t bytes)
{
    std::string text;
    text.reserve(bytes);
    while (text.size() + 3 <= bytes)
        text += "12 ";
    text.resize(bytes, ' ');
    return text;
}

std::string LongBankerText(std::size_t bytes)
{
    std::string text(bytes, 'x');
    text[bytes / 2] = '5';
    return text;
}

template <typename Filter> void LongTexts(benchmark::State &state, Filter filter)
{
    const std::size_t bytes = static_cast<std::size_t>(state.range(0)) << 20;
    const std::string kill = LongKillText(bytes);
    const std::string banker = LongBankerText(bytes);
    TNumTable table;
    BuildNumTable(table);
    for (auto _ : state) {
        filter(table, TPrevDigits{1, 2, 3}, kill, banker);
        TResult result = MakeResultText(table);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * 2 * bytes));
}

void EngineLongTexts(benchmark::State &state)
{
    LongTexts(state, [](TNumTable &t, const TPrevDigits &p, std::string_view k, std::string_view b) {
        FilterNumbers(t, p, k, b);
    });
}
BENCHMARK(EngineLongTexts)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);

void LiteralRulesLongTexts(benchmark::State &state)
{
    LongTexts(state, [](TNumTable &t, const TPrevDigits &p, std::string_view k, std::string_view b) {
        reference::FilterNumbers(t, p, k, b);
    });
}
BENCHMARK(LiteralRulesLongTexts)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
