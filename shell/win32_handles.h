// Owning wrappers for the few Win32 handles the shell creates itself.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace velqora::shell {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

}  // namespace velqora::shell
