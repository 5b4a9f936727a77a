// Loading the built-in word list, against the least any loader must do: one
// pass over the same bytes counting line feeds. Also counts the heap
// allocations one load makes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "phrase_list.h"

namespace {
std::atomic<long> allocations{0};
}

// Every allocation of this program passes here, so a load's can be counted.
void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

void CountLineFeedsBaseline(benchmark::State& state) {
  const auto block = velqora::builtInPhraseBlock();
  for (auto _ : state) {
    benchmark::DoNotOptimize(block.data());
    auto lineFeeds = std::count(block.begin(), block.end(), '\n');
    benchmark::DoNotOptimize(lineFeeds);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * block.size()));
}
BENCHMARK(CountLineFeedsBaseline);

void LoadPhraseList(benchmark::State& state) {
  const auto block = velqora::builtInPhraseBlock();
  long before = 0, after = 0;
  for (auto _ : state) {
    velqora::releasePhraseList();
    before = allocations.load();
    velqora::loadPhraseList(block);
    after = allocations.load();
    benchmark::DoNotOptimize(velqora::phraseLines.data());
  }
  state.counters["allocations"] = static_cast<double>(after - before);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * block.size()));
}
BENCHMARK(LoadPhraseList);

// The parts of a load, to see where its time goes.
void SplitLinesOnly(benchmark::State& state) {
  const auto block = velqora::builtInPhraseBlock();
  for (auto _ : state) benchmark::DoNotOptimize(velqora::splitLines(block).data());
}
BENCHMARK(SplitLinesOnly);

void CountLinesOnly(benchmark::State& state) {
  const auto block = velqora::builtInPhraseBlock();
  for (auto _ : state) benchmark::DoNotOptimize(velqora::countLines(block));
}
BENCHMARK(CountLinesOnly);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
