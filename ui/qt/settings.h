// Where the program keeps what it remembers between runs (the language and
// the zoom factor): one place, so every setting lands in the same file
// and tests can redirect it with QSettings::setPath.
#pragma once

#include <QSettings>

namespace airfoil {

inline constexpr const char* kSettingsOrganisation = "PelmoraAirfoil";
inline constexpr const char* kSettingsApplication = "pelmora-airfoil";

inline QSettings::Scope settings_scope() { return QSettings::UserScope; }

}  // namespace airfoil
