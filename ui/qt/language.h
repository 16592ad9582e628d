// The language of the window: Turkish, the language the texts were written
// in, or English from the translation compiled into the program. Chosen once
// at start, before any window is built; a normal start remembers the choice.
#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

#include <optional>

namespace airfoil {

enum class Language { turkish, english };

// "tr" or "en"; nothing for any other code.
std::optional<Language> language_from_code(const QString& code);
QString language_code(Language language);

// Installs the translation for `language` (or removes it for Turkish) in the
// running application. Widgets built afterwards show its texts.
void set_language(Language language);
Language current_language();

// The language the command line names with `--lang CODE` or `--lang=CODE`,
// if it names one. `valid` is false (after saying why on standard error)
// when the option names no language we have.
struct LanguageOption {
  bool valid = true;
  std::optional<Language> chosen;
};
LanguageOption read_language_option(const QStringList& arguments);

// The language chosen in an earlier run; Turkish when none was.
Language remembered_language();

// The same option for a command-line parser that lists the program's options
// (and would otherwise reject --lang as unknown).
QCommandLineOption language_option();

}  // namespace airfoil
