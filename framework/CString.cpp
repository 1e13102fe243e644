#include "framework/CString.h"

#include <cstdarg>
#include <cwchar>

#include "framework/WinApp.h"
#include "text/TokenReplace.h"

namespace {

// Far beyond any text of the string table; a format that needs more is an error.
constexpr size_t kMaxFormattedChars = 0x100000;

}  // namespace

BOOL CString::LoadString(UINT id) {
  // With a buffer length of 0 the loader hands out a read-only pointer to the entry and
  // its length. That tells an empty entry from a long one, which a fixed buffer would
  // truncate, and needs no copy until the text is known to exist.
  const wchar_t* entry = nullptr;
  const int length = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&entry), 0);
  if (length <= 0 || entry == nullptr) return FALSE;
  m_text.assign(entry, static_cast<size_t>(length));
  return TRUE;
}

void CString::Format(UINT formatId, ...) {
  CString format;
  m_text.clear();
  if (!format.LoadString(formatId)) return;

  // vswprintf says only that the buffer was too small, not how much is needed (and some
  // runtimes give the full length instead of a negative result), so the buffer grows until
  // the text fits.
  drvprop::Text buffer(format.m_text.size() + 64, L'\0');
  for (;;) {
    va_list args;
    va_start(args, formatId);
    const int written = std::vswprintf(buffer.data(), buffer.size(), format.GetString(), args);
    va_end(args);
    if (written >= 0 && static_cast<size_t>(written) < buffer.size()) {
      buffer.resize(static_cast<size_t>(written));
      m_text = std::move(buffer);
      return;
    }
    if (buffer.size() >= kMaxFormattedChars) return;  // stays empty
    buffer.resize(buffer.size() * 2);
  }
}

int CString::Replace(drvprop::TextView oldText, drvprop::TextView newText) {
  return static_cast<int>(drvprop::ReplaceAll(m_text, oldText, newText));
}
