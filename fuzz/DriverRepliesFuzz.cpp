// Replies of any length and content to every request the panel makes, on up to four units,
// through one dialog's life: the settings read, the record clamped as the controls take it,
// an Apply with its retry, a poll with its fallback, and the display arithmetic on whatever
// the driver reported.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzedUnits.h"
#include "dialogs/AsioBufferSize.h"
#include "dialogs/BufferLevel.h"
#include "dialogs/PerformanceBars.h"
#include "driver/SettingsExchange.h"
#include "driver/StreamState.h"

namespace drvprop::fuzz {
namespace {

void CheckBounded(const DRVPROP_SETTINGS& settings) {
  const int32_t bound = LevelBound(settings.bufferLevel);
  for (const auto& [enable, value] : {std::pair{settings.adjustAEnabled, settings.adjustA},
                                      std::pair{settings.adjustBEnabled, settings.adjustB}}) {
    FUZZ_CHECK(enable != 0 || value == 0);
    FUZZ_CHECK(value >= -bound && value <= bound);
  }
}

void CheckBufferSize(int32_t units, int32_t rate, const DRVPROP_SETTINGS& settings) {
  const int32_t size =
      AsioBufferSize(units, rate, settings.bufferLevel, settings.useSmallerAsioBuffer != 0);
  FUZZ_CHECK(size > 0 && size % kAsioSizeQuantum == 0);
}

// The slider's range is 0..9 and the control keeps its position inside it, whatever level
// the record brought.
void CheckBars(const DRVPROP_SETTINGS& settings) {
  const BarLengths bars = PerformanceBarLengths(kMaxBufferLevel, ClampLevel(settings.bufferLevel),
                                                settings.useSmallerAsioBuffer != 0);
  FUZZ_CHECK(bars.realTime + bars.stability == kMaxBufferLevel + 3);
  FUZZ_CHECK(bars.realTime >= 1 && bars.stability >= 1);
  for (const int32_t length : {bars.realTime, bars.stability}) {
    const Text bar = BarText(length);
    FUZZ_CHECK(bar == Text(static_cast<std::size_t>(length), TextChar{'O'}));
  }
}

void WriteAndCheck(FuzzedUnits& units, DRVPROP_SETTINGS_IO& request) {
  const int32_t before = request.status;
  if (WriteSettings(units, units.slots(), request)) {
    FUZZ_CHECK(request.status >= kSetStatusTaken && request.status <= kSetStatusPowerCycle);
  } else {
    FUZZ_CHECK(request.status == before);
  }
  FUZZ_CHECK(!units.HandleOpen());
}

}  // namespace

void FuzzOne(FuzzInput& input) {
  FuzzedUnits units(input);

  DRVPROP_SETTINGS settings{};
  LoadSettingsFromDriver(units, units.slots(), settings);
  FUZZ_CHECK(!units.HandleOpen());
  // The controls take the record as the driver sent it, level and all.
  ClampBoundedValues(settings);
  CheckBounded(settings);

  // Apply: the level as the slider holds it, then one write and, on "in use", one retry.
  settings.bufferLevel = ClampLevel(settings.bufferLevel);
  ClampBoundedValues(settings);
  CheckBounded(settings);
  DRVPROP_SETTINGS_IO request{settings, input.I32()};
  WriteAndCheck(units, request);
  if (request.status == kSetStatusInUse) WriteAndCheck(units, request);

  if (const auto report = QueryStreamState(units, units.slots())) {
    CheckBufferSize(report->unitCount, report->sampleRate, settings);
  }
  FUZZ_CHECK(!units.HandleOpen());

  int32_t unitCount = -1;
  int32_t sampleRate = -1;
  if (CountMatchingUnits(units, units.slots(), unitCount, sampleRate)) {
    FUZZ_CHECK(unitCount >= 1 && unitCount <= kMaxUnits);
    CheckBufferSize(unitCount, sampleRate, settings);
  } else {
    FUZZ_CHECK(unitCount == 0 && sampleRate == 0);
  }
  FUZZ_CHECK(!units.HandleOpen());

  // The arithmetic also takes any words at all, as the unchecked record can bring them.
  DRVPROP_SETTINGS raw{};
  raw.bufferLevel = input.I32();
  raw.useSmallerAsioBuffer = input.I32();
  CheckBufferSize(input.I32(), input.I32(), raw);
  CheckBars(raw);
  CheckBars(settings);
  PerformanceBarLengths(input.I32(), input.I32(), (input.Byte() & 1) != 0);
}

}  // namespace drvprop::fuzz
