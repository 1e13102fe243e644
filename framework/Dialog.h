// A modal dialog from a template of the executable's resources. Derived classes override
// the virtual steps and route further messages through their own message map.
#pragma once

#include <windows.h>

#include "framework/DataExchange.h"
#include "framework/MessageMap.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr)
      : m_templateId(templateId), m_pParentWnd(parent) {}
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Runs the dialog until EndDialog; returns its code, or -1 when it cannot be created.
  INT_PTR DoModal();
  void EndDialog(int result) const { ::EndDialog(m_hWnd, result); }

  // true: controls to members; false: members to controls.
  void UpdateData(bool saveAndValidate = true);

  // Moves the keyboard focus the way the dialog's own navigation does, so that the default
  // button follows it.
  void GotoDlgCtrl(const CWnd& control) const {
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control.GetSafeHwnd()), TRUE);
  }

 protected:
  virtual void DoDataExchange(CDataExchange*) {}
  // Fills the controls from the members; TRUE lets the system set the focus.
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  // A derived class's message map, consulted before OK and Cancel are handled here.
  virtual MessageResult OnMappedMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  MessageResult HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  UINT m_templateId;
  CWnd* m_pParentWnd;
};
