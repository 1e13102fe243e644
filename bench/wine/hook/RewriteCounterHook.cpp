// The hook DLL: runs inside the panel's process and only counts, so it cannot change what
// it measures beyond one comparison per sent message.
#include "RewriteCounter.h"

namespace {

using drvprop::winebench::RewriteCounts;

HANDLE g_mapping = nullptr;
RewriteCounts* g_counts = nullptr;

int CountedId(HWND window) {
  if (window == g_counts->dialog) return 0;
  if (GetParent(window) != g_counts->dialog) return -1;
  const int id = GetDlgCtrlID(window);
  return id > 0 && id < drvprop::winebench::kCountedControlIds ? id : -1;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    CountRewrites(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && g_counts != nullptr) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent->message == WM_SETTEXT) {
      const int id = CountedId(sent->hwnd);
      if (id >= 0) InterlockedIncrement(&g_counts->byControl[id]);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, drvprop::winebench::kRewriteCounterMapping);
    if (g_mapping != nullptr) {
      g_counts = static_cast<RewriteCounts*>(
          MapViewOfFile(g_mapping, FILE_MAP_WRITE, 0, 0, sizeof(RewriteCounts)));
    }
  } else if (reason == DLL_PROCESS_DETACH) {
    if (g_counts != nullptr) UnmapViewOfFile(g_counts);
    if (g_mapping != nullptr) CloseHandle(g_mapping);
  }
  return TRUE;
}
