// Where a page is written. The window's edit control is the real one; tests
// use a box that keeps its text in memory.
#pragma once

#include <functional>
#include <string_view>

namespace velqora {

class OutputBox {
 public:
  virtual ~OutputBox() = default;

  // Adds text at the end and brings it into view.
  virtual void appendText(std::string_view text) = 0;
  // Makes the box empty.
  virtual void clearText() = 0;
  // False once the window behind the box has been destroyed, which can
  // happen while pending events are handled in the middle of a page.
  virtual bool exists() const = 0;
};

// Handles every event already waiting for the program's thread, then returns.
using PendingEventPump = std::function<void()>;

}  // namespace velqora
