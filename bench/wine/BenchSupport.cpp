#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>

#include "harness/DriverControl.h"
#include "harness/HarnessText.h"

namespace drvprop::winebench {

double Stopwatch::ElapsedMs() const {
  LARGE_INTEGER now{};
  LARGE_INTEGER frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

Spread SpreadOf(std::vector<double> samples) {
  if (samples.empty()) return {};
  std::sort(samples.begin(), samples.end());
  const auto rank = [&](double q) {
    return samples[static_cast<size_t>(q * static_cast<double>(samples.size() - 1) + 0.5)];
  };
  return {rank(0.5), rank(0.9)};
}

void PrintRow(const std::string& name, double value, const char* unit, const std::string& note) {
  std::printf("row\t%s\t%.3f\t%s\t%s\n", name.c_str(), value, unit, note.c_str());
  std::fflush(stdout);
}

bool ResetUnits() { return e2e::DriverCommand(qxdv::kOpReset, 1); }

std::wstring ProgramPath(const char* argument) {
  return argument[0] == '/' ? e2e::UnixToWindowsPath(argument) : e2e::Widen(argument);
}

}  // namespace drvprop::winebench
