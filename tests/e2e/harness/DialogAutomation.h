// Driving dialogs of another process as a user does: find them, read their controls,
// click, move the slider, answer message boxes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace drvprop::e2e {

// Long enough for a cold Wine start, short enough that a missing window fails quickly.
inline constexpr DWORD kWindowTimeoutMs = 10000;

// What a wanted top-level dialog (class #32770) must match; unset parts match anything.
struct DialogQuery {
  std::optional<std::wstring> caption;
  HWND owner = nullptr;
  DWORD processId = 0;
  HWND exclude = nullptr;
  int withControl = 0;  // a child control with this id must exist
  bool visibleOnly = true;
};

DialogQuery OwnedBy(HWND owner);
DialogQuery Titled(const std::wstring& caption);

std::vector<HWND> FindDialogs(const DialogQuery& query);
// Polls until one matches; nullptr after the timeout.
HWND WaitForDialog(const DialogQuery& query, DWORD timeoutMs = kWindowTimeoutMs);
// Polls until none matches; false when one is still there after the timeout.
bool WaitForNoDialog(const DialogQuery& query, DWORD timeoutMs = kWindowTimeoutMs);

DWORD WindowProcessId(HWND window);
std::wstring WindowText(HWND window);

std::wstring ControlText(HWND dialog, int controlId);
// Polls until the control shows this text; false when it does not within the time.
bool WaitForControlText(HWND dialog, int controlId, const std::wstring& text,
                        DWORD timeoutMs = kWindowTimeoutMs);
bool ControlEnabled(HWND dialog, int controlId);
bool ControlVisible(HWND dialog, int controlId);
bool ControlChecked(HWND dialog, int controlId);
// BM_GETCHECK as the dialog's own data exchange reads it: 0, 1 or 2 (indeterminate).
int CheckState(HWND dialog, int controlId);
// True when the window's thread handles a sent message within the time, so a user would
// see it answer.
bool Answers(HWND window, UINT timeoutMs);
RECT ControlScreenRect(HWND dialog, int controlId);

// Sent: returns once the dialog has handled the click. Only for clicks that open nothing.
void Click(HWND dialog, int controlId);
// Posted: for clicks that open a modal window, which would block a sent click.
void PostClick(HWND dialog, int controlId);
// The control of the dialog's thread that has the keyboard focus, or nullptr.
HWND FocusedWindow(HWND dialog);
// A key press delivered to the focused control, so the dialog's own keyboard handling
// (Esc, Enter) decides what it means.
void PressKey(HWND dialog, WPARAM virtualKey);

// Moves the slider and notifies the dialog as a user's drag does; the trackbar itself
// does not notify on a programmatic move.
void MoveSlider(HWND dialog, int controlId, int position, WORD scrollCode = SB_THUMBPOSITION);
int SliderPosition(HWND dialog, int controlId);

// A message box's text lives in its static control 0xFFFF.
std::wstring MessageBoxText(HWND box);

}  // namespace drvprop::e2e
