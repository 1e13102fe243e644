// The dialog that replaces the settings when no unit of the device can be reached: it
// asks the user to connect the device and start again, and offers the README.
#pragma once

#include <windows.h>

#include "framework/Dialog.h"

class CDrvPropNoDevDlg : public CDialog {
 public:
  explicit CDrvPropNoDevDlg(CWnd* parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  MessageResult OnMappedMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnBnClickedReadme();

  static const MessageMapEntry<CDrvPropNoDevDlg> kMessageMap[];

  HICON m_hIcon;
};
