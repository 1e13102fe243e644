// The main dialog's ASIO buffer size line and performance bars, refreshed from the
// driver's stream state.
#include "dialogs/AsioBufferSize.h"
#include "dialogs/DrvPropDlg.h"
#include "dialogs/PerformanceBars.h"
#include "driver/StreamState.h"
#include "framework/CString.h"
#include "res/resource.h"

void CDrvPropDlg::QueryStreamState() {
  // With no answer the display keeps what it shows; the next tick asks again.
  const auto report = drvprop::QueryStreamState(m_deviceIo, m_unitSlots);
  if (report) UpdateAsioBufferDisplay(report->unitCount, report->sampleRate);
}

void CDrvPropDlg::UpdateAsioBufferDisplay(int32_t unitCount, int32_t sampleRate) {
  const int32_t size = drvprop::AsioBufferSize(unitCount, sampleRate, m_settings.bufferLevel,
                                               m_settings.useSmallerAsioBuffer != 0);
  CString sizeText;
  sizeText.Format(IDS_ASIO_BUF_FMT, static_cast<int>(size));
  SetTextIfChanged(IDC_STATIC_ASIO_BUF, sizeText.Str());

  const drvprop::BarLengths bars = drvprop::PerformanceBarLengths(
      m_sliderBufSize.GetRangeMax(), m_sliderBufSize.GetPos(), m_useSmallerAsio != 0);
  const drvprop::Text realTime = drvprop::BarText(bars.realTime);
  const drvprop::Text stability = drvprop::BarText(bars.stability);
  SetTextIfChanged(IDC_METER_REALTIME, realTime);
  SetTextIfChanged(IDC_METER_STABILITY, stability);
}

// The labels are refreshed on every poll; rewriting an unchanged text would repaint it
// each time, so only a different text is set.
void CDrvPropDlg::SetTextIfChanged(int controlId, const drvprop::Text& text) {
  if (GetDlgItemText(controlId) != text) SetDlgItemText(controlId, text.c_str());
}
