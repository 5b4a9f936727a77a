// An output box that keeps its text in memory and logs every call, so a test
// can see the order of appends, clears and event pumps.
#pragma once

#include <string>
#include <vector>

#include "output_box.h"

namespace velqora::testing_support {

class RecordingOutputBox : public OutputBox {
 public:
  void appendText(std::string_view text) override {
    text_.append(text);
    log.push_back("append:" + std::string(text));
  }
  void clearText() override {
    text_.clear();
    log.push_back("clear");
  }
  bool exists() const override { return exists_; }

  // A pump for the composer that logs itself and then runs `during`.
  PendingEventPump pump(std::function<void()> during = {}) {
    return [this, during] {
      log.push_back("pump");
      if (during) during();
    };
  }

  void destroy() { exists_ = false; }
  const std::string& text() const { return text_; }

  std::vector<std::string> log;

 private:
  std::string text_;
  bool exists_ = true;
};

}  // namespace velqora::testing_support
