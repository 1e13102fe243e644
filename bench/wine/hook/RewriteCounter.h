// Counting the label rewrites of another process: a WH_CALLWNDPROC hook in a DLL that the
// window manager loads into the panel's process, counting into a named shared mapping
// that the watcher reads. Wine delivers no WinEvents (EVENT_OBJECT_NAMECHANGE) across
// processes, so watching from outside alone sees nothing there.
#pragma once

#include <windows.h>

namespace drvprop::winebench {

inline constexpr wchar_t kRewriteCounterMapping[] = L"DrvPropBenchRewriteCounter";
inline constexpr char kRewriteCounterHook[] = "CountRewrites";
inline constexpr int kCountedControlIds = 2048;

// The watcher creates it and names the dialog before it sets the hook.
struct RewriteCounts {
  HWND dialog;
  // WM_SETTEXT seen by the dialog (entry 0) and by its controls, by control id.
  volatile LONG byControl[kCountedControlIds];
};

}  // namespace drvprop::winebench
