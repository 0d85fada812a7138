// Throughput of the plain conversions on 1 KB and 1 MB inputs, and the help search on the
// real help text. Figures are bytes of input per second.
#include "conversion/binary.h"
#include "conversion/dotted_decimal.h"
#include "conversion/hexadecimal.h"
#include "conversion/text_codes.h"
#include "help/help_text.h"
#include "help/mark_occurrences.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace numo;

// Repeats `unit` up to `size` 16-bit characters.
std::u16string Repeat(std::u16string_view unit, std::int64_t size)
{
    std::u16string text;
    text.reserve(static_cast<std::size_t>(size));
    while (text.size() + unit.size() <= static_cast<std::size_t>(size))
        text += unit;
    return text;
}

void Report(benchmark::State &state, const std::u16string &input)
{
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}

void BM_ConvertHexToDec(benchmark::State &state)
{
    const std::u16string input = Repeat(u"C0-A8-00-01-", state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertHexToDec(input));
    Report(state, input);
}

void BM_ConvertBinaryToAscii(benchmark::State &state)
{
    const std::u16string input = Repeat(u"01100001-", state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertBinaryToAscii(input));
    Report(state, input);
}

void BM_ConvertDottedDecimal(benchmark::State &state)
{
    const BitPatternTables tables = BuildBitPatternTables();
    const std::u16string input = Repeat(u"192.168.0.1 ", state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertDottedDecimal(input, tables.ByteBitTable));
    Report(state, input);
}

void BM_TextToCodes(benchmark::State &state)
{
    const std::u16string input = Repeat(u"Numo converts text, 0123456789! ", state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(TextToCodes(input));
    Report(state, input);
}

void BM_MarkOccurrencesHelpText(benchmark::State &state)
{
    const std::string bytes = HelpText();
    const std::u16string text(bytes.begin(), bytes.end()); // the help text is pure ASCII
    for (auto _ : state)
        benchmark::DoNotOptimize(MarkOccurrences(text, u"binary"));
    Report(state, text);
}

constexpr std::int64_t kKilobyte = 1 << 10;
constexpr std::int64_t kMegabyte = 1 << 20;

BENCHMARK(BM_ConvertHexToDec)->Arg(kKilobyte)->Arg(kMegabyte);
BENCHMARK(BM_ConvertBinaryToAscii)->Arg(kKilobyte)->Arg(kMegabyte);
BENCHMARK(BM_ConvertDottedDecimal)->Arg(kKilobyte)->Arg(kMegabyte);
BENCHMARK(BM_TextToCodes)->Arg(kKilobyte)->Arg(kMegabyte);
BENCHMARK(BM_MarkOccurrencesHelpText)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
