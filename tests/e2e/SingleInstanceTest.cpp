// Only one copy runs: a second start brings the first copy's dialog to the front and
// ends without a window of its own.
#include "harness/PanelTest.h"
#include "res/resource.h"

namespace drvprop::e2e {
namespace {

// A window of the harness that holds the foreground, so that a dialog coming to the
// front is something the second start did.
class ForegroundThief {
 public:
  ForegroundThief()
      : window_(CreateWindowExW(0, L"STATIC", L"harness", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
    SetForegroundWindow(window_);
    Pump();
  }
  ~ForegroundThief() { DestroyWindow(window_); }
  ForegroundThief(const ForegroundThief&) = delete;
  ForegroundThief& operator=(const ForegroundThief&) = delete;

  HWND window() const { return window_; }
  // Our own window needs its messages handled to take and give up the foreground.
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }

 private:
  HWND window_;
};

// A window of another process becomes the foreground only once that process's thread has
// handled its activation, which may come after the visible window and after the end of
// the process that asked for it.
bool WaitForForeground(HWND window) {
  const ULONGLONG deadline = GetTickCount64() + kWindowTimeoutMs;
  for (;;) {
    ForegroundThief::Pump();
    if (GetForegroundWindow() == window) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(25);
  }
}

struct FirstCopyCase {
  const char* name;
  const char* command;  // qxdvctl words before the first start, if any
  int dialogControl;    // a control the first copy's visible dialog has
};

class SingleInstanceTest : public PanelTest, public ::testing::WithParamInterface<FirstCopyCase> {};

TEST_P(SingleInstanceTest, SecondStartActivatesTheFirstCopyAndEnds) {
  if (GetParam().command != nullptr) qxdv().Run(GetParam().command);
  Panel first = StartPanel();
  HWND dialog = first.WaitForDialog(kEnglishTitle, GetParam().dialogControl);
  ASSERT_NE(dialog, nullptr);
  // Until its own activation is over, the dialog could take the front back from the thief.
  ASSERT_TRUE(WaitForForeground(dialog)) << "the first copy's dialog never came to the front";

  ForegroundThief thief;
  ASSERT_EQ(GetForegroundWindow(), thief.window());

  Panel second = StartPanel();
  EXPECT_TRUE(second.WaitForEnd());
  EXPECT_TRUE(WaitForForeground(dialog)) << "the first copy's dialog did not come to the front";
  EXPECT_EQ(FindDialogs(Titled(kEnglishTitle)), std::vector<HWND>{dialog});
  EXPECT_EQ(ProcessIdsByImage(kPanelImage), std::vector<DWORD>{first.ProcessId()});
}

INSTANTIATE_TEST_SUITE_P(
    , SingleInstanceTest,
    ::testing::Values(FirstCopyCase{"SettingsDialog", nullptr, IDC_SLIDER_BUF_SIZE},
                      FirstCopyCase{"NoDeviceDialog", "unplug 1", IDC_STATIC_NODEV_MSG}),
    CaseName());

}  // namespace
}  // namespace drvprop::e2e
