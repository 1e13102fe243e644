// One user action on the running panel per call, for scripts/run-panel:
//
//   drvprop_demo wait main|nodev    waits for the dialog; prints its rectangle as WxH+X+Y
//   drvprop_demo state              prints the level, Apply, the ASIO line and both bars
//   drvprop_demo slider LEVEL       drags the slider to LEVEL, then prints the state
//   drvprop_demo apply              clicks Apply; returns once the Apply sequence has run
//   drvprop_demo ok main|nodev      clicks OK of that dialog
//   drvprop_demo end                closes every panel that is still open
//
// Dialogs are found by the panel's process and a control only they have, never by
// caption, so the same steps work in every language. Exit 1 when the panel's dialog is
// not there, 2 for a wrong command line.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <string_view>

#include "harness/DialogAutomation.h"
#include "harness/HarnessText.h"
#include "harness/Panel.h"
#include "harness/Processes.h"
#include "res/resource.h"

namespace drvprop::e2e {
namespace {

// Each dialog has a control the other lacks.
int ControlOf(std::wstring_view dialog) {
  if (dialog == L"main") return IDC_SLIDER_BUF_SIZE;
  if (dialog == L"nodev") return IDC_STATIC_NODEV_MSG;
  return 0;
}

bool IsPanelProcess(DWORD pid) {
  for (DWORD panel : ProcessIdsByImage(kPanelImage)) {
    if (panel == pid) return true;
  }
  return false;
}

// The panel's dialog holding the control, waiting for it to come up when asked to.
HWND PanelDialog(int control, DWORD timeoutMs) {
  DialogQuery query;
  query.withControl = control;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    for (HWND dialog : FindDialogs(query)) {
      if (IsPanelProcess(WindowProcessId(dialog))) return dialog;
    }
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(50);
  }
}

// Wine's console turns wide text into the ANSI code page; the script wants UTF-8.
void Print(const std::wstring& line) {
  const std::string bytes = Narrow(line + L"\n");
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

void PrintState(HWND dialog) {
  Print(L"level=" + std::to_wstring(SliderPosition(dialog, IDC_SLIDER_BUF_SIZE)) + L" apply=" +
        (ControlEnabled(dialog, IDC_BN_APPLY) ? L"enabled" : L"disabled") + L" asio=\"" +
        ControlText(dialog, IDC_STATIC_ASIO_BUF) + L"\" realtime=" +
        ControlText(dialog, IDC_METER_REALTIME) + L" stability=" +
        ControlText(dialog, IDC_METER_STABILITY));
}

// A screenshot right after a step must show its result: a message the panel handles
// after everything sent before it means the panel has caught up; painting follows.
void Settle(HWND dialog) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kWindowTimeoutMs, &ignored);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

int Usage() {
  std::fputs(
      "usage: drvprop_demo wait main|nodev | state | slider LEVEL | apply | ok main|nodev | end\n",
      stderr);
  return 2;
}

int Run(int argc, wchar_t** argv) {
  if (argc < 2) return Usage();
  const std::wstring_view command = argv[1];
  const std::wstring_view argument = argc > 2 ? argv[2] : L"";

  if (command == L"end") {
    EndAllPanels();
    return 0;
  }
  const bool waits = command == L"wait";
  const int control = (waits || command == L"ok") ? ControlOf(argument) : IDC_SLIDER_BUF_SIZE;
  if (control == 0) return Usage();
  HWND dialog = PanelDialog(control, waits ? kWindowTimeoutMs : 0);
  if (dialog == nullptr) {
    std::fputs("drvprop_demo: the panel's dialog is not open\n", stderr);
    return 1;
  }

  if (waits) {
    Settle(dialog);
    RECT r{};
    GetWindowRect(dialog, &r);
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
  } else if (command == L"state") {
    PrintState(dialog);
  } else if (command == L"slider" && !argument.empty()) {
    MoveSlider(dialog, IDC_SLIDER_BUF_SIZE, _wtoi(argument.data()), SB_THUMBTRACK);
    MoveSlider(dialog, IDC_SLIDER_BUF_SIZE, _wtoi(argument.data()), SB_THUMBPOSITION);
    Settle(dialog);
    PrintState(dialog);
  } else if (command == L"apply") {
    Click(dialog, IDC_BN_APPLY);
    Settle(dialog);
  } else if (command == L"ok") {
    // Posted: OK ends the panel, and may open a box, either of which a sent click waits on.
    PostClick(dialog, IDOK);
  } else {
    return Usage();
  }
  return 0;
}

}  // namespace
}  // namespace drvprop::e2e

int wmain(int argc, wchar_t** argv) {
  // Lines end in \n alone, as the shell reading them expects.
  _setmode(_fileno(stdout), _O_BINARY);
  return drvprop::e2e::Run(argc, argv);
}
