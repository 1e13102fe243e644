// The process entry point. The application runs no message loop of its own: everything
// happens inside InitInstance, and whatever it returns the process then ends.
#include "framework/WinApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return 1;
  app->LoadAppTitle();
  app->InitInstance();
  return app->ExitInstance();
}
