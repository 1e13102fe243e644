// Time from CreateProcessW to a visible dialog: the panel's settings dialog beside the
// floor program's one dialog, launched in turn so that drift on a shared machine touches
// both alike. Each run ends its program (Cancel) and waits for the process to go before
// the next, since the panel admits one copy at a time.
//
//   drvprop_wine_launch_bench PANEL_EXE FLOOR_EXE [RUNS]     Unix or Windows paths; RUNS default 10
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchSupport.h"
#include "floor/FloorResource.h"
#include "harness/DialogAutomation.h"
#include "harness/HarnessText.h"
#include "harness/Processes.h"
#include "res/resource.h"

namespace drvprop::winebench {
namespace {

constexpr int kDefaultRuns = 10;
constexpr DWORD kVisibleTimeoutMs = 15000;
constexpr DWORD kEndTimeoutMs = 5000;

struct Program {
  std::wstring exe;
  std::wstring caption;
  int control;  // a control its dialog must have, so a half-built dialog does not count
  std::vector<double> launchMs;
};

// Milliseconds until the program shows its dialog; negative when it never does.
double LaunchOnce(const Program& program) {
  e2e::UniqueHandle process;
  const Stopwatch watch;
  if (!e2e::StartProcess(L"\"" + program.exe + L"\"", process)) return -1;
  e2e::DialogQuery query;
  query.caption = program.caption;
  query.withControl = program.control;
  query.processId = GetProcessId(process.get());
  double shownAfter = -1;
  for (;;) {
    const std::vector<HWND> dialogs = e2e::FindDialogs(query);
    if (!dialogs.empty()) {
      shownAfter = watch.ElapsedMs();
      PostMessageW(dialogs.front(), WM_COMMAND, IDCANCEL, 0);
      break;
    }
    if (watch.ElapsedMs() > kVisibleTimeoutMs) break;
    Sleep(1);
  }
  if (!e2e::WaitForProcessEnd(process.get(), kEndTimeoutMs)) {
    TerminateProcess(process.get(), 1);
    e2e::WaitForProcessEnd(process.get(), kEndTimeoutMs);
  }
  return shownAfter;
}

}  // namespace
}  // namespace drvprop::winebench

int main(int argc, char** argv) {
  using namespace drvprop::winebench;
  namespace e2e = drvprop::e2e;
  if (argc < 3) {
    std::fprintf(stderr, "usage: drvprop_wine_launch_bench PANEL_EXE FLOOR_EXE [RUNS]\n");
    return 2;
  }
  const int runs = argc > 3 ? std::atoi(argv[3]) : kDefaultRuns;
  if (runs <= 0 || !ResetUnits()) {
    std::fprintf(stderr, "the substitute driver does not answer (or RUNS is not positive)\n");
    return 1;
  }
  Program panel{ProgramPath(argv[1]), L"Talvex Driver Settings", IDC_SLIDER_BUF_SIZE, {}};
  Program floor{ProgramPath(argv[2]), e2e::Widen(FLOOR_CAPTION), IDOK, {}};

  // One launch of each first, not counted: it pages both images in.
  LaunchOnce(floor);
  LaunchOnce(panel);
  for (int i = 0; i < runs; ++i) {
    for (Program* program : {&floor, &panel}) {
      const double ms = LaunchOnce(*program);
      if (ms < 0) {
        std::fprintf(stderr, "%s showed no dialog\n", e2e::Narrow(program->exe).c_str());
        return 1;
      }
      program->launchMs.push_back(ms);
    }
  }
  const Spread panelSpread = SpreadOf(panel.launchMs);
  const Spread floorSpread = SpreadOf(floor.launchMs);
  const auto note = [runs](const Spread& s) {
    return "p90 " + std::to_string(static_cast<int>(s.p90 + 0.5)) + " ms, median of " +
           std::to_string(runs);
  };
  PrintRow("launch_to_dialog_panel", panelSpread.median, "ms", note(panelSpread));
  PrintRow("launch_to_dialog_floor", floorSpread.median, "ms", note(floorSpread));
  PrintRow("launch_ratio_panel_to_floor", panelSpread.median / floorSpread.median, "x", "medians");
  return 0;
}
