// A message sink that keeps the texts instead of showing boxes: for the
// probe, which prints them, and for tests and fuzzers, which check them.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "model/window.h"

namespace airfoil {

class RecordingMessages : public MessageSink {
 public:
  void show(const std::string& text) override {
    shown.push_back(text);
    boxes.push_back(text);
  }
  void fault(const std::string& text) override {
    faults.push_back(text);
    boxes.push_back(text);
  }

  // How many times the message box with this text was shown.
  int count(std::string_view text) const {
    return static_cast<int>(std::count(shown.begin(), shown.end(), text));
  }
  void clear() {
    shown.clear();
    faults.clear();
    boxes.clear();
  }

  std::vector<std::string> shown;   // message boxes, in order
  std::vector<std::string> faults;  // boxes reporting a fault that ended a cycle
  std::vector<std::string> boxes;   // every box the user saw, either kind, in order
};

}  // namespace airfoil
