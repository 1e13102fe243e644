// The main dialog's lifecycle: start-up, the small handlers and the ways it ends.
#include "dialogs/DrvPropDlg.h"

#include "dialogs/DialogIcon.h"
#include "dialogs/DialogText.h"
#include "dialogs/DrvPropNoDevDlg.h"
#include "dialogs/ReadmeButton.h"
#include "driver/SettingsExchange.h"
#include "driver/UnitRequest.h"
#include "framework/ResourceStringSource.h"
#include "install/InstallLabels.h"
#include "install/Win32Registry.h"
#include "res/resource.h"
#include "text/Title.h"

namespace {

constexpr UINT_PTR IDT_STREAM_POLL = 1;
constexpr UINT kPollIntervalMs = 330;

struct ControlLabel {
  int controlId;
  UINT stringId;
};

// In call order. Five of these controls exist in no template and are skipped; the table
// still names them so that a template that has them gets them labelled.
constexpr ControlLabel kControlLabels[] = {
    {IDC_GRP_MIDI_IN_TYPE, IDS_GRP_MIDI_IN_TYPE},
    {IDC_BN_MIDI_IN_TYPE, IDS_BN_MIDI_IN_TYPE},
    {IDC_GRP_BUF_SIZE, IDS_GRP_BUF_SIZE},
    {IDC_ABB_MIN, IDS_ABB_MIN},
    {IDC_ABB_MAX, IDS_ABB_MAX},
    {IDC_GRP_PERFORMANCE, IDS_GRP_PERFORMANCE},
    {IDC_STATIC_REALTIME, IDS_STATIC_REALTIME},
    {IDC_STATIC_STABILITY, IDS_STATIC_STABILITY},
    {IDC_GRP_ASIO, IDS_GRP_ASIO},
    {IDC_BN_ASIO_MON, IDS_BN_ASIO_MON},
    {IDC_BN_ASIO_SMALLER, IDS_BN_ASIO_SMALLER},
    {IDC_STATIC_STEINBERG, IDS_STATIC_STEINBERG},
    {IDC_GRP_AUDIO_PORT, IDS_GRP_AUDIO_PORT},
    {IDC_BN_MULTI_WDM, IDS_BN_MULTI_WDM},
    {IDC_GRP_DIGITAL_OUT, IDS_GRP_DIGITAL_OUT},
    {IDC_BN_AC3, IDS_BN_AC3},
    {IDC_BN_README, IDS_README},
    {IDOK, IDS_OK},
    {IDCANCEL, IDS_CANCEL},
    {IDC_BN_APPLY, IDS_APPLY},
};

}  // namespace

// System commands are not listed: they go to the default handling unchanged.
const MessageMapEntry<CDrvPropDlg> CDrvPropDlg::kMessageMap[] = {
    OnMessage(WM_PAINT, &CDrvPropDlg::OnPaint),
    OnMessage(WM_QUERYDRAGICON, &CDrvPropDlg::OnQueryDragIcon),
    OnCommand(BN_CLICKED, IDC_BN_MIDI_IN_TYPE, &CDrvPropDlg::OnBnClickedLightLoad),
    OnCommand(BN_CLICKED, IDC_BN_APPLY, &CDrvPropDlg::OnBnClickedApply),
    OnCommand(BN_CLICKED, IDC_BN_ASIO_SMALLER, &CDrvPropDlg::OnBnClickedSmallerAsio),
    OnMessage(WM_HSCROLL, &CDrvPropDlg::OnHScroll),
    OnMessage(WM_TIMER, &CDrvPropDlg::OnTimer),
    OnCommand(BN_CLICKED, IDC_BN_README, &CDrvPropDlg::OnBnClickedReadme),
};

CDrvPropDlg::CDrvPropDlg(CWnd* parent)
    : CDialog(IDD_DRVPROP_DIALOG, parent), m_hIcon(LoadMainIcon()) {
  SetSettingsDefaults(m_settings);
}

MessageResult CDrvPropDlg::OnMappedMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return RouteMessage(*this, kMessageMap, message, wParam, lParam);
}

void CDrvPropDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Check(pDX, IDC_BN_MIDI_IN_TYPE, m_lightLoad);
  DDX_Control(pDX, IDC_BN_APPLY, m_btnApply);
  DDX_Control(pDX, IDC_SLIDER_BUF_SIZE, m_sliderBufSize);
  DDX_Check(pDX, IDC_BN_ASIO_SMALLER, m_useSmallerAsio);
  DDX_Control(pDX, IDC_BN_README, m_btnReadme);
}

