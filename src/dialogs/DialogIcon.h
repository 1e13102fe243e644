// The icon both dialogs show. It is a shared resource handle: loaded by each dialog and
// never destroyed.
#pragma once

#include <windows.h>

#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "res/resource.h"

inline HICON LoadMainIcon() {
  return ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

// One handle serves as the large and the small window icon.
inline void SetWindowIcons(const CWnd& window, HICON icon) {
  window.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  window.SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}
