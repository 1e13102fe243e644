// The buffer level slider of the main dialog: moving the record in and out of the
// controls, the slider's notifications and the labels under its ticks.
#include "dialogs/BufferLevel.h"
#include "dialogs/DrvPropDlg.h"
#include "res/resource.h"

namespace {

// The number labels, one per slider position, ended by 0; a label past the range is hidden.
constexpr int kTickLabelIds[] = {IDC_TICK_1, IDC_TICK_2,  IDC_TICK_3,  IDC_TICK_4,
                                 IDC_TICK_5, IDC_TICK_6,  IDC_TICK_7,  IDC_TICK_8,
                                 IDC_TICK_9, IDC_TICK_10, IDC_TICK_11, 0};

// The marker stands under the default level.
constexpr int kMarkerTick = 5;

}  // namespace

void CDrvPropDlg::SettingsToControls() {
  m_useSmallerAsio = m_settings.useSmallerAsioBuffer != 0 ? 1 : 0;
  drvprop::ClampBoundedValues(m_settings);
  m_sliderBufSize.SetRange(0, drvprop::kMaxBufferLevel, true);
  m_sliderBufSize.SetPos(m_settings.bufferLevel);
  m_lightLoad = m_settings.midiInLightLoad;
  UpdateData(false);
}

void CDrvPropDlg::ControlsToSettings() {
  UpdateData(true);
  m_settings.useSmallerAsioBuffer = m_useSmallerAsio;
  m_settings.bufferLevel = drvprop::ClampLevel(m_sliderBufSize.GetPos());
  drvprop::ClampBoundedValues(m_settings);
  m_settings.midiInLightLoad = m_lightLoad;
}

MessageResult CDrvPropDlg::OnHScroll(WPARAM, LPARAM) {
  // Every notification counts, also one that leaves the position where it was.
  m_settings.bufferLevel = drvprop::ClampLevel(m_sliderBufSize.GetPos());
  QueryStreamState();
  EnableApplyButton(true);
  return 0;
}

void CDrvPropDlg::LayoutTickLabels() {
  m_sliderBufSize.ClearTics(false);
  for (int position = 0; position <= m_sliderBufSize.GetRangeMax(); ++position) {
    m_sliderBufSize.SetTic(position);
  }
  for (int tick = 0; kTickLabelIds[tick] != 0; ++tick) {
    const CWnd label = GetDlgItem(kTickLabelIds[tick]);
    if (label.GetSafeHwnd() != nullptr) {
      if (tick > m_sliderBufSize.GetRangeMax()) {
        label.ShowWindow(SW_HIDE);
      } else {
        CenterUnderTick(label, tick);
      }
    }
  }
  CenterUnderTick(GetDlgItem(IDC_TICK_MARK), kMarkerTick);
}

// Moves `label` so that it is centred on the slider's tick `tick`, keeping its height,
// size and text; it also goes to the top of its siblings.
void CDrvPropDlg::CenterUnderTick(const CWnd& label, int tick) {
  POINT tickPoint{m_sliderBufSize.GetTicPos(tick), 0};
  m_sliderBufSize.ClientToScreen(&tickPoint);
  RECT rect{};
  label.GetWindowRect(&rect);
  const LONG width = rect.right - rect.left;
  rect.left = tickPoint.x - width / 2;
  rect.right = rect.left + width;
  ScreenToClient(&rect);
  label.SetWindowPos(HWND_TOP, rect.left, rect.top, 0, 0, SWP_NOSIZE);
}
