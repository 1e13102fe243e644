#include "harness/Processes.h"

#include <tlhelp32.h>

namespace drvprop::e2e {

UniqueHandle& UniqueHandle::operator=(UniqueHandle&& other) noexcept {
  if (this != &other) {
    UniqueHandle old(handle_);
    handle_ = other.release();
  }
  return *this;
}

UniqueHandle::~UniqueHandle() {
  if (*this) CloseHandle(handle_);
}

HANDLE UniqueHandle::release() {
  HANDLE h = handle_;
  handle_ = nullptr;
  return h;
}

namespace {

// CreateProcessW may write into its command line, so it gets a private copy.
bool Spawn(const std::wstring& commandLine, STARTUPINFOW& startup, bool inheritHandles,
           PROCESS_INFORMATION& info, DWORD extraFlags = 0) {
  std::wstring mutableLine = commandLine;
  return CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, inheritHandles,
                        CREATE_NO_WINDOW | extraFlags, nullptr, nullptr, &startup, &info) != FALSE;
}

}  // namespace

CommandOutput RunAndCapture(const std::wstring& commandLine, DWORD timeoutMs) {
  CommandOutput result;
  SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return result;
  UniqueHandle reader(readEnd);
  UniqueHandle writer(writeEnd);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION info{};
  if (!Spawn(commandLine, startup, true, info)) return result;
  UniqueHandle process(info.hProcess);
  UniqueHandle thread(info.hThread);
  // Our copy of the write end must go, or the read below never sees the end of the pipe.
  writer = UniqueHandle();

  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(reader.get(), chunk, sizeof(chunk), &got, nullptr) && got > 0) {
    result.stdoutText.append(chunk, got);
  }
  if (WaitForSingleObject(process.get(), timeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.get(), 1);
    return result;
  }
  GetExitCodeProcess(process.get(), &result.exitCode);
  result.ran = true;
  return result;
}

bool StartProcess(const std::wstring& commandLine, UniqueHandle& process) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!Spawn(commandLine, startup, false, info)) return false;
  if (info.hThread != nullptr) CloseHandle(info.hThread);
  process = UniqueHandle(info.hProcess);
  return true;
}

bool StartSuspended(const std::wstring& commandLine, UniqueHandle& process, UniqueHandle& thread) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!Spawn(commandLine, startup, false, info, CREATE_SUSPENDED)) return false;
  process = UniqueHandle(info.hProcess);
  thread = UniqueHandle(info.hThread);
  return true;
}

std::vector<DWORD> ProcessIdsByImage(const std::wstring& imageName) {
  std::vector<DWORD> ids;
  UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return ids;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    if (_wcsicmp(entry.szExeFile, imageName.c_str()) == 0) ids.push_back(entry.th32ProcessID);
  }
  return ids;
}

UniqueHandle OpenProcessForControl(DWORD pid) {
  return UniqueHandle(
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, pid));
}

bool WaitForProcessEnd(HANDLE process, DWORD timeoutMs) {
  return WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
}

}  // namespace drvprop::e2e
