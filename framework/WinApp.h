// The application object: one global instance of a class derived from CWinApp, whose
// InitInstance the entry point calls. Its title comes from string AFX_IDS_APP_TITLE.
#pragma once

#include <windows.h>

#include "text/TextChar.h"

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance() = 0;
  // The process exit code.
  virtual int ExitInstance() { return 0; }

  // String AFX_IDS_APP_TITLE, or the executable's name without its extension when that
  // string is missing or empty. Called by the entry point before InitInstance.
  void LoadAppTitle();
  LPCWSTR AppTitle() const { return m_appTitle.c_str(); }

 private:
  drvprop::Text m_appTitle;
};

// The one application object, or null before it is constructed.
CWinApp* AfxGetApp();
// The application title; empty when there is no application object.
LPCWSTR AfxGetAppName();
// Resources are always the executable's own: there is no satellite module.
inline HINSTANCE AfxGetResourceHandle() { return ::GetModuleHandleW(nullptr); }
