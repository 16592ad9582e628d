// What the screenshot tools share: they run the real windows on the
// offscreen platform (see ui/qt/app/offscreen_warnings.h for its warnings)
// and write the message boxes the window would show to standard error.
#pragma once

#include <string>

#include "model/window.h"
#include "ui/qt/app/offscreen_warnings.h"

namespace airfoil {

// Message boxes and fault reports as lines on standard error.
class StderrMessages : public MessageSink {
 public:
  void show(const std::string& text) override;
  void fault(const std::string& text) override;
};

}  // namespace airfoil
