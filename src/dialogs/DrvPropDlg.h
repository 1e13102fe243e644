// The main settings dialog: reads the driver's settings record once, lets the user change
// the buffer level and the two options, shows what they mean for the ASIO buffer size while
// polling the driver, and sends the record back on Apply and OK.
#pragma once

#include <windows.h>

#include <cstdint>

#include "driver/DrvPropIoctl.h"
#include "driver/UnitSlots.h"
#include "driver/Win32DeviceIo.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

class CDrvPropDlg : public CDialog {
 public:
  explicit CDrvPropDlg(CWnd* parent = nullptr);

  // Filled by start-up before DoModal; nothing changes them afterwards.
  drvprop::UnitSlots m_unitSlots{};

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  MessageResult OnMappedMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Message handlers.
  MessageResult OnPaint(WPARAM, LPARAM);
  MessageResult OnQueryDragIcon(WPARAM, LPARAM);
  MessageResult OnHScroll(WPARAM, LPARAM);
  MessageResult OnTimer(WPARAM, LPARAM);
  void OnBnClickedLightLoad();
  void OnBnClickedApply();
  void OnBnClickedSmallerAsio();
  void OnBnClickedReadme();

  void EnableApplyButton(bool enable);
  void StopPolling();
  void StopPollingAndEnd(int code);
  void ShowNoDeviceAndEnd();

  void UpdateVersionLabel();
  void UpdateCopyrightLabel();

  void SettingsToControls();
  void ControlsToSettings();
  void LayoutTickLabels();
  void CenterUnderTick(const CWnd& label, int tick);

  void QueryStreamState();
  void UpdateAsioBufferDisplay(int32_t unitCount, int32_t sampleRate);
  void SetTextIfChanged(int controlId, const drvprop::Text& text);

  void ApplySettings();

  static const MessageMapEntry<CDrvPropDlg> kMessageMap[];

  DRVPROP_SETTINGS m_settings{};  // the working copy; it never holds a status
  int m_lightLoad = 0;
  CButton m_btnApply;
  CSliderCtrl m_sliderBufSize;
  int m_useSmallerAsio = 0;
  CButton m_btnReadme;
  HICON m_hIcon;
  UINT_PTR m_pollTimerId = 0;  // 0 while no timer runs
  drvprop::Win32DeviceIo m_deviceIo;
};
