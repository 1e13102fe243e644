// One run of DrvProp.exe under test.
#pragma once

#include <optional>
#include <string>

#include "harness/Processes.h"
#include "harness/DialogAutomation.h"

namespace drvprop::e2e {

inline constexpr wchar_t kPanelImage[] = L"DrvProp.exe";

class Panel {
 public:
  // An empty locale runs the panel in the harness's own language (English); otherwise
  // under that Linux locale, e.g. "de_DE.UTF-8", the only way Wine changes the language
  // of one process.
  static Panel Start(const std::wstring& exePath, const std::string& locale = {});

  // Waits for a visible dialog of this run (caption and a control it must have) and
  // from then on follows the process that owns it.
  HWND WaitForDialog(const std::wstring& caption, int withControl);

  // True when the panel's process has ended within the time.
  bool WaitForEnd(DWORD timeoutMs = kWindowTimeoutMs) const;
  DWORD ProcessId() const { return processId_; }
  // The exit code once the process has ended; nullopt while it runs or when it is unknown.
  std::optional<DWORD> ExitCode() const;

 private:
  // Without a process, the panel's process is found through its first dialog.
  explicit Panel(UniqueHandle process);

  UniqueHandle process_;
  DWORD processId_ = 0;
};

// Makes sure no panel is left: asks every DrvProp window to cancel, and ends what is
// still running after a grace period.
void EndAllPanels();

}  // namespace drvprop::e2e
