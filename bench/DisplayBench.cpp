// The arithmetic behind the ASIO buffer size line and the two bars, run on every poll that
// gets an answer and on every slider notification while the thumb is dragged. Each iteration
// computes one entry of a table of inputs, taking the entries in turn, so that the figure is
// an average over the table and not the cost of one branch.
#include <benchmark/benchmark.h>

#include <array>

#include "AllocationCount.h"
#include "dialogs/AsioBufferSize.h"
#include "dialogs/BufferLevel.h"
#include "dialogs/PerformanceBars.h"

namespace drvprop::bench {
namespace {

struct SizeInput {
  int32_t units;
  int32_t rate;
  int32_t level;
  bool smaller;
};

// Every rate band, the computed band above 192 kHz, unit counts inside and outside 0..4 and
// an out-of-range level from the driver.
constexpr std::array<SizeInput, 12> kSizeInputs = {{
    {1, 44100, 5, false},
    {2, 48000, 9, false},
    {4, 44100, 0, false},
    {2, 88200, 3, true},
    {3, 96000, 5, false},
    {3, 176400, 7, true},
    {4, 192000, 9, false},
    {1, 192001, 5, false},
    {3, 384000, 5, false},
    {4, 768000, 9, true},
    {7, 48000, 2, false},
    {1, -1, 42, true},
}};

void BM_AsioBufferSize(benchmark::State& state) {
  std::size_t next = 0;
  RunCountingAllocations(state, [&] {
    const SizeInput& in = kSizeInputs[next];
    next = (next + 1) % kSizeInputs.size();
    benchmark::DoNotOptimize(AsioBufferSize(in.units, in.rate, in.level, in.smaller));
  });
}
BENCHMARK(BM_AsioBufferSize);

// Both lengths and both bar texts, for every slider position with the checkbox both ways.
void BM_PerformanceBars(benchmark::State& state) {
  int32_t combination = 0;
  RunCountingAllocations(state, [&] {
    const int32_t pos = combination / 2;
    const bool checked = combination % 2 != 0;
    combination = (combination + 1) % (kLevelCount * 2);
    const BarLengths bars = PerformanceBarLengths(kMaxBufferLevel, pos, checked);
    benchmark::DoNotOptimize(BarText(bars.realTime));
    benchmark::DoNotOptimize(BarText(bars.stability));
  });
}
BENCHMARK(BM_PerformanceBars);

}  // namespace
}  // namespace drvprop::bench
