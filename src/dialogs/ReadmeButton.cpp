#include "dialogs/ReadmeButton.h"

#include <windows.h>
#include <shellapi.h>

#include "framework/ResourceStringSource.h"
#include "install/Readme.h"
#include "install/Win32Files.h"
#include "install/Win32Registry.h"

bool InstalledReadmeExists() {
  drvprop::Win32Registry registry;
  drvprop::Win32Files files;
  return drvprop::ReadmeExists(registry, ResourceStringSource{}, files);
}

void OpenInstalledReadme() {
  if (!InstalledReadmeExists()) return;
  // The path is formed afresh: the installation may have changed since the test above.
  drvprop::Win32Registry registry;
  const drvprop::Text path = drvprop::GetReadmePath(registry, ResourceStringSource{});
  ::ShellExecuteW(nullptr, L"open", path.c_str(), L"", L"", SW_SHOW);
}
