// Labelling a dialog's controls from the string table.
#pragma once

#include <windows.h>

#include "framework/Wnd.h"

// Sets control `controlId` of `dialog` to string `stringId`, as it is. A control the
// dialog does not have is skipped without loading the string; a string that cannot be
// loaded leaves the control's template text. True when the text was set.
bool SetDlgItemTextFromId(const CWnd& dialog, int controlId, UINT stringId);
