// The string class of the dialogs: a UTF-16 text loaded from the executable's string
// table, formatted from it, and with tokens replaced in it.
#pragma once

#include <windows.h>

#include "text/TextChar.h"

class CString {
 public:
  CString() = default;

  // Loads string `id`. An empty table entry counts as missing; on failure the text is
  // left as it was and FALSE comes back.
  BOOL LoadString(UINT id);

  // The text becomes the string `formatId` formatted with the arguments as by
  // vswprintf; it is empty when the format cannot be loaded.
  void Format(UINT formatId, ...);

  // Replaces every occurrence of `oldText` left to right, never rescanning inserted
  // text; returns the number of replacements.
  int Replace(drvprop::TextView oldText, drvprop::TextView newText);

  const drvprop::Text& Str() const { return m_text; }
  LPCWSTR GetString() const { return m_text.c_str(); }
  bool IsEmpty() const { return m_text.empty(); }

 private:
  drvprop::Text m_text;
};