BOOL CDrvPropDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowIcons(*this, m_hIcon);

  // No unit, no answer and a zero status look the same to the user; the settings dialog
  // then never becomes visible.
  if (drvprop::CountPresentUnits(m_deviceIo, m_unitSlots) == 0 ||
      !drvprop::LoadSettingsFromDriver(m_deviceIo, m_unitSlots, m_settings)) {
    ShowNoDeviceAndEnd();
    return TRUE;
  }

  SetWindowText(drvprop::LoadTitle(ResourceStringSource{}).c_str());
  UpdateVersionLabel();
  UpdateCopyrightLabel();
  for (const ControlLabel& label : kControlLabels) {
    SetDlgItemTextFromId(*this, label.controlId, label.stringId);
  }
  SettingsToControls();
  EnableApplyButton(false);
  m_btnReadme.EnableWindow(InstalledReadmeExists());
  QueryStreamState();
  LayoutTickLabels();
  // Without a timer the dialog still works; the display then follows only the user's moves.
  m_pollTimerId = SetTimer(IDT_STREAM_POLL, kPollIntervalMs);
  return TRUE;
}

void CDrvPropDlg::OnOK() {
  StopPolling();
  // Always sent, also with Apply disabled: OK promises the driver holds what is shown.
  ApplySettings();
  CDialog::OnOK();
}

void CDrvPropDlg::OnCancel() {
  StopPolling();
  CDialog::OnCancel();
}

void CDrvPropDlg::EnableApplyButton(bool enable) { m_btnApply.EnableWindow(enable); }

void CDrvPropDlg::StopPolling() {
  if (m_pollTimerId == 0) return;
  KillTimer(m_pollTimerId);
  m_pollTimerId = 0;
}

void CDrvPropDlg::StopPollingAndEnd(int code) {
  StopPolling();
  EndDialog(code);
}

void CDrvPropDlg::ShowNoDeviceAndEnd() {
  CDrvPropNoDevDlg noDevice;
  noDevice.DoModal();
  StopPollingAndEnd(IDCANCEL);
}

void CDrvPropDlg::UpdateVersionLabel() {
  drvprop::Win32Registry registry;
  const drvprop::Text text = drvprop::ReadVersionLabel(registry, ResourceStringSource{});
  SetDlgItemText(IDC_STATIC_VER, text.c_str());
}

void CDrvPropDlg::UpdateCopyrightLabel() {
  drvprop::Win32Registry registry;
  const auto text = drvprop::ReadCopyrightLabel(registry, ResourceStringSource{});
  if (text) SetDlgItemText(IDC_STATIC_COPYR, text->c_str());
}

void CDrvPropDlg::OnBnClickedLightLoad() { EnableApplyButton(true); }

void CDrvPropDlg::OnBnClickedSmallerAsio() {
  EnableApplyButton(true);
  UpdateData(true);
  m_settings.useSmallerAsioBuffer = m_useSmallerAsio;
  QueryStreamState();
}

void CDrvPropDlg::OnBnClickedReadme() { OpenInstalledReadme(); }

MessageResult CDrvPropDlg::OnTimer(WPARAM, LPARAM) {
  // Every tick polls, whatever its id.
  QueryStreamState();
  return std::nullopt;
}

MessageResult CDrvPropDlg::OnPaint(WPARAM, LPARAM) {
  if (!IsIconic()) return std::nullopt;
  PAINTSTRUCT paint;
  const HDC dc = ::BeginPaint(m_hWnd, &paint);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
  const int iconWidth = ::GetSystemMetrics(SM_CXICON);
  const int iconHeight = ::GetSystemMetrics(SM_CYICON);
  RECT client{};
  GetClientRect(&client);
  const int x = (client.right - client.left - iconWidth + 1) / 2;
  const int y = (client.bottom - client.top - iconHeight + 1) / 2;
  ::DrawIcon(dc, x, y, m_hIcon);
  ::EndPaint(m_hWnd, &paint);
  return 0;
}

MessageResult CDrvPropDlg::OnQueryDragIcon(WPARAM, LPARAM) {
  return reinterpret_cast<LRESULT>(m_hIcon);
}
