#include "dialogs/DrvPropNoDevDlg.h"

#include "dialogs/DialogIcon.h"
#include "dialogs/DialogText.h"
#include "dialogs/ReadmeButton.h"
#include "framework/ResourceStringSource.h"
#include "res/resource.h"
#include "text/Title.h"

const MessageMapEntry<CDrvPropNoDevDlg> CDrvPropNoDevDlg::kMessageMap[] = {
    OnCommand(BN_CLICKED, IDC_BN_README, &CDrvPropNoDevDlg::OnBnClickedReadme),
};

CDrvPropNoDevDlg::CDrvPropNoDevDlg(CWnd* parent)
    : CDialog(IDD_DRVPROP_NODEV, parent), m_hIcon(LoadMainIcon()) {}

BOOL CDrvPropNoDevDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // Closing this dialog ends the panel, so it offers only OK: no system menu, no close box.
  ModifyStyle(WS_SYSMENU, 0);
  SetWindowIcons(*this, m_hIcon);
  SetWindowText(drvprop::LoadTitle(ResourceStringSource{}).c_str());

  SetDlgItemTextFromId(*this, IDC_STATIC_NODEV_MSG, IDS_MSG_NODEV);
  if (const CWnd readme = GetDlgItem(IDC_BN_README); readme.GetSafeHwnd() != nullptr) {
    SetDlgItemTextFromId(*this, IDC_BN_README, IDS_README);
    readme.EnableWindow(InstalledReadmeExists());
  }
  SetDlgItemTextFromId(*this, IDOK, IDS_OK);
  return TRUE;
}

MessageResult CDrvPropNoDevDlg::OnMappedMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return RouteMessage(*this, kMessageMap, message, wParam, lParam);
}

void CDrvPropNoDevDlg::OnBnClickedReadme() { OpenInstalledReadme(); }
