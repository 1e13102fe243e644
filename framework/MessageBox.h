// A message box whose text comes from the string table.
#pragma once

#include <windows.h>

// Shows string `stringId` (empty when missing) with the application title as caption,
// owned by the active window. With no icon in `type`, MB_OK gets the exclamation icon.
int AfxMessageBox(UINT stringId, UINT type = MB_OK);
