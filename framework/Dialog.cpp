#include "framework/Dialog.h"

#include "framework/WinApp.h"

namespace {

// With no parent given, a dialog belongs to the window the user is working in, so that
// it stays in front of it and keeps it disabled while it runs.
HWND DefaultOwner() { return ::GetActiveWindow(); }

// Templates place dialogs at (0, 0); one that its initialisation did not move opens centred
// over its visible owner, or else on the work area of its monitor, as users expect.
void CentreUnmovedDialog(HWND dialog, const RECT& before) {
  RECT now{};
  ::GetWindowRect(dialog, &now);
  if (now.left != before.left || now.top != before.top) return;
  RECT area{};
  const HWND owner = ::GetWindow(dialog, GW_OWNER);
  if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
    ::GetWindowRect(owner, &area);
  } else {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
    area = monitor.rcWork;
  }
  const int x = area.left + ((area.right - area.left) - (now.right - now.left)) / 2;
  const int y = area.top + ((area.bottom - area.top) - (now.bottom - now.top)) / 2;
  ::SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

INT_PTR CDialog::DoModal() {
  const HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : DefaultOwner();
  return ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_templateId), owner,
                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::UpdateData(bool saveAndValidate) {
  CDataExchange exchange{this, saveAndValidate};
  DoDataExchange(&exchange);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void CDialog::OnOK() {
  UpdateData(true);
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

MessageResult CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (MessageResult mapped = OnMappedMessage(message, wParam, lParam)) return mapped;
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    switch (LOWORD(wParam)) {
      case IDOK:
        OnOK();
        return 0;
      case IDCANCEL:
        OnCancel();
        return 0;
    }
  }
  return std::nullopt;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CDialog*>(lParam);
    ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    self->m_hWnd = hwnd;
    RECT before{};
    ::GetWindowRect(hwnd, &before);
    const BOOL result = self->OnInitDialog();
    CentreUnmovedDialog(hwnd, before);
    return result;
  }
  // Before WM_INITDIALOG (WM_SETFONT) there is no object yet.
  auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    self->m_hWnd = nullptr;
    return FALSE;
  }
  const MessageResult result = self->HandleMessage(message, wParam, lParam);
  if (!result) return FALSE;
  // The one message of ours whose result the dialog procedure returns instead of storing.
  if (message == WM_QUERYDRAGICON) return static_cast<INT_PTR>(*result);
  ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, *result);
  return TRUE;
}
