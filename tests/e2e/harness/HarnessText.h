// Text conversions at the harness's edges: the control tool and the environment speak
// UTF-8 and Unix paths, the windows under test speak UTF-16 and Windows paths.
#pragma once

#include <string>
#include <string_view>

namespace drvprop::e2e {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view text);

// Wine maps the Unix root to drive Z:, so any Unix path is reachable from Windows code.
std::wstring UnixToWindowsPath(std::string_view unixPath);

// A variable the test runner must set (paths of the programs under test); an empty
// result tells the caller to stop the run with a clear message.
std::wstring EnvironmentValue(const wchar_t* name);

}  // namespace drvprop::e2e
