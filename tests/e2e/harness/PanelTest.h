// The fixture of every scenario: a driver in its load state with an empty log, the
// installation as the test bed made it, and no panel left running afterwards.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "harness/Installation.h"
#include "harness/Panel.h"
#include "harness/Qxdv.h"
#include "harness/DialogAutomation.h"

namespace drvprop::e2e {

inline constexpr wchar_t kEnglishTitle[] = L"Talvex Driver Settings";

// Names each case of a scenario table after the case's `name`.
struct CaseName {
  template <typename Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& c) const {
    return c.param.name;
  }
};

class PanelTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  static const Qxdv& qxdv() { return *qxdv_; }
  static const Installation& installation() { return *installation_; }

  static Panel StartPanel(const std::string& locale = {});
  // The Windows path of DrvProp.exe, for scenarios that start it their own way.
  static const std::wstring& PanelExe() { return panelExe_; }
  // The panel's two dialogs and the message box a dialog opens; each wait failing the
  // test when nothing comes up.
  static HWND WaitForMainDialog(Panel& panel, const std::wstring& title = kEnglishTitle);
  static HWND WaitForNoDeviceDialog(Panel& panel, const std::wstring& title = kEnglishTitle);
  static HWND WaitForMessageBox(HWND owner);

 private:
  static inline std::optional<Qxdv> qxdv_;
  static inline std::optional<Installation> installation_;
  static inline std::wstring panelExe_;
};

}  // namespace drvprop::e2e
