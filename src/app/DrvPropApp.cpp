#include "app/DrvPropApp.h"

#include <windows.h>
#include <commctrl.h>

#include "app/InstanceGuard.h"
#include "dialogs/DrvPropDlg.h"
#include "driver/UnitSlots.h"
#include "framework/ResourceStringSource.h"
#include "text/Title.h"

CDrvPropApp theApp;

BOOL CDrvPropApp::InitInstance() {
  static_assert(sizeof(INITCOMMONCONTROLSEX) == 8);
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_WIN95_CLASSES;
  ::InitCommonControlsEx(&controls);

  // Creating the mutex is the test: "already exists" comes back from the same call that
  // would create it, so two copies started at the same moment cannot both pass, as they
  // could with a separate open first. When creation fails for another reason the panel
  // runs unguarded rather than not at all.
  const drvprop::Text mutexName = MakeInstanceMutexName();
  const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, mutexName.c_str());
  if (mutex != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS) {
    ::CloseHandle(mutex);
    const drvprop::Text title = drvprop::LoadTitle(ResourceStringSource{});
    if (!title.empty()) {
      ::EnumWindows(&ActivateRunningInstanceProc, reinterpret_cast<LPARAM>(title.c_str()));
    }
    return FALSE;
  }
  // The handle is never closed: the mutex marks this copy until the process ends.

  CDrvPropDlg dialog;
  drvprop::FillUnitSlots(dialog.m_unitSlots);
  dialog.DoModal();
  return FALSE;
}
