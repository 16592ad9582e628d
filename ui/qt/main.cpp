// The desktop program: one main window; closing it closes the others and
// ends the program.
#include <QApplication>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "app_identity.h"
#include "ui/catalogue_search.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/language.h"
#include "ui/qt/main_window.h"
#include "ui/qt/settings.h"
#include "ui/qt/smoke_test.h"
#include "ui/qt/zoom.h"

namespace {

constexpr const char* kUsage =
    "Usage: pelmora-airfoil [OPTION...]\n"
    "\n"
    "Opens the PelmoraAirfoil window, a teaching program for airfoil aerodynamics.\n"
    "The catalogue KATPE-D20G15.txt is read from the working directory when it is\n"
    "there, else from the copy installed with the program (share/pelmora-airfoil/).\n"
    "\n"
    "Options:\n"
    "  -h, --help      show this text and exit\n"
    "  --version       show the version and exit\n"
    "  --lang CODE     the language of the windows: tr (Türkçe, the default) or\n"
    "                  en (English); the choice is remembered\n"
    "  --zoom FACTOR   the size of the windows, for a projector: a factor of the\n"
    "                  designed size such as 2, 1.5 or 150%, from 0.5 (50%) to 3\n"
    "                  (300%) in steps of 0.25; other values are taken to the\n"
    "                  nearest step within that range. The choice is remembered;\n"
    "                  Ctrl+Plus, Ctrl+Minus, Ctrl+0 and Ctrl+wheel change it\n"
    "  --smoke-test    a check for installers and CI: open the window (on the\n"
    "                  offscreen platform too), click a picture, and exit with 0\n"
    "                  only if all five pictures were drawn and no message was shown\n"
    "Qt's own options (-platform NAME, -style NAME, ...) are taken as well.\n"
    "\n"
    "Exit status: 0 done, 1 the smoke test failed, 2 bad arguments.\n";

struct CommandLine {
  bool help = false;
  bool version = false;
  bool smoke_test = false;
  std::string bad;  // the first argument that is not understood
};

// Reads the program's own options. With `others_are_bad` false, arguments
// that are not ours are left for Qt unless they have our double-dash form;
// once Qt has taken its own, anything left over is an error.
CommandLine read_command_line(int argc, char** argv, bool others_are_bad) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-h" || argument == "--help") {
      line.help = true;
    } else if (argument == "--version") {
      line.version = true;
    } else if (argument == "--smoke-test") {
      line.smoke_test = true;
    } else if (argument == "--lang") {
      ++i;  // its value is read with the language, after Qt has taken its options
    } else if (argument.starts_with("--lang=")) {
      // the same option in one argument
    } else if (argument == "--zoom") {
      ++i;  // read with the settings, as the language is
    } else if (argument.starts_with("--zoom=")) {
    } else if ((others_are_bad || argument.starts_with("--")) && line.bad.empty()) {
      line.bad = argument;
    }
  }
  return line;
}

int bad_usage(const std::string& argument) {
  std::fprintf(stderr, "pelmora-airfoil: unknown option or argument '%s'\n\n%s", argument.c_str(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Help and version come before the window system is opened, so that they
  // work on a terminal without a display.
  CommandLine line = read_command_line(argc, argv, false);
  if (line.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (!line.bad.empty()) return bad_usage(line.bad);
  if (line.version) {
    std::printf("pelmora-airfoil (%s) %s\n", airfoil::kAppName, airfoil::kAppVersion);
    return 0;
  }

  QApplication app(argc, argv);  // takes Qt's own options out of argv
  line = read_command_line(argc, argv, true);
  if (!line.bad.empty()) return bad_usage(line.bad);
  QApplication::setApplicationName(QStringLiteral("pelmora-airfoil"));
  QApplication::setApplicationVersion(QString::fromLatin1(airfoil::kAppVersion));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(airfoil::kAppId));
  QApplication::setWindowIcon(airfoil::application_icon());

  const QStringList arguments = QApplication::arguments();
  const airfoil::LanguageOption language = airfoil::read_language_option(arguments);
  const airfoil::ZoomOption zoom = airfoil::read_zoom_option(arguments);
  if (!language.valid || !zoom.valid) return 2;
  // The language first, so that a notice about the settings file is in it.
  airfoil::set_language(language.chosen ? *language.chosen : airfoil::remembered_language());
  const double factor = zoom.chosen.value_or(airfoil::remembered_zoom());

  const airfoil::CatalogueSource catalogue = airfoil::choose_catalogue(airfoil::catalogue_search_here());
  // A check leaves the user's settings as they were.
  if (line.smoke_test) return airfoil::run_smoke_test(catalogue);
  // Only a run that starts normally remembers what it was given.
  airfoil::SettingValues chosen;
  if (language.chosen) chosen[airfoil::kLanguageKey] = airfoil::language_code(*language.chosen);
  if (zoom.chosen) chosen[airfoil::kZoomKey] = airfoil::zoom_setting(*zoom.chosen);
  if (!chosen.empty()) {
    if (const QString why = airfoil::store_settings(chosen); !why.isEmpty()) {
      std::fprintf(stderr, "pelmora-airfoil: %s\n", why.toLocal8Bit().constData());
    }
  }
  airfoil::Form1Window window(nullptr, catalogue);
  window.set_zoom(factor);
  window.show();
  return app.exec();
}
