// The ASIO buffer size, in samples, that the driver will use for a sample rate, a number of
// units and the record's buffer settings. The panel shows it before anything is applied,
// so it must agree with the driver's own rule.
#pragma once

#include <cstdint>

namespace drvprop {

// Every size the driver uses is a whole number of these.
inline constexpr int32_t kAsioSizeQuantum = 16;

// The base comes from the sample rate's band (rates of 0 and below fall in the lowest);
// `smaller` is the record's "smaller ASIO buffer" option. The base is scaled by the level's
// multiplier (`bufferLevel` is clamped to the slider's range first) and by the unit count's
// factor, then rounded up to the quantum. Unit counts outside 0..4 are left unscaled and
// unrounded, as the driver does.
int32_t AsioBufferSize(int32_t unitCount, int32_t sampleRate, int32_t bufferLevel, bool smaller);

}  // namespace drvprop
