// What the user's changes do before anything is sent: the display follows the slider and
// the smaller-buffer box at once, and every change enables Apply.
#include "harness/PanelTest.h"

#include <commctrl.h>

#include "res/resource.h"

namespace drvprop::e2e {
namespace {

class ControlsTest : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    panel_ = StartPanel();
    dialog_ = WaitForMainDialog(*panel_);
    ASSERT_NE(dialog_, nullptr);
  }

  // Apply with every unit answering 0 shows nothing and leaves Apply disabled again.
  void ApplyQuietly() {
    Click(dialog_, IDC_BN_APPLY);
    ASSERT_FALSE(ControlEnabled(dialog_, IDC_BN_APPLY));
  }

  void ExpectDisplay(const wchar_t* asioLine, int realTime, int stability) {
    EXPECT_EQ(ControlText(dialog_, IDC_STATIC_ASIO_BUF), asioLine);
    EXPECT_EQ(ControlText(dialog_, IDC_METER_REALTIME), std::wstring(realTime, L'O'));
    EXPECT_EQ(ControlText(dialog_, IDC_METER_STABILITY), std::wstring(stability, L'O'));
  }

  std::optional<Panel> panel_;
  HWND dialog_ = nullptr;
};

TEST_F(ControlsTest, EverySliderNotificationRefreshesTheDisplayAndEnablesApply) {
  const struct {
    int position;
    WORD code;
    const wchar_t* asioLine;  // 48000 Hz, one unit, normal buffers
  } moves[] = {
      {5, TB_ENDTRACK, L"ASIO Buffer Size:  320 samples"},  // no move at all still counts
      {0, SB_THUMBTRACK, L"ASIO Buffer Size:  160 samples"},
      {9, SB_THUMBPOSITION, L"ASIO Buffer Size:  960 samples"},
      {7, SB_PAGEUP, L"ASIO Buffer Size:  640 samples"},
      {4, SB_LINEUP, L"ASIO Buffer Size:  320 samples"},
  };
  for (const auto& move : moves) {
    SCOPED_TRACE(testing::Message() << "position " << move.position << " code " << move.code);
    ApplyQuietly();
    MoveSlider(dialog_, IDC_SLIDER_BUF_SIZE, move.position, move.code);
    EXPECT_TRUE(ControlEnabled(dialog_, IDC_BN_APPLY));
    ExpectDisplay(move.asioLine, 10 - move.position, move.position + 2);
  }
}

TEST_F(ControlsTest, SmallerBufferClickUpdatesTheDisplayAtOnce) {
  Click(dialog_, IDC_BN_ASIO_SMALLER);
  EXPECT_TRUE(ControlChecked(dialog_, IDC_BN_ASIO_SMALLER));
  EXPECT_TRUE(ControlEnabled(dialog_, IDC_BN_APPLY));
  ExpectDisplay(L"ASIO Buffer Size:  224 samples", 6, 6);

  Click(dialog_, IDC_BN_ASIO_SMALLER);
  EXPECT_TRUE(ControlEnabled(dialog_, IDC_BN_APPLY)) << "back to the start is still a change";
  ExpectDisplay(L"ASIO Buffer Size:  320 samples", 5, 7);
}

TEST_F(ControlsTest, LightLoadClickOnlyEnablesApply) {
  Click(dialog_, IDC_BN_MIDI_IN_TYPE);
  EXPECT_TRUE(ControlChecked(dialog_, IDC_BN_MIDI_IN_TYPE));
  EXPECT_TRUE(ControlEnabled(dialog_, IDC_BN_APPLY));
  ExpectDisplay(L"ASIO Buffer Size:  320 samples", 5, 7);
}

}  // namespace
}  // namespace drvprop::e2e
