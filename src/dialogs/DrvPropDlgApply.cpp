// Apply and OK: the record goes to every unit, and the driver's folded answer becomes
// silence, one retry or one message.
#include "dialogs/DrvPropDlg.h"
#include "driver/SettingsExchange.h"
#include "driver/UnitRequest.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

namespace {

// A unit busy with another application often lets go within this time.
constexpr DWORD kRetryDelayMs = 100;

}  // namespace

void CDrvPropDlg::ApplySettings() {
  ControlsToSettings();
  DRVPROP_SETTINGS_IO request{};
  request.settings = m_settings;
  if (!drvprop::WriteSettings(m_deviceIo, m_unitSlots, request)) {
    ShowNoDeviceAndEnd();
    return;
  }
  if (request.status == drvprop::kSetStatusPowerCycle) {
    AfxMessageBox(IDS_CONF_MIDI, MB_OK);
    return;
  }
  if (request.status != drvprop::kSetStatusInUse) return;

  // One retry; its status word still holds the first attempt's 1 on the way in.
  ::Sleep(kRetryDelayMs);
  request.settings = m_settings;
  if (!drvprop::WriteSettings(m_deviceIo, m_unitSlots, request)) {
    ShowNoDeviceAndEnd();
    return;
  }
  if (request.status == drvprop::kSetStatusInUse) AfxMessageBox(IDS_CONF_WAVE, MB_OK);
}

void CDrvPropDlg::OnBnClickedApply() {
  if (drvprop::CountPresentUnits(m_deviceIo, m_unitSlots) == 0) {
    ShowNoDeviceAndEnd();
    return;
  }
  EnableApplyButton(false);
  // The Apply button may hold the focus it is losing; OK takes it, as the dialog's own
  // keyboard navigation would move it.
  GotoDlgCtrl(GetDlgItem(IDOK));
  ApplySettings();
}
