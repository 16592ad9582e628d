// A window object on recording surfaces, with a small catalogue of its own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "charts/recording_surface.h"
#include "model/recording_messages.h"
#include "support/state.h"
#include "ui/form.h"

namespace airfoil::testing {

using RecordedMessages = RecordingMessages;

// Notes in a shared log when it is cleared, so that tests see which pictures
// a handler redrew and in which order; can be told to fail on its next Line.
class LoggingSurface : public RecordingSurface {
 public:
  LoggingSurface(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}

  void Cls() override {
    log_.push_back(name_);
    RecordingSurface::Cls();
  }
  void Line(float x1, float y1, float x2, float y2, Colour colour) override {
    if (fail_with_fault) throw Fault(name_ + " failed");
    if (fail_with_other) throw std::logic_error(name_ + " failed");
    RecordingSurface::Line(x1, y1, x2, y2, colour);
  }

  bool fail_with_fault = false;
  bool fail_with_other = false;

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

// Flat plate, one cambered thick section, one symmetric section, and a row
// whose circle does not enclose the origin (thickness 3 %). Thickness 4 % is
// missing.
inline constexpr const char* kTestCatalogue =
    "test catalogue\n"
    "4\n"
    "0,0,0,0,0\n"
    "0.01,0,0.1,0.05,0\n"
    "0.02,0,0.08,0,0\n"
    "0.03,0,-0.6,0,0\n";

class FormTest : public ::testing::Test {
 protected:
  void start(const std::string& catalogue = kTestCatalogue) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& ch : name) {
      if (ch == '/') ch = '_';
    }
    const auto path = std::filesystem::path(::testing::TempDir()) / (name + ".txt");
    std::ofstream(path) << catalogue;
    form = std::make_unique<Form1>(Plots{daire, profil, pressure, Picture_CL, Picture_CM}, messages,
                                   path.string());
    form->Form_Load();
  }
  Window& w() { return form->w; }

  std::vector<std::string> cleared;  // surfaces in the order they were cleared
  LoggingSurface daire{"daire", cleared};
  LoggingSurface profil{"profil", cleared};
  LoggingSurface pressure{"pressure", cleared};
  LoggingSurface Picture_CL{"Picture_CL", cleared};
  LoggingSurface Picture_CM{"Picture_CM", cleared};
  RecordedMessages messages;
  std::unique_ptr<Form1> form;
};

}  // namespace airfoil::testing
