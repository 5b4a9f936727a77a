// The page loop and the two handlers built on it.
#include "page_composer.h"

#include <string>

#include "phrase_list.h"

namespace velqora {

namespace {

// Pages being written right now: more than one when clicks nest pages.
int pagesInProgress = 0;

class PageInProgress {
 public:
  PageInProgress() { ++pagesInProgress; }
  ~PageInProgress() { --pagesInProgress; }
  PageInProgress(const PageInProgress&) = delete;
  PageInProgress& operator=(const PageInProgress&) = delete;
};

}  // namespace

std::mt19937& RandomSource() {
  static std::mt19937 engine;
  return engine;
}

void seedFromClock() { RandomSource().seed(millisecondTicks()); }

std::int32_t drawBetween(std::int32_t low, std::int32_t high) {
  return std::uniform_int_distribution<std::int32_t>(low, high)(RandomSource());
}

void composePage(OutputBox& box, const PendingEventPump& processPendingEvents) {
  PageInProgress page;
  for (int turn = 1; turn <= LinesPerPage; ++turn) {
    // An empty list has no line to draw; its page is ten bare wishes.
    auto n = phraseLineCount > 0 ? drawBetween(1, phraseLineCount) : 0;
    auto line = phraseLine(n);
    std::string joined;
    joined.reserve(line.size() + PhraseSuffix.size());
    joined.append(line).append(PhraseSuffix);
    box.appendText(joined);
    processPendingEvents();
    // The user may have closed the window while events were handled: never
    // write into a destroyed box.
    if (!box.exists()) return;
  }
}

void onMainWindowCreated(OutputBox& box, const PendingEventPump& processPendingEvents) {
  makePhraseText(builtInPhraseBlock());
  seedFromClock();
  splitPhraseText();
  countPhraseLines();
  // The box is still empty: the window has not been shown yet.
  composePage(box, processPendingEvents);
}

void onAnotherPageClicked(OutputBox& box, const PendingEventPump& processPendingEvents) {
  // A flood of queued clicks would otherwise nest pages until the stack
  // overflows; past the limit a click is absorbed, as if it came too late.
  if (pagesInProgress >= MaxNestedPages) return;
  box.clearText();
  composePage(box, processPendingEvents);
}

}  // namespace velqora
