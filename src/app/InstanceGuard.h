// Only one copy of the panel runs at a time: a named mutex marks the running copy, and a
// second copy brings the running copy's window to the front by its localised title.
#pragma once

#include <windows.h>

#include "text/TextChar.h"

// Names the maker, so that the mutex cannot clash with another program's.
inline constexpr const wchar_t* kInstanceMutexPrefix = L"com.qxaudio.drvprop";

// The prefix, "." and the application title.
drvprop::Text MakeInstanceMutexName();

// EnumWindows callback; `title` is the window title as a const wchar_t*. The first
// top-level window whose text begins with the whole title is shown, brought to the top and
// made the foreground window, and ends the enumeration.
BOOL CALLBACK ActivateRunningInstanceProc(HWND window, LPARAM title);
