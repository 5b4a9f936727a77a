// Helpers for tests that run Velqora's window inside the test process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace velqora::shell::testing_support {

// Asks the window itself, which also works for a control of another process.
inline std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1,
                    L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// The lines of an edit control's text, without their CR LF. A text that
// does not end with CR LF yields its tail as a last line, marked by `*tail`.
inline std::vector<std::wstring> linesOf(const std::wstring& text, std::wstring* tail = nullptr) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (auto end = text.find(L"\r\n"); end != std::wstring::npos; end = text.find(L"\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  if (tail) *tail = text.substr(start);
  return lines;
}

inline bool endsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A window's rectangle in its parent's client coordinates.
inline RECT rectInParent(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace velqora::shell::testing_support
