// The program's command line, read in one place: its own options (help,
// version, the smoke test, the language and the zoom), with Qt's own left
// for Qt. Reading stores nothing: only a run that starts normally remembers
// the language and zoom it was given.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "ui/qt/app/language.h"

namespace airfoil {

struct ProgramOptions {
  bool help = false;
  bool version = false;
  bool smoke_test = false;
  std::optional<QString> language;  // the value of --lang, if given
  std::optional<QString> zoom;      // the value of --zoom, if given
  QString bad;                      // the first argument that is not understood
};

// Reads `arguments` (the program's name first). With `others_are_bad` false,
// arguments that are not ours are left for Qt unless they have our
// double-dash form; once Qt has taken its own, anything left over is bad.
ProgramOptions read_options(const QStringList& arguments, bool others_are_bad = true);

// The language the command line names with `--lang CODE` or `--lang=CODE`,
// if it names one. `valid` is false (after saying why on standard error)
// when the option names no language we have.
struct LanguageOption {
  bool valid = true;
  std::optional<Language> chosen;
};
LanguageOption read_language_option(const QStringList& arguments);

// The zoom step the command line asks for with `--zoom FACTOR` (or
// `--zoom=FACTOR`), rounded to the nearest step. `valid` is false (after
// saying why on standard error) when the option's value is not a factor.
struct ZoomOption {
  bool valid = true;
  std::optional<double> chosen;
};
ZoomOption read_zoom_option(const QStringList& arguments);

// What a normal start remembers of the command line: the language and the
// zoom it named, if any. Empty when done, else why not.
QString remember_options(const LanguageOption& language, const ZoomOption& zoom);

}  // namespace airfoil
