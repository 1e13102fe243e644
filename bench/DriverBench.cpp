// The driver channel's recurring work: the stream state query of every poll, answered
// directly or through the fallback that counts matching units, and the settings write of
// Apply. The argument is the number of connected units, in the first slots.
#include <benchmark/benchmark.h>

#include "AllocationCount.h"
#include "BenchUnits.h"
#include "driver/SettingsExchange.h"
#include "driver/StreamState.h"

namespace drvprop::bench {
namespace {

constexpr int32_t kRate = 48000;

BenchUnits Connect(int units, const UnitReplies& replies) {
  BenchUnits io;
  for (int slot = 0; slot < units; ++slot) io.Plug(slot, replies);
  return io;
}

// A fake that answers differently than intended would time another path; such a run is
// reported as an error instead of a figure.
void RunQuery(benchmark::State& state, BenchUnits& io, std::optional<StreamReport> expected) {
  if (QueryStreamState(io, io.slots()) != expected) {
    state.SkipWithError("the query did not give the expected report");
    return;
  }
  RunCountingAllocations(state,
                         [&] { benchmark::DoNotOptimize(QueryStreamState(io, io.slots())); });
}

void BM_QueryStreamState_Direct(benchmark::State& state) {
  const int units = static_cast<int>(state.range(0));
  UnitReplies replies;
  replies.streamState = STREAM_STATE{0, units, kRate, {}};
  BenchUnits io = Connect(units, replies);
  RunQuery(state, io, StreamReport{units, kRate});
}
BENCHMARK(BM_QueryStreamState_Direct)->ArgName("units")->Arg(1)->Arg(2)->Arg(4);

// With 0 units nothing answers: every slot is tried for the stream state and twice more for
// the first unit of the fallback, which is the poll's cost while the interface is unplugged.
void BM_QueryStreamState_Fallback(benchmark::State& state) {
  const int units = static_cast<int>(state.range(0));
  BenchUnits io = Connect(units, FallbackUnit(kRate));
  const auto expected = units == 0 ? std::nullopt : std::optional(StreamReport{units, kRate});
  RunQuery(state, io, expected);
}
BENCHMARK(BM_QueryStreamState_Fallback)->ArgName("units")->Arg(0)->Arg(1)->Arg(2)->Arg(4);

void BM_WriteSettings(benchmark::State& state) {
  const int units = static_cast<int>(state.range(0));
  UnitReplies replies;
  replies.settingsStatus = kSetStatusInUse;
  BenchUnits io = Connect(units, replies);
  DRVPROP_SETTINGS_IO request{};
  SetSettingsDefaults(request.settings);
  RunCountingAllocations(state, [&] {
    benchmark::DoNotOptimize(WriteSettings(io, io.slots(), request));
    benchmark::ClobberMemory();
  });
  if (request.status != kSetStatusInUse) state.SkipWithError("the statuses were not folded");
}
BENCHMARK(BM_WriteSettings)->ArgName("units")->Arg(4);

}  // namespace
}  // namespace drvprop::bench
