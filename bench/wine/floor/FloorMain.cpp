// The floor of the launch benchmark: the least a Win32 dialog program can do, one dialog
// from one template shown by DialogBoxParamW, so that the panel's launch time can be read
// against what Wine itself needs to start a process and show a dialog.
#include <windows.h>

#include "FloorResource.h"

namespace {

INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return static_cast<int>(
      DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_FLOOR), nullptr, FloorProc, 0));
}
