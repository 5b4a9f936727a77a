// The random source is seeded from the Windows millisecond tick count.
#include <windows.h>

#include "page_composer.h"

namespace velqora {

std::uint32_t millisecondTicks() { return GetTickCount(); }

}  // namespace velqora
