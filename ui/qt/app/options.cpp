#include "ui/qt/app/options.h"

#include <cstdio>

#include "ui/qt/app/language.h"
#include "ui/qt/main/zoom.h"
#include "ui/qt/settings.h"

namespace airfoil {

namespace {

// The value of an option given as `--name VALUE` or `--name=VALUE`: true when
// `arguments[i]` is the option, with `i` moved past its value.
bool take_value(const QStringList& arguments, qsizetype& i, const QString& name,
                std::optional<QString>& value) {
  const QString& argument = arguments[i];
  if (argument == name) {
    value = i + 1 < arguments.size() ? arguments[++i] : QString();
    return true;
  }
  if (argument.startsWith(name + QLatin1Char('='))) {
    value = argument.mid(name.size() + 1);
    return true;
  }
  return false;
}

}  // namespace

ProgramOptions read_options(const QStringList& arguments, bool others_are_bad) {
  ProgramOptions options;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
      options.help = true;
    } else if (argument == QLatin1String("--version")) {
      options.version = true;
    } else if (argument == QLatin1String("--smoke-test")) {
      options.smoke_test = true;
    } else if (take_value(arguments, i, QStringLiteral("--lang"), options.language) ||
               take_value(arguments, i, QStringLiteral("--zoom"), options.zoom)) {
    } else if ((others_are_bad || argument.startsWith(QLatin1String("--"))) && options.bad.isNull()) {
      options.bad = argument;
    }
  }
  return options;
}

LanguageOption read_language_option(const QStringList& arguments) {
  const std::optional<QString> asked = read_options(arguments, false).language;
  if (!asked) return {};
  const std::optional<Language> chosen = language_from_code(*asked);
  if (!chosen) {
    std::fprintf(stderr, "pelmora-airfoil: --lang takes tr (Türkçe) or en (English), not '%s'\n",
                 asked->toLocal8Bit().constData());
    return {false, std::nullopt};
  }
  return {true, chosen};
}

ZoomOption read_zoom_option(const QStringList& arguments) {
  const std::optional<QString> asked = read_options(arguments, false).zoom;
  if (!asked) return {};
  const std::optional<double> factor = read_zoom(*asked);
  if (!factor) {
    std::fprintf(stderr, "pelmora-airfoil: --zoom takes a factor such as 2, 1.5 or 150%%, not '%s'\n",
                 asked->toLocal8Bit().constData());
    return {false, std::nullopt};
  }
  return {true, nearest_zoom(*factor)};
}

QString remember_options(const LanguageOption& language, const ZoomOption& zoom) {
  SettingValues chosen;
  if (language.chosen) chosen[kLanguageKey] = language_code(*language.chosen);
  if (zoom.chosen) chosen[kZoomKey] = zoom_setting(*zoom.chosen);
  return chosen.empty() ? QString() : store_settings(chosen);
}

}  // namespace airfoil
