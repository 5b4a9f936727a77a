// The millisecond tick count on systems without the Windows one: a steady
// clock, truncated to 32 bits as the Windows count is.
#include <chrono>

#include "page_composer.h"

namespace velqora {

std::uint32_t millisecondTicks() {
  auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

}  // namespace velqora
