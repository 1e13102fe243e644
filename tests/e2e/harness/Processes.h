// Starting, watching and ending processes from inside the Wine prefix.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace drvprop::e2e {

// Owns one kernel handle; closes it when it goes.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE h) : handle_(h) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept;
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle();

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  HANDLE release();

 private:
  HANDLE handle_ = nullptr;
};

struct CommandOutput {
  bool ran = false;  // false: the program could not be started or did not end in time
  DWORD exitCode = 0;
  std::string stdoutText;
};

// Runs a console program to its end and collects what it wrote to stdout.
CommandOutput RunAndCapture(const std::wstring& commandLine, DWORD timeoutMs);

// Starts a program without waiting for it; false when it cannot be started. The handle
// becomes the started process; for a Unix program (Z:\usr\bin\env ...) Wine gives none.
bool StartProcess(const std::wstring& commandLine, UniqueHandle& process);

// Starts a program with its first thread suspended, so that several can be released at
// the same moment; `thread` is that thread, for ResumeThread.
bool StartSuspended(const std::wstring& commandLine, UniqueHandle& process, UniqueHandle& thread);

// Every running process whose image file name (without folder) is imageName, any case.
std::vector<DWORD> ProcessIdsByImage(const std::wstring& imageName);

// Opened for waiting, asking its exit code and, as a last resort, ending it.
UniqueHandle OpenProcessForControl(DWORD pid);

bool WaitForProcessEnd(HANDLE process, DWORD timeoutMs);

}  // namespace drvprop::e2e
