// The substitute driver's control tool, qxdvctl.exe: configures the simulated units and
// reports what the panel sent them.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace drvprop::e2e {

// One request as the driver saw it.
struct DriverRequest {
  int64_t ms = 0;  // since the driver was loaded
  int unit = 0;
  std::string request;  // e.g. "IOCTL_DRV_SET_SETTINGS"
  bool succeeded = false;
  std::optional<int64_t> status;  // the status word of a settings reply
};

// The record a unit holds, field name to value as the tool prints it ("rateTable" holds
// all 70 words).
using StoredRecord = std::map<std::string, std::string>;

class Qxdv {
 public:
  explicit Qxdv(std::wstring exePath) : exePath_(std::move(exePath)) {}

  // Runs one command built from the words given, e.g. Run("stream", 2, 2, 48000); a
  // command that fails is a test failure. Returns what the tool printed.
  template <typename... Words>
  std::string Run(const Words&... words) const {
    std::ostringstream line;
    ((line << ' ' << words), ...);
    return RunLine(line.str());
  }

  StoredRecord Record(int unit) const;
  std::vector<DriverRequest> Log() const;
  // The log entries of one request that succeeded, in order.
  std::vector<DriverRequest> Answered(const std::string& request) const;

 private:
  std::string RunLine(const std::string& arguments) const;

  std::wstring exePath_;
};

}  // namespace drvprop::e2e
