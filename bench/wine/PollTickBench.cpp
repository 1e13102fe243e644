// The driver requests of one poll tick under Wine: the core's QueryStreamState over the
// real I/O manager against the substitute driver, with 1 and 4 units that report their
// stream state (one request) and that do not (the fallback asks every unit for its
// information block, mode and clock, each request with its own open and close).
//
//   drvprop_wine_poll_bench [RUNS]      default 1000 timed ticks per case
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchSupport.h"
#include "driver/StreamState.h"
#include "driver/UnitSlots.h"
#include "driver/Win32DeviceIo.h"
#include "harness/DriverControl.h"

namespace drvprop::winebench {
namespace {

constexpr int kDefaultRuns = 1000;
constexpr int kWarmUpRuns = 20;
constexpr int32_t kRate = 48000;

struct PollCase {
  const char* name;
  int units;
  bool direct;  // every unit reports its stream state; else each reports unitCount 0
};

constexpr PollCase kCases[] = {
    {"poll_tick_direct_1_unit", 1, true},
    {"poll_tick_direct_4_units", 4, true},
    {"poll_tick_fallback_1_unit", 1, false},
    {"poll_tick_fallback_4_units", 4, false},
};

// Units 1..N plugged with the driver's default information block, mode and clock, which
// match, so the fallback counts all of them.
bool Configure(const PollCase& c) {
  if (!ResetUnits()) return false;
  for (int unit = 1; unit <= c.units; ++unit) {
    if (unit > 1 && !e2e::DriverCommand(qxdv::kOpPlug, unit)) return false;
    if (!e2e::DriverCommand(qxdv::kOpStream, unit, {c.direct ? c.units : 0, kRate})) return false;
    if (!e2e::DriverCommand(qxdv::kOpClock, unit, {kRate})) return false;
  }
  return true;
}

bool Measure(const PollCase& c, UnitSlots& slots, int runs) {
  if (!Configure(c)) {
    std::fprintf(stderr, "%s: the substitute driver does not answer; is the bed up?\n", c.name);
    return false;
  }
  Win32DeviceIo io;
  const StreamReport expected{c.units, kRate};
  const auto report = QueryStreamState(io, slots);
  if (!report || *report != expected) {
    std::fprintf(stderr, "%s: the query did not see %d units at %d Hz\n", c.name, c.units, kRate);
    return false;
  }
  for (int i = 0; i < kWarmUpRuns; ++i) QueryStreamState(io, slots);
  std::vector<double> microseconds;
  microseconds.reserve(static_cast<size_t>(runs));
  for (int i = 0; i < runs; ++i) {
    const Stopwatch watch;
    QueryStreamState(io, slots);
    microseconds.push_back(1000.0 * watch.ElapsedMs());
  }
  const Spread spread = SpreadOf(microseconds);
  const std::string note = "p90 " + std::to_string(static_cast<int>(spread.p90 + 0.5)) + " us, " +
                           std::to_string(runs) + " ticks";
  PrintRow(c.name, spread.median, "us", note);
  return true;
}

}  // namespace
}  // namespace drvprop::winebench

int main(int argc, char** argv) {
  using namespace drvprop::winebench;
  const int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
  if (runs <= 0) {
    std::fprintf(stderr, "usage: drvprop_wine_poll_bench [RUNS]\n");
    return 2;
  }
  drvprop::UnitSlots slots;
  drvprop::FillUnitSlots(slots);
  bool ok = true;
  for (const PollCase& c : kCases) ok = Measure(c, slots, runs) && ok;
  // Leave the units as the next program of the bed expects them.
  ResetUnits();
  return ok ? 0 : 1;
}
