#include "harness/PanelTest.h"

#include "harness/HarnessText.h"
#include "res/resource.h"

namespace drvprop::e2e {

namespace {

// Paths of the programs under test, handed over by the test runner as Unix paths.
constexpr wchar_t kPanelPathVariable[] = L"DRVPROP_EXE";
constexpr wchar_t kToolPathVariable[] = L"QXDVCTL_EXE";

std::wstring ProgramPath(const wchar_t* variable) {
  const std::wstring unixPath = EnvironmentValue(variable);
  if (unixPath.empty()) return {};
  return UnixToWindowsPath(Narrow(unixPath));
}

}  // namespace

void PanelTest::SetUpTestSuite() {
  if (qxdv_) return;
  panelExe_ = ProgramPath(kPanelPathVariable);
  const std::wstring toolExe = ProgramPath(kToolPathVariable);
  ASSERT_FALSE(panelExe_.empty() || toolExe.empty())
      << "set DRVPROP_EXE and QXDVCTL_EXE to the Unix paths of DrvProp.exe and qxdvctl.exe";
  // Both live for the whole run: the installation is captured once, before any scenario
  // changes it, and every scenario starts from that capture.
  qxdv_.emplace(toolExe);
  installation_ = Installation::Capture();
  ASSERT_FALSE(installation_->Folder().empty()) << "the test bed is not up: no installation key";
}

void PanelTest::SetUp() {
  ASSERT_TRUE(qxdv_.has_value());
  EndAllPanels();
  qxdv_->Run("reset");  // also empties the log
  installation_->Restore();
}

void PanelTest::TearDown() {
  EndAllPanels();
  if (installation_) installation_->Restore();
}

Panel PanelTest::StartPanel(const std::string& locale) { return Panel::Start(panelExe_, locale); }

HWND PanelTest::WaitForMainDialog(Panel& panel, const std::wstring& title) {
  HWND dialog = panel.WaitForDialog(title, IDC_SLIDER_BUF_SIZE);
  EXPECT_NE(dialog, nullptr) << "no settings dialog titled " << Narrow(title);
  return dialog;
}

HWND PanelTest::WaitForNoDeviceDialog(Panel& panel, const std::wstring& title) {
  HWND dialog = panel.WaitForDialog(title, IDC_STATIC_NODEV_MSG);
  EXPECT_NE(dialog, nullptr) << "no no-device dialog titled " << Narrow(title);
  return dialog;
}

HWND PanelTest::WaitForMessageBox(HWND owner) {
  HWND box = WaitForDialog(OwnedBy(owner));
  EXPECT_NE(box, nullptr) << "no message box";
  return box;
}

}  // namespace drvprop::e2e
