// What the program's headless tools share: the smoke test and the two
// screenshot tools run the real window on the offscreen platform.
#pragma once

#include <string>

#include "model/window.h"

namespace airfoil {

// The offscreen platform warns about every request for a window manager it
// does not have; that is expected there, so those lines are dropped and
// every other message goes on as before.
void quiet_window_manager_warnings();

// Message boxes and fault reports as lines on standard error.
class StderrMessages : public MessageSink {
 public:
  void show(const std::string& text) override;
  void fault(const std::string& text) override;
};

}  // namespace airfoil
