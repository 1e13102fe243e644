// A window handle with the calls the dialogs make on it. It owns nothing: copying it
// copies the handle, and the window's life is the system's affair.
#pragma once

#include <windows.h>

#include "text/TextChar.h"

class CWnd {
 public:
  CWnd() = default;
  explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}

  HWND GetSafeHwnd() const { return m_hWnd; }
  void Attach(HWND hwnd) { m_hWnd = hwnd; }

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
  }

  CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(m_hWnd, id)); }
  void SetDlgItemText(int id, LPCWSTR text) const { ::SetDlgItemTextW(m_hWnd, id, text); }
  drvprop::Text GetDlgItemText(int id) const { return GetDlgItem(id).GetWindowText(); }

  drvprop::Text GetWindowText() const {
    drvprop::Text text(static_cast<size_t>(::GetWindowTextLengthW(m_hWnd)), L'\0');
    // The length is an upper bound; the copy says how much there really is.
    const int copied = ::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()) + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
  }
  void SetWindowText(LPCWSTR text) const { ::SetWindowTextW(m_hWnd, text); }

  void EnableWindow(bool enable) const { ::EnableWindow(m_hWnd, enable ? TRUE : FALSE); }
  void ShowWindow(int command) const { ::ShowWindow(m_hWnd, command); }
  bool IsIconic() const { return ::IsIconic(m_hWnd) != FALSE; }

  // Changes the style bits only; like the flags argument 0, no frame update follows.
  void ModifyStyle(DWORD remove, DWORD add) const {
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>((style & ~remove) | add));
  }

  UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs) const {
    return ::SetTimer(m_hWnd, id, elapseMs, nullptr);
  }
  void KillTimer(UINT_PTR id) const { ::KillTimer(m_hWnd, id); }

  void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
  void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
  void ClientToScreen(POINT* point) const { ::ClientToScreen(m_hWnd, point); }
  void ScreenToClient(RECT* rect) const {
    POINT topLeft{rect->left, rect->top};
    POINT bottomRight{rect->right, rect->bottom};
    ::ScreenToClient(m_hWnd, &topLeft);
    ::ScreenToClient(m_hWnd, &bottomRight);
    *rect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  }
  void SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) const {
    ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
  }

  HWND m_hWnd = nullptr;
};
