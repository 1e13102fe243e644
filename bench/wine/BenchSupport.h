// What the Wine benchmarks share: a high-resolution stopwatch, order statistics of a run of
// timings, the rows they print for bench/wine/run-bench, and putting the substitute
// driver's units back to their load state.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace drvprop::winebench {

class Stopwatch {
 public:
  Stopwatch() { Restart(); }
  void Restart() { QueryPerformanceCounter(&start_); }
  double ElapsedMs() const;

 private:
  LARGE_INTEGER start_{};
};

// Medians and the 90th percentile rather than means: on a shared machine one descheduled
// run would drag a mean far more than it moves these.
struct Spread {
  double median = 0;
  double p90 = 0;
};
// Nearest rank; an empty run gives zeros.
Spread SpreadOf(std::vector<double> samples);

// One figure as `row<TAB>name<TAB>value<TAB>unit<TAB>note`, the line run-bench tabulates.
void PrintRow(const std::string& name, double value, const char* unit, const std::string& note);

// Every unit of the substitute driver back to its load state (unit 1 plugged), log cleared.
// False when the driver's control device does not answer: the bed is not up.
bool ResetUnits();

// A program path from the command line; a Unix path is reached through Wine's drive Z:.
std::wstring ProgramPath(const char* argument);

}  // namespace drvprop::winebench
