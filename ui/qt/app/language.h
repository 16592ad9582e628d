// The language of the window: Turkish, the language the texts were written
// in, or English from the translation compiled into the program. Chosen once
// at start, before any window is built; a normal start remembers the choice.
#pragma once

#include <QString>

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

// The language chosen in an earlier run; Turkish when none was.
Language remembered_language();

}  // namespace airfoil
