// Writes pages of good wishes: ten random lines of the word list, each
// followed by "平安" and a line break, and the two event handlers that do so.
#pragma once

#include <cstdint>
#include <random>
#include <string_view>

#include "output_box.h"

namespace velqora {

constexpr int LinesPerPage = 10;
// A click during a page writes a whole page inside it, one stack level
// deeper. People clicking fast reach two or three levels; sixteen leaves them
// far behind while keeping the stack, a few kilobytes a level through the
// window system, bounded under any flood of clicks.
constexpr int MaxNestedPages = 16;
// "平安" in code page 936, then CR LF.
constexpr std::string_view PhraseSuffix = "\xC6\xBD\xB0\xB2\r\n";

// The one generator behind every draw of the program.
std::mt19937& RandomSource();

// Milliseconds since the system started; wraps like the Windows tick count.
std::uint32_t millisecondTicks();

void seedFromClock();

// A whole number n with low <= n <= high, every value equally likely.
std::int32_t drawBetween(std::int32_t low, std::int32_t high);

// Appends one page to the box, handling pending events after every line.
void composePage(OutputBox& box, const PendingEventPump& processPendingEvents);

// Loads the word list, seeds the random source and writes the first page.
void onMainWindowCreated(OutputBox& box, const PendingEventPump& processPendingEvents);

// Replaces whatever the box holds with a new page.
void onAnotherPageClicked(OutputBox& box, const PendingEventPump& processPendingEvents);

}  // namespace velqora
