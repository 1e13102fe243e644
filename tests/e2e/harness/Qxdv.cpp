#include "harness/Qxdv.h"

#include <gtest/gtest.h>

#include "harness/HarnessText.h"
#include "harness/Processes.h"

namespace drvprop::e2e {

namespace {

constexpr DWORD kToolTimeoutMs = 15000;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

}  // namespace

std::string Qxdv::RunLine(const std::string& arguments) const {
  const CommandOutput out =
      RunAndCapture(L"\"" + exePath_ + L"\"" + Widen(arguments), kToolTimeoutMs);
  EXPECT_TRUE(out.ran && out.exitCode == 0)
      << "qxdvctl" << arguments << " failed (exit " << out.exitCode << "): " << out.stdoutText;
  return out.stdoutText;
}

StoredRecord Qxdv::Record(int unit) const {
  StoredRecord record;
  for (const std::string& line : Lines(Run("record", unit))) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    record[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return record;
}

// One line per request: "<ms> unit=<n> <request> result=<ok|0xNTSTATUS> status=<word|->
// bytes=<n>".
std::vector<DriverRequest> Qxdv::Log() const {
  std::vector<DriverRequest> entries;
  for (const std::string& line : Lines(Run("log"))) {
    std::istringstream words(line);
    DriverRequest entry;
    if (!(words >> entry.ms)) continue;
    for (std::string word; words >> word;) {
      const size_t eq = word.find('=');
      const std::string key = word.substr(0, eq == std::string::npos ? 0 : eq);
      const std::string value = eq == std::string::npos ? word : word.substr(eq + 1);
      if (key.empty()) {
        entry.request = value;
      } else if (key == "unit") {
        entry.unit = std::stoi(value);
      } else if (key == "result") {
        entry.succeeded = value == "ok";
      } else if (key == "status" && value != "-") {
        entry.status = std::stoll(value, nullptr, 0);
      }
    }
    entries.push_back(entry);
  }
  return entries;
}

std::vector<DriverRequest> Qxdv::Answered(const std::string& request) const {
  std::vector<DriverRequest> matching;
  for (const DriverRequest& entry : Log()) {
    if (entry.request == request && entry.succeeded) matching.push_back(entry);
  }
  return matching;
}

}  // namespace drvprop::e2e
