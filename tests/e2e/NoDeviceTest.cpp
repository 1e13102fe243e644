// Starting without a usable unit: the no-device dialog is all the user sees, and closing
// it ends the panel.
#include "harness/PanelTest.h"
#include "res/resource.h"

namespace drvprop::e2e {
namespace {

struct NoDeviceCase {
  const char* name;
  const char* command;  // qxdvctl words that take the device away
  bool readmePresent;
  bool closeWithEscape;
};

class NoDeviceTest : public PanelTest, public ::testing::WithParamInterface<NoDeviceCase> {};

TEST_P(NoDeviceTest, OnlyTheNoDeviceDialogShowsAndClosingItEndsThePanel) {
  const NoDeviceCase& c = GetParam();
  qxdv().Run(c.command);
  if (!c.readmePresent) installation().RemoveReadme(L"EN");

  Panel panel = StartPanel();
  HWND dialog = WaitForNoDeviceDialog(panel);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDC_STATIC_NODEV_MSG),
            L"To make settings, connect the device and then execute once again.");
  EXPECT_EQ(ControlText(dialog, IDC_BN_README), L"Show \"README\"");
  EXPECT_EQ(ControlEnabled(dialog, IDC_BN_README), c.readmePresent);
  EXPECT_EQ(ControlText(dialog, IDOK), L"OK");
  EXPECT_EQ(GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU, 0) << "no close button, no menu";

  DialogQuery others;
  others.processId = panel.ProcessId();
  others.exclude = dialog;
  EXPECT_TRUE(FindDialogs(others).empty()) << "the settings dialog must stay hidden";

  if (c.closeWithEscape) {
    PressKey(dialog, VK_ESCAPE);
  } else {
    Click(dialog, IDOK);
  }
  EXPECT_TRUE(panel.WaitForEnd());
  EXPECT_TRUE(qxdv().Answered("IOCTL_DRV_SET_SETTINGS").empty());
}

INSTANTIATE_TEST_SUITE_P(
    , NoDeviceTest,
    ::testing::Values(NoDeviceCase{"UnpluggedClosedByOk", "unplug 1", true, false},
                      NoDeviceCase{"UnpluggedWithoutReadmeClosedByEscape", "unplug 1", false, true},
                      NoDeviceCase{"GetStatusZeroClosedByEscape", "get-status 1 0", true, true},
                      NoDeviceCase{"GetStatusZeroWithoutReadmeClosedByOk", "get-status 1 0", false,
                                   false}),
    CaseName());

}  // namespace
}  // namespace drvprop::e2e
