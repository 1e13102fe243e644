// One poll tick as far as the portable core goes: the stream state query, then the buffer
// size and the two bar texts that the dialog compares with its labels. The "allocs" column
// is the figure that matters: the tick repeats three times a second for as long as the panel
// is open. The argument is the slider position, which decides the bar lengths.
#include <benchmark/benchmark.h>

#include "AllocationCount.h"
#include "BenchUnits.h"
#include "dialogs/AsioBufferSize.h"
#include "dialogs/BufferLevel.h"
#include "dialogs/PerformanceBars.h"
#include "driver/StreamState.h"

namespace drvprop::bench {
namespace {

void PollOnce(BenchUnits& io, int32_t level) {
  const std::optional<StreamReport> report = QueryStreamState(io, io.slots());
  if (!report) return;
  benchmark::DoNotOptimize(AsioBufferSize(report->unitCount, report->sampleRate, level, false));
  const BarLengths bars = PerformanceBarLengths(kMaxBufferLevel, level, false);
  benchmark::DoNotOptimize(BarText(bars.realTime));
  benchmark::DoNotOptimize(BarText(bars.stability));
}

// Two units that report no stream state, so the tick takes the longer fallback path.
void BM_PollTick(benchmark::State& state) {
  const int32_t level = static_cast<int32_t>(state.range(0));
  BenchUnits io;
  io.Plug(0, FallbackUnit(44100));
  io.Plug(1, FallbackUnit(44100));
  RunCountingAllocations(state, [&] { PollOnce(io, level); });
}
BENCHMARK(BM_PollTick)->ArgName("level")->Arg(0)->Arg(5)->Arg(9);

}  // namespace
}  // namespace drvprop::bench
