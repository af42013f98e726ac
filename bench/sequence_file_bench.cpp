// How long a large show takes to save and load: 100,000 steps is about 3 MB on disk.
#include "sequence/sequence_file.h"
#include "sequence/step_text.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Show(std::size_t count) {
    std::vector<std::string> steps;
    steps.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string pattern(16, '0');
        pattern[i % 16] = '1';
        steps.push_back(*sequence::BuildStepText(pattern, std::to_string(1 + i % 9999)));
    }
    return steps;
}

void BM_Encode(benchmark::State& state) {
    const auto steps = Show(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(sequence::EncodeSequenceFile(steps));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Encode)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Decode(benchmark::State& state) {
    const std::string bytes =
        sequence::EncodeSequenceFile(Show(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(sequence::DecodeSequenceFile(bytes));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(bytes.size()));
}
BENCHMARK(BM_Decode)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
