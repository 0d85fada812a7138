// "Copy as" on large fields: each format on 1 KB to 1 MB of bytes, with the fitted complexity.
#include "conversion/byte_formats.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

void FormatBytes(benchmark::State &state, numo::ByteFormat format)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(state.range(0)));
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(numo::FormatBytes(format, bytes));
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

const bool kRegistered = [] {
    for (const auto format : numo::kByteFormats)
        benchmark::RegisterBenchmark(
            (std::string("BM_CopyAs/") + numo::ByteFormatName(format)).c_str(), FormatBytes, format)
            ->RangeMultiplier(4)
            ->Range(1 << 10, 1 << 20)
            ->Complexity(benchmark::oN)
            ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
