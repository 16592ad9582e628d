// The program's command line, read in one place: its own options (help,
// version, the smoke test, the language and the zoom), with Qt's own left
// for Qt. The language and the zoom, given or remembered, are applied here.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

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

// The language of `--lang CODE` (or `--lang=CODE`), remembered for the next
// runs; without the option the remembered one, Turkish when there is none.
// False (after saying why on standard error) when the option names no
// language we have.
bool apply_language(const QStringList& arguments);

// The factor to open the window at: that of `--zoom FACTOR` (or
// `--zoom=FACTOR`), rounded to the nearest step and remembered for the next
// runs; without the option the remembered one, 1 when there is none.
// Nothing (after saying why on standard error) when the value is not a
// factor.
std::optional<double> apply_zoom(const QStringList& arguments);

}  // namespace airfoil
