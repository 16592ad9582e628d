// The language of the window: Turkish, the language the texts were written
// in, or English from the translation compiled into the program. Chosen once
// at start, before any window is built; the choice is remembered.
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

// The language option of the command line: `--lang en`, `--lang=tr`. A valid
// choice is remembered for the next runs; without the option the remembered
// choice applies, and Turkish when there is none. Returns false (after saying
// why on standard error) when the option names no language we have.
bool apply_language(const QStringList& arguments);

// The same option for a command-line parser that lists the program's options
// (and would otherwise reject --lang as unknown).
QCommandLineOption language_option();

}  // namespace airfoil
