#include "dialogs/DialogText.h"

#include "framework/CString.h"

bool SetDlgItemTextFromId(const CWnd& dialog, int controlId, UINT stringId) {
  if (dialog.GetDlgItem(controlId).GetSafeHwnd() == nullptr) return false;
  CString text;
  if (!text.LoadString(stringId)) return false;
  dialog.SetDlgItemText(controlId, text.GetString());
  return true;
}
