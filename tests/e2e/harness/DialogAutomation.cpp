#include "harness/DialogAutomation.h"

#include <commctrl.h>

namespace drvprop::e2e {

namespace {

constexpr DWORD kPollMs = 25;
constexpr UINT kSendTimeoutMs = 5000;

bool IsDialogClass(HWND window) {
  wchar_t name[16];
  return GetClassNameW(window, name, static_cast<int>(std::size(name))) > 0 &&
         wcscmp(name, L"#32770") == 0;
}

struct Search {
  const DialogQuery* query;
  std::vector<HWND> found;
};

BOOL CALLBACK VisitTopLevel(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  const DialogQuery& q = *search.query;
  if (!IsDialogClass(window) || window == q.exclude) return TRUE;
  if (q.visibleOnly && !IsWindowVisible(window)) return TRUE;
  if (q.owner != nullptr && GetWindow(window, GW_OWNER) != q.owner) return TRUE;
  if (q.processId != 0 && WindowProcessId(window) != q.processId) return TRUE;
  if (q.withControl != 0 && GetDlgItem(window, q.withControl) == nullptr) return TRUE;
  if (q.caption && WindowText(window) != *q.caption) return TRUE;
  search.found.push_back(window);
  return TRUE;
}

// A hung target must fail the test, not hang it.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

}  // namespace

DialogQuery OwnedBy(HWND owner) {
  DialogQuery query;
  query.owner = owner;
  return query;
}

DialogQuery Titled(const std::wstring& caption) {
  DialogQuery query;
  query.caption = caption;
  return query;
}

std::vector<HWND> FindDialogs(const DialogQuery& query) {
  Search search{&query, {}};
  EnumWindows(VisitTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForDialog(const DialogQuery& query, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    const std::vector<HWND> found = FindDialogs(query);
    if (!found.empty()) return found.front();
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(kPollMs);
  }
}

bool WaitForNoDialog(const DialogQuery& query, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!FindDialogs(query).empty()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(kPollMs);
  }
  return true;
}

DWORD WindowProcessId(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

std::wstring WindowText(HWND window) {
  const auto length = static_cast<size_t>(SendBounded(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto got = static_cast<size_t>(
      SendBounded(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(got < length ? got : length);
  return text;
}

std::wstring ControlText(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  return control != nullptr ? WindowText(control) : std::wstring();
}

bool WaitForControlText(HWND dialog, int controlId, const std::wstring& text, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (ControlText(dialog, controlId) != text) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(kPollMs);
  }
  return true;
}

bool ControlEnabled(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  return control != nullptr && IsWindowEnabled(control);
}

bool ControlVisible(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  return control != nullptr && IsWindowVisible(control);
}

bool ControlChecked(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  return control != nullptr && SendBounded(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int CheckState(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  return control != nullptr ? static_cast<int>(SendBounded(control, BM_GETCHECK, 0, 0)) : 0;
}

bool Answers(HWND window, UINT timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

RECT ControlScreenRect(HWND dialog, int controlId) {
  RECT rect{};
  GetWindowRect(GetDlgItem(dialog, controlId), &rect);
  return rect;
}

void Click(HWND dialog, int controlId) {
  SendBounded(GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

void PostClick(HWND dialog, int controlId) {
  PostMessageW(GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

HWND FocusedWindow(HWND dialog) {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof(gui);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui)) return nullptr;
  return gui.hwndFocus;
}

void PressKey(HWND dialog, WPARAM virtualKey) {
  HWND focused = FocusedWindow(dialog);
  HWND target = focused != nullptr ? focused : dialog;
  PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
  PostMessageW(target, WM_KEYUP, virtualKey, 1 | (1u << 30) | (1u << 31));
}

void MoveSlider(HWND dialog, int controlId, int position, WORD scrollCode) {
  HWND slider = GetDlgItem(dialog, controlId);
  SendBounded(slider, TBM_SETPOS, TRUE, position);
  SendBounded(dialog, WM_HSCROLL, MAKEWPARAM(scrollCode, position),
              reinterpret_cast<LPARAM>(slider));
}

int SliderPosition(HWND dialog, int controlId) {
  return static_cast<int>(SendBounded(GetDlgItem(dialog, controlId), TBM_GETPOS, 0, 0));
}

std::wstring MessageBoxText(HWND box) { return ControlText(box, 0xFFFF); }

}  // namespace drvprop::e2e
