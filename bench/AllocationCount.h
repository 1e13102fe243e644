// Heap allocations made by this process so far, counted by the bench binary's own global
// operator new. The poll runs three times a second for as long as the panel is open, so it
// is meant to allocate nothing; the benchmarks report the figure next to their timings.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

namespace drvprop::bench {

uint64_t AllocationsSoFar();

// Runs `body` once per benchmark iteration and reports the allocations per iteration as the
// counter "allocs". The benchmark library allocates nothing inside its timing loop, so the
// figure is the body's own.
template <typename Body>
void RunCountingAllocations(benchmark::State& state, Body&& body) {
  const uint64_t before = AllocationsSoFar();
  for (auto _ : state) body();
  const uint64_t made = AllocationsSoFar() - before;
  state.counters["allocs"] =
      benchmark::Counter(static_cast<double>(made), benchmark::Counter::kAvgIterations);
}

}  // namespace drvprop::bench
