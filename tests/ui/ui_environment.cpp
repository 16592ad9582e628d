// One application object for all window tests, on the offscreen platform
// unless the caller chose another.
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include "ui/qt/settings.h"

namespace {

// The offscreen platform warns on every fixed-size or raised window that it
// cannot pass the request to a window manager it does not have.
QtMessageHandler default_handler = nullptr;

void quiet_about_window_manager(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith("This plugin does not support")) return;
  default_handler(type, context, text);
}

class QtEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Two screens on the offscreen platform: a wide one of 2560 x 1600, first,
    // where every window opens and fits at any zoom but help at 300 %, and a
    // 1024 x 768 projector beside it.
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
      screens_ = new QTemporaryFile;
      if (screens_->open()) {
        screens_->write(R"({"screens": [{"name": "wide", "width": 2560, "height": 1600},
            {"name": "projector", "x": 2560, "width": 1024, "height": 768}]})");
        screens_->flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens_->fileName()));
      }
    }
    default_handler = qInstallMessageHandler(quiet_about_window_manager);
    app_ = new QApplication(argc_, argv_);
    // What the program remembers (the language) goes to a directory of the
    // test run, never into the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    settings_ = new QTemporaryDir;
    airfoil::set_settings_file(settings_->filePath("pelmora-airfoil.conf"));
  }
  void TearDown() override {
    airfoil::set_settings_file({});
    delete app_;
    app_ = nullptr;
    delete settings_;
    settings_ = nullptr;
    delete screens_;
    screens_ = nullptr;
  }

 private:
  int argc_ = 1;
  char name_[8] = "test_ui";
  char* argv_[2] = {name_, nullptr};
  QApplication* app_ = nullptr;
  QTemporaryDir* settings_ = nullptr;
  QTemporaryFile* screens_ = nullptr;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
