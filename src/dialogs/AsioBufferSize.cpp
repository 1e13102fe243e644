#include "dialogs/AsioBufferSize.h"

#include <array>
#include <limits>

#include "dialogs/BufferLevel.h"

namespace drvprop {
namespace {

struct RateBand {
  int32_t maxRate;
  int32_t normal;
  int32_t smaller;
};

constexpr std::array<RateBand, 5> kRateBands = {{
    {44100, 144, 96},
    {48000, 160, 112},
    {88200, 288, 208},
    {96000, 320, 224},
    {192000, 672, 464},
}};

// Above the last band the driver asks for 3.4 ms (2.4 ms when smaller) of samples, in
// units of 1/10000 s rounded up.
constexpr int32_t kHighRateFactor = 34;
constexpr int32_t kHighRateFactorSmaller = 24;

constexpr int64_t RoundUpToQuantum(int64_t samples) {
  return (samples + kAsioSizeQuantum - 1) / kAsioSizeQuantum * kAsioSizeQuantum;
}

// Factor times rate passes INT32_MAX from about 63 MHz on, so that one product is taken in
// 64 bits; the size then keeps growing with the rate instead of wrapping to a negative one.
constexpr int64_t BaseSamples(int32_t sampleRate, bool smaller) {
  for (const RateBand& band : kRateBands) {
    if (sampleRate <= band.maxRate) return smaller ? band.smaller : band.normal;
  }
  const int64_t factor = smaller ? kHighRateFactorSmaller : kHighRateFactor;
  return RoundUpToQuantum((factor * sampleRate + 9999) / 10000);
}

// Halves of the size per unit count 0..4: two units ask for 3/2 of one unit's size.
constexpr std::array<int64_t, 5> kUnitHalves = {2, 2, 3, 4, 5};

constexpr int64_t BufferSize(int32_t unitCount, int32_t sampleRate, int32_t bufferLevel,
                             bool smaller) {
  int64_t size = BaseSamples(sampleRate, smaller) * kLevelMultiplier[ClampLevel(bufferLevel)];
  if (unitCount >= 0 && unitCount < static_cast<int32_t>(kUnitHalves.size())) {
    size = RoundUpToQuantum(size * kUnitHalves[unitCount] / 2);
  }
  return size;
}

// Every factor grows with its input, so the largest size of all comes from the highest rate
// at the highest level with four units; it still fits the driver's 32-bit word, so no input
// needs saturating.
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
static_assert(BufferSize(4, kInt32Max, kMaxBufferLevel, false) == 109521840);
static_assert(BufferSize(4, kInt32Max, kMaxBufferLevel, false) <= kInt32Max);

}  // namespace

int32_t AsioBufferSize(int32_t unitCount, int32_t sampleRate, int32_t bufferLevel, bool smaller) {
  return static_cast<int32_t>(BufferSize(unitCount, sampleRate, bufferLevel, smaller));
}

}  // namespace drvprop
