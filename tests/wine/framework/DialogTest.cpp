// The modal dialog of the framework layer: data exchange and message routing, run on a
// real dialog from this executable's template.
#include <gtest/gtest.h>

#include <functional>

#include "FrameworkTestIds.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

namespace {

// Runs a test's steps from inside OnInitDialog, where the dialog exists and is modal.
class ScriptedDialog : public CDialog {
 public:
  explicit ScriptedDialog(std::function<void(ScriptedDialog&)> script)
      : CDialog(IDD_TEST_DIALOG), m_script(std::move(script)) {}

  int m_check = 0;
  CButton m_button;
  int m_clicks = 0;
  int m_timers = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Check(pDX, IDC_TEST_CHECK, m_check);
    DDX_Control(pDX, IDC_TEST_BUTTON, m_button);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_script(*this);
    return TRUE;
  }
  MessageResult OnMappedMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnGo() { ++m_clicks; }
  MessageResult OnTimer(WPARAM, LPARAM) {
    ++m_timers;
    return std::nullopt;
  }

  static const MessageMapEntry<ScriptedDialog> kMessageMap[];
  std::function<void(ScriptedDialog&)> m_script;
};

const MessageMapEntry<ScriptedDialog> ScriptedDialog::kMessageMap[] = {
    OnCommand(BN_CLICKED, IDC_TEST_BUTTON, &ScriptedDialog::OnGo),
    OnMessage(WM_TIMER, &ScriptedDialog::OnTimer),
};

MessageResult ScriptedDialog::OnMappedMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return RouteMessage(*this, kMessageMap, message, wParam, lParam);
}

// Under Wine a window needs an X display; without one every dialog fails to open.
class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const HWND probe = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                         nullptr, nullptr);
    if (probe == nullptr) GTEST_SKIP() << "no display to open windows on";
    ::DestroyWindow(probe);
  }
};

LRESULT CheckState(const CWnd& dialog) {
  return dialog.GetDlgItem(IDC_TEST_CHECK).SendMessage(BM_GETCHECK);
}

TEST_F(DialogTest, DDXCheckTurnsValuesOutsideTheThreeStatesIntoUnchecked) {
  struct Case {
    int value;
    int member;
    LRESULT state;
  };
  const Case cases[] = {{-1, 0, BST_UNCHECKED},
                        {3, 0, BST_UNCHECKED},
                        {5, 0, BST_UNCHECKED},
                        {1, 1, BST_CHECKED},
                        {2, 2, BST_INDETERMINATE}};
  for (const Case& c : cases) {
    int member = -99;
    LRESULT state = -99;
    ScriptedDialog dialog([&](ScriptedDialog& d) {
      d.m_check = c.value;
      d.UpdateData(false);
      member = d.m_check;
      state = CheckState(d);
      d.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(member, c.member) << c.value;
    EXPECT_EQ(state, c.state) << c.value;
  }
}

TEST_F(DialogTest, OkTakesTheControlsIntoTheMembersAndEndsWithIdok) {
  ScriptedDialog dialog([](ScriptedDialog& d) {
    d.GetDlgItem(IDC_TEST_CHECK).SendMessage(BM_SETCHECK, BST_CHECKED);
    ::PostMessageW(d.m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_check, 1);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(DialogTest, MessageMapRoutesByMessageCodeAndId) {
  HWND bound = nullptr;
  HWND button = nullptr;
  ScriptedDialog dialog([&](ScriptedDialog& d) {
    bound = d.m_button.GetSafeHwnd();
    button = d.GetDlgItem(IDC_TEST_BUTTON).GetSafeHwnd();
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_CLICKED));
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_SETFOCUS));  // other code
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TEST_CHECK, BN_CLICKED));    // other control
    d.SendMessage(WM_TIMER, 7);
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_NE(button, nullptr);
  EXPECT_EQ(bound, button);
  EXPECT_EQ(dialog.m_clicks, 1);
  EXPECT_EQ(dialog.m_timers, 1);
}

}  // namespace
