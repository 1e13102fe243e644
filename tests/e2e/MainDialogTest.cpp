// A normal start on one unit: what the settings dialog shows before the user touches it.
#include "harness/PanelTest.h"

#include <commctrl.h>

#include <algorithm>

#include "driver/DrvPropIoctl.h"
#include "harness/DriverControl.h"
#include "res/ProductInfo.h"
#include "res/resource.h"

namespace drvprop::e2e {
namespace {

constexpr wchar_t kCopyrightNotice[] = L"" DRVPROP_COPYRIGHT;

using MainDialogTest = PanelTest;

// Waits until the driver has failed this many stream state requests since its log was
// last cleared: proof that the poll timer really ticked, where a fixed pause proves
// nothing on a machine too busy to deliver the ticks in time.
bool WaitForFailedStreamStates(size_t count) {
  const ULONGLONG deadline = GetTickCount64() + kWindowTimeoutMs;
  for (;;) {
    const auto log = ReadDriverLog();
    if (!log) return false;
    const auto failed = std::count_if(log->entries.begin(), log->entries.end(), [](const auto& e) {
      return e.code == IOCTL_DRV_GET_STREAM_STATE && e.result < 0;
    });
    if (static_cast<size_t>(failed) >= count) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(50);
  }
}

TEST_F(MainDialogTest, OpensWithEnglishLabelsInstallationTextsAndFirstStreamState) {
  Installation::SetText(kCopyrightValue, L"(c) Installed copyright line");
  Panel panel = StartPanel();
  HWND dialog = WaitForMainDialog(panel);
  ASSERT_NE(dialog, nullptr);

  const struct {
    int control;
    const wchar_t* text;
  } labels[] = {
      {IDC_GRP_MIDI_IN_TYPE, L"MIDI IN Setting"},
      {IDC_BN_MIDI_IN_TYPE, L"Light Load"},
      {IDC_GRP_BUF_SIZE, L"Audio Buffer Size"},
      {IDC_ABB_MIN, L"Min."},
      {IDC_ABB_MAX, L"Max."},
      {IDC_GRP_PERFORMANCE, L"Audio Streaming Performance"},
      {IDC_STATIC_REALTIME, L"Real Time:"},
      {IDC_STATIC_STABILITY, L"Stability:"},
      {IDC_GRP_ASIO, L"ASIO Setting"},
      {IDC_BN_ASIO_SMALLER, L"Use Smaller ASIO Buffer Size"},
      {IDC_STATIC_STEINBERG, L"ASIO Technology by\nSteinberg Media Technologies GmbH"},
      {IDC_BN_README, L"Show \"README\""},
      {IDOK, L"OK"},
      {IDCANCEL, L"Cancel"},
      {IDC_BN_APPLY, L"Apply"},
  };
  for (const auto& label : labels) {
    EXPECT_EQ(ControlText(dialog, label.control), label.text) << "control " << label.control;
  }
  EXPECT_EQ(ControlText(dialog, IDC_STATIC_VER), L"Talvex Driver 1.0.0");
  EXPECT_EQ(ControlText(dialog, IDC_STATIC_COPYR), L"(c) Installed copyright line");

  EXPECT_FALSE(ControlEnabled(dialog, IDC_BN_APPLY));
  EXPECT_TRUE(ControlEnabled(dialog, IDC_BN_README));
  EXPECT_FALSE(ControlChecked(dialog, IDC_BN_ASIO_SMALLER));
  EXPECT_FALSE(ControlChecked(dialog, IDC_BN_MIDI_IN_TYPE));
  EXPECT_EQ(SliderPosition(dialog, IDC_SLIDER_BUF_SIZE), 5);
  // Level 5 at 48000 Hz on one unit, normal buffers.
  EXPECT_EQ(ControlText(dialog, IDC_STATIC_ASIO_BUF), L"ASIO Buffer Size:  320 samples");
  EXPECT_EQ(ControlText(dialog, IDC_METER_REALTIME), L"OOOOO");
  EXPECT_EQ(ControlText(dialog, IDC_METER_STABILITY), L"OOOOOOO");
}

TEST_F(MainDialogTest, TickLabelsAndMarkerStandCentredUnderTheirTicks) {
  Panel panel = StartPanel();
  HWND dialog = WaitForMainDialog(panel);
  ASSERT_NE(dialog, nullptr);
  HWND slider = GetDlgItem(dialog, IDC_SLIDER_BUF_SIZE);

  // Where a label of this width must start to be centred on tick i, in screen pixels.
  auto centredLeft = [&](int tick, LONG width) {
    POINT p{static_cast<LONG>(SendMessageW(slider, TBM_GETTICPOS, tick, 0)), 0};
    ClientToScreen(slider, &p);
    return p.x - width / 2;
  };

  LONG previousLeft = LONG_MIN;
  for (int tick = 0; tick < 10; ++tick) {
    const int id = IDC_TICK_1 + tick;
    const RECT r = ControlScreenRect(dialog, id);
    EXPECT_TRUE(ControlVisible(dialog, id)) << "label " << tick + 1;
    EXPECT_EQ(ControlText(dialog, id), std::to_wstring(tick + 1));
    EXPECT_EQ(r.left, centredLeft(tick, r.right - r.left)) << "label " << tick + 1;
    EXPECT_GT(r.left, previousLeft) << "label " << tick + 1;
    previousLeft = r.left;
  }
  EXPECT_FALSE(ControlVisible(dialog, IDC_TICK_11));

  const RECT marker = ControlScreenRect(dialog, IDC_TICK_MARK);
  EXPECT_EQ(ControlText(dialog, IDC_TICK_MARK), L"^");
  EXPECT_EQ(marker.left, centredLeft(5, marker.right - marker.left));
  const RECT six = ControlScreenRect(dialog, IDC_TICK_6);
  EXPECT_LE(std::abs((marker.left + marker.right) - (six.left + six.right)), 2)
      << "the marker stands under the label 6";
}

// The poll timer asks the driver again and again; when nobody answers, the line stays.
TEST_F(MainDialogTest, PollingFollowsTheStreamStateAndKeepsTheLastAnswer) {
  Panel panel = StartPanel();
  HWND dialog = WaitForMainDialog(panel);
  ASSERT_NE(dialog, nullptr);
  qxdv().Run("stream 1 1 96000");
  EXPECT_TRUE(WaitForControlText(dialog, IDC_STATIC_ASIO_BUF, L"ASIO Buffer Size:  640 samples"));
  // The clock first: a tick between the two commands then still gets the stream state,
  // never the fallback's answer from the clock (48000 Hz).
  qxdv().Run("fail 1 IOCTL_DRV_GET_UNIT_CLOCK");
  qxdv().Run("fail 1 IOCTL_DRV_GET_STREAM_STATE");
  qxdv().Run("log-clear");
  ASSERT_TRUE(WaitForFailedStreamStates(3)) << "fewer than three ticks met the failing unit";
  EXPECT_EQ(ControlText(dialog, IDC_STATIC_ASIO_BUF), L"ASIO Buffer Size:  640 samples");
  EXPECT_EQ(ControlText(dialog, IDC_METER_REALTIME), L"OOOOO");
}

// The version and copyright labels for the installation key's failure rows.
struct InstallationCase {
  const char* name;
  void (*change)();
  const wchar_t* version;
  const wchar_t* copyright;
  bool readmeEnabled;
};

std::vector<BYTE> Utf16Bytes(std::wstring_view text) {
  const auto* bytes = reinterpret_cast<const BYTE*>(text.data());
  std::vector<BYTE> data(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
  return data;
}

const std::wstring k178(178, L'v');
const std::wstring k179(179, L'v');
const std::wstring kVersion178 = L"Talvex Driver " + k178;

const InstallationCase kInstallationCases[] = {
    {"ValuesMissing",
     [] {
       Installation::DeleteValue(kVersionValue);
       Installation::DeleteValue(kCopyrightValue);
     },
     L"", kCopyrightNotice, true},
    {"ValuesOf179Characters",
     [] {
       Installation::SetText(kVersionValue, k179);
       Installation::SetText(kCopyrightValue, k179);
     },
     L"", kCopyrightNotice, true},
    {"ValuesOf178Characters",
     [] {
       Installation::SetText(kVersionValue, k178);
       Installation::SetText(kCopyrightValue, k178);
     },
     kVersion178.c_str(), k178.c_str(), true},
    {"KeyDeleted", [] { Installation::DeleteKey(); }, L"", kCopyrightNotice, false},
    // The registry type is not looked at and inserted text is never searched again.
    {"BinaryVersionWithTokenAndEmptyCopyright",
     [] {
       Installation::SetRaw(kVersionValue, REG_BINARY, Utf16Bytes(L"__MODEL__ 2"));
       Installation::SetText(kCopyrightValue, L"");
     },
     L"Talvex Driver __MODEL__ 2", L"", true},
};

class InstallationTextTest : public PanelTest,
                             public ::testing::WithParamInterface<InstallationCase> {};

TEST_P(InstallationTextTest, VersionAndCopyrightLabelsFollowTheKey) {
  GetParam().change();
  Panel panel = StartPanel();
  HWND dialog = WaitForMainDialog(panel);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDC_STATIC_VER), GetParam().version);
  EXPECT_EQ(ControlText(dialog, IDC_STATIC_COPYR), GetParam().copyright);
  EXPECT_EQ(ControlEnabled(dialog, IDC_BN_README), GetParam().readmeEnabled);
}

INSTANTIATE_TEST_SUITE_P(, InstallationTextTest, ::testing::ValuesIn(kInstallationCases),
                         CaseName());

}  // namespace
}  // namespace drvprop::e2e
