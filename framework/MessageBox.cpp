#include "framework/MessageBox.h"

#include "framework/CString.h"
#include "framework/WinApp.h"

int AfxMessageBox(UINT stringId, UINT type) {
  CString text;
  text.LoadString(stringId);
  if ((type & MB_ICONMASK) == 0 && (type & MB_TYPEMASK) == MB_OK) type |= MB_ICONEXCLAMATION;
  return ::MessageBoxW(::GetActiveWindow(), text.GetString(), AfxGetAppName(), type);
}
