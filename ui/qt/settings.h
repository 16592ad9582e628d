// Where the program keeps what it remembers between runs (the language and
// the zoom factor): one small file, written by us rather than by QSettings,
// because QSettings waits for ever on a FIFO or on a lock file that is a
// folder, and writes through a symbolic link into whatever it points at.
//
// The file keeps QSettings' own format and place
// ($XDG_CONFIG_HOME/PelmoraAirfoil/pelmora-airfoil.conf, "[General]" and
// "key=value" lines), so a file an earlier version wrote is still read.
// Reading never blocks: anything but a regular file is ignored. Writing
// replaces the file by a new one renamed into place, never writes through a
// link or onto anything but a regular file of the user's own, and gives up
// when the lock beside the file cannot be taken within a moment.
#pragma once

#include <QString>

#include <map>

namespace airfoil {

using SettingValues = std::map<QString, QString>;

inline constexpr const char* kLanguageKey = "language";
inline constexpr const char* kZoomKey = "zoom";

// The settings file; tests point it into a directory of their own (an empty
// path restores the user's one).
QString settings_file();
void set_settings_file(const QString& path);

// The remembered values; none when the file is missing or unusable. A file
// that is there but is not a regular file is reported once per run on
// standard error.
SettingValues read_settings();

// Stores `values` over the remembered ones. Empty when done, else why not, in
// the user's language, a whole sentence.
QString store_settings(const SettingValues& values);

}  // namespace airfoil
