// The open panel left alone: counts its label rewrites while it polls, so that
// bench/wine/run-bench can take the CPU time of the same stretch from /proc.
//
//   drvprop_wine_idle_watch PANEL_EXE SECONDS      PANEL_EXE a Unix or Windows path
//
// Prints "watching" once the settings dialog is visible and the counter runs, then after
// SECONDS the rewrites seen while idle, then the rewrites of one slider move: a counter
// that sees nothing there is broken, and its zero for the idle stretch would mean nothing.
// The counter is the hook DLL of hook/, which sees every WM_SETTEXT the dialog and its
// controls receive, whether or not the text differs.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchSupport.h"
#include "harness/DialogAutomation.h"
#include "harness/Processes.h"
#include "hook/RewriteCounter.h"
#include "res/resource.h"

namespace drvprop::winebench {
namespace {

constexpr DWORD kSettleMs = 1000;
constexpr DWORD kEndTimeoutMs = 5000;
constexpr wchar_t kHookDll[] = L"drvprop_rewrite_counter.dll";
// 5 -> 8 changes the buffer size line and moves three letters between the two bars.
constexpr int kCheckLevel = 8;
constexpr int kLabelsOneMoveRewrites = 3;

// The hook DLL sits next to this program.
std::wstring HookDllPath() {
  wchar_t self[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self, n);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + kHookDll;
}

// Sets every count to zero and returns what they were: total and per control.
std::pair<int, std::string> TakeCounts(RewriteCounts& counts) {
  int total = 0;
  std::string byControl;
  for (int id = 0; id < kCountedControlIds; ++id) {
    const LONG n = InterlockedExchange(&counts.byControl[id], 0);
    if (n == 0) continue;
    total += n;
    byControl += (byControl.empty() ? "" : ", ") + std::string(id == 0 ? "caption" : "control ") +
                 (id == 0 ? "" : std::to_string(id)) + ": " + std::to_string(n);
  }
  return {total, byControl.empty() ? "none" : byControl};
}

// A hook of another thread is called from that thread; the hooking thread only keeps its
// own queue moving, as the window manager expects of it.
void PumpFor(DWORD ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
}

int Fail(const char* what) {
  std::fprintf(stderr, "%s (error %lu)\n", what, GetLastError());
  return 1;
}

int Watch(const std::wstring& panelExe, int seconds) {
  if (!ResetUnits()) return Fail("the substitute driver does not answer; is the bed up?");
  e2e::UniqueHandle mapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                               sizeof(RewriteCounts), kRewriteCounterMapping));
  if (!mapping) return Fail("cannot create the counter's mapping");
  auto* counts = static_cast<RewriteCounts*>(
      MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, sizeof(RewriteCounts)));
  // The DLL maps the counter when it is loaded, so the mapping must exist first.
  const HMODULE dll = LoadLibraryW(HookDllPath().c_str());
  const auto hookProc = dll != nullptr ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(
                                             GetProcAddress(dll, kRewriteCounterHook)))
                                       : nullptr;
  if (counts == nullptr || hookProc == nullptr) return Fail("cannot load the counter's hook");

  e2e::UniqueHandle panel;
  if (!e2e::StartProcess(L"\"" + panelExe + L"\"", panel)) return Fail("cannot start the panel");
  e2e::DialogQuery query;
  query.caption = L"Talvex Driver Settings";
  query.withControl = IDC_SLIDER_BUF_SIZE;
  query.processId = GetProcessId(panel.get());
  const HWND dialog = e2e::WaitForDialog(query);
  if (dialog == nullptr) return Fail("the panel showed no settings dialog");
  counts->dialog = dialog;
  const HHOOK hook =
      SetWindowsHookExW(WH_CALLWNDPROC, hookProc, dll, GetWindowThreadProcessId(dialog, nullptr));
  if (hook == nullptr) return Fail("SetWindowsHookExW failed");
  // The first messages after the hook is set load the DLL into the panel; what the
  // dialog did while opening is not idle work and is not counted.
  PumpFor(kSettleMs);
  TakeCounts(*counts);
  std::printf("watching\n");
  std::fflush(stdout);

  PumpFor(static_cast<DWORD>(seconds) * 1000);
  const auto [idle, idleDetail] = TakeCounts(*counts);
  PrintRow("idle_label_rewrites", idle, "",
           "over " + std::to_string(seconds) + " s of polling every 330 ms; " + idleDetail);

  e2e::MoveSlider(dialog, IDC_SLIDER_BUF_SIZE, kCheckLevel);
  PumpFor(kSettleMs);
  const auto [moved, movedDetail] = TakeCounts(*counts);
  PrintRow(
      "slider_move_label_rewrites", moved, "",
      "counter check, expected " + std::to_string(kLabelsOneMoveRewrites) + "; " + movedDetail);
  UnhookWindowsHookEx(hook);

  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  if (!e2e::WaitForProcessEnd(panel.get(), kEndTimeoutMs)) TerminateProcess(panel.get(), 1);
  ResetUnits();
  if (moved != kLabelsOneMoveRewrites) {
    std::fprintf(stderr, "the counter saw %d rewrites for one slider move, not %d\n", moved,
                 kLabelsOneMoveRewrites);
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace drvprop::winebench

int main(int argc, char** argv) {
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 0;
  if (seconds <= 0) {
    std::fprintf(stderr, "usage: drvprop_wine_idle_watch PANEL_EXE SECONDS\n");
    return 2;
  }
  return drvprop::winebench::Watch(drvprop::winebench::ProgramPath(argv[1]), seconds);
}
