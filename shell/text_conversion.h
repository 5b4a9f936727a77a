// The core speaks code page 936 bytes; the window speaks UTF-16. This is the
// one place where the two meet, so the window reads the same whatever the
// system's ANSI code page is.
#pragma once

#include <string>
#include <string_view>

namespace velqora::shell {

std::wstring fromCodePage936(std::string_view text);

}  // namespace velqora::shell
