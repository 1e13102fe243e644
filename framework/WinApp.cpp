#include "framework/WinApp.h"

#include "framework/CString.h"
#include "text/StringIds.h"

namespace {

CWinApp* g_app = nullptr;

drvprop::Text ExecutableName() {
  drvprop::Text path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t nameStart = path.find_last_of(L"\\/:") + 1;  // npos + 1 == 0
  const size_t extension = path.rfind(L'.');
  const size_t nameEnd =
      extension != drvprop::Text::npos && extension > nameStart ? extension : path.size();
  return path.substr(nameStart, nameEnd - nameStart);
}

}  // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

void CWinApp::LoadAppTitle() {
  CString title;
  m_appTitle = title.LoadString(AFX_IDS_APP_TITLE) ? title.Str() : ExecutableName();
}

CWinApp* AfxGetApp() { return g_app; }

LPCWSTR AfxGetAppName() { return g_app != nullptr ? g_app->AppTitle() : L""; }
