// The desktop program: one main window; closing it closes the others and
// ends the program.
#include <QApplication>

#include <cstdio>
#include <optional>
#include <string>

#include "app_identity.h"
#include "ui/catalogue_search.h"
#include "ui/qt/app/app_icon.h"
#include "ui/qt/app/options.h"
#include "ui/qt/app/smoke_test.h"
#include "ui/qt/main/main_window.h"
#include "ui/qt/main/zoom.h"

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

// The arguments as the program was given them, before Qt has taken its own:
// help and version are answered without a display.
QStringList arguments_of(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.push_back(QString::fromLocal8Bit(argv[i]));
  return arguments;
}

int bad_usage(const QString& argument) {
  std::fprintf(stderr, "pelmora-airfoil: unknown option or argument '%s'\n\n%s",
               argument.toLocal8Bit().constData(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Help and version come before the window system is opened, so that they
  // work on a terminal without a display.
  airfoil::ProgramOptions line = airfoil::read_options(arguments_of(argc, argv), false);
  if (line.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (!line.bad.isNull()) return bad_usage(line.bad);
  if (line.version) {
    std::printf("pelmora-airfoil (%s) %s\n", airfoil::kAppName, airfoil::kAppVersion);
    return 0;
  }

  QApplication app(argc, argv);  // takes Qt's own options out of argv
  line = airfoil::read_options(QApplication::arguments(), true);
  if (!line.bad.isNull()) return bad_usage(line.bad);
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
  if (const QString why = airfoil::remember_options(language, zoom); !why.isEmpty()) {
    std::fprintf(stderr, "pelmora-airfoil: %s\n", why.toLocal8Bit().constData());
  }
  airfoil::Form1Window window(nullptr, catalogue);
  window.set_zoom(factor);
  window.show();
  return app.exec();
}
