// Code page 936 to UTF-16, for everything the core hands to the window.
#include "text_conversion.h"

#include <windows.h>

namespace velqora::shell {

namespace {
constexpr UINT SimplifiedChinese = 936;
}

std::wstring fromCodePage936(std::string_view text) {
  if (text.empty()) return {};
  const auto size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(SimplifiedChinese, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(SimplifiedChinese, 0, text.data(), size, wide.data(), length);
  return wide;
}

}  // namespace velqora::shell
