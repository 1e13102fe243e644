#include "app/InstanceGuard.h"

#include <cwchar>

#include "framework/WinApp.h"

drvprop::Text MakeInstanceMutexName() {
  drvprop::Text name = kInstanceMutexPrefix;
  name += L'.';
  name += AfxGetAppName();
  return name;
}

BOOL CALLBACK ActivateRunningInstanceProc(HWND window, LPARAM title) {
  const auto* wanted = reinterpret_cast<const wchar_t*>(title);
  wchar_t text[520] = {};
  ::GetWindowTextW(window, text, 515);
  if (std::wcsncmp(wanted, text, std::wcslen(wanted)) != 0) return TRUE;
  ::ShowWindow(window, SW_SHOW);  // a minimised copy stays minimised
  ::BringWindowToTop(window);
  ::SetForegroundWindow(window);
  return FALSE;
}
