// The application: start-up on the one user-interface thread, which either hands over to
// a copy that already runs or shows the settings dialog until it ends.
#pragma once

#include "framework/WinApp.h"

class CDrvPropApp : public CWinApp {
 public:
  // Always FALSE: the panel runs no message loop of its own, so the process then ends.
  BOOL InitInstance() override;
};

extern CDrvPropApp theApp;
