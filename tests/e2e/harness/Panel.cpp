#include "harness/Panel.h"

#include <gtest/gtest.h>

namespace drvprop::e2e {

namespace {

constexpr DWORD kGracefulEndMs = 2000;
constexpr DWORD kRetryMs = 100;

}  // namespace

Panel::Panel(UniqueHandle process)
    : process_(std::move(process)), processId_(process_ ? GetProcessId(process_.get()) : 0) {}

Panel Panel::Start(const std::wstring& exePath, const std::string& locale) {
  const std::wstring quotedExe = L"\"" + exePath + L"\"";
  UniqueHandle process;
  if (locale.empty()) {
    EXPECT_TRUE(StartProcess(quotedExe, process)) << "cannot start the panel";
    return Panel(std::move(process));
  }
  // Wine takes a process's language from its Unix locale, so the panel is started as a
  // Unix program with the locale set; that detour hides its Windows process.
  const std::wstring wideLocale(locale.begin(), locale.end());
  EXPECT_TRUE(StartProcess(
      L"Z:\\usr\\bin\\env LANG=" + wideLocale + L" LC_ALL=" + wideLocale + L" wine " + quotedExe,
      process))
      << "cannot start the panel under " << locale;
  return Panel(UniqueHandle());
}

HWND Panel::WaitForDialog(const std::wstring& caption, int withControl) {
  DialogQuery query;
  query.caption = caption;
  query.withControl = withControl;
  query.processId = processId_;
  HWND dialog = e2e::WaitForDialog(query);
  if (dialog != nullptr && !process_) {
    processId_ = WindowProcessId(dialog);
    process_ = OpenProcessForControl(processId_);
  }
  return dialog;
}

bool Panel::WaitForEnd(DWORD timeoutMs) const {
  return process_ && WaitForProcessEnd(process_.get(), timeoutMs);
}

std::optional<DWORD> Panel::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (!process_ || !GetExitCodeProcess(process_.get(), &code) || code == STILL_ACTIVE) {
    return std::nullopt;
  }
  return code;
}

void EndAllPanels() {
  for (DWORD pid : ProcessIdsByImage(kPanelImage)) {
    UniqueHandle process = OpenProcessForControl(pid);
    if (!process) continue;
    const ULONGLONG deadline = GetTickCount64() + kGracefulEndMs;
    DialogQuery query;
    query.processId = pid;
    for (;;) {
      // Cancel closes a message box as well as either dialog, and sends nothing.
      for (HWND dialog : FindDialogs(query)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      if (WaitForProcessEnd(process.get(), kRetryMs)) break;
      if (GetTickCount64() >= deadline) {
        TerminateProcess(process.get(), 1);
        WaitForProcessEnd(process.get(), kGracefulEndMs);
        break;
      }
    }
  }
}

}  // namespace drvprop::e2e
