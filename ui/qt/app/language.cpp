#include "ui/qt/app/language.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstdio>

#include "ui/qt/settings.h"

namespace airfoil {

namespace {

constexpr const char* kEnglishTranslation = ":/i18n/pelmora-airfoil_en.qm";

Language g_current = Language::turkish;

// One translator for the whole run, owned by the application object so that
// it goes when the application does.
QTranslator* translator() {
  static QTranslator* instance = nullptr;
  if (instance == nullptr) instance = new QTranslator(QCoreApplication::instance());
  return instance;
}

}  // namespace

std::optional<Language> language_from_code(const QString& code) {
  if (code == QLatin1String("tr")) return Language::turkish;
  if (code == QLatin1String("en")) return Language::english;
  return std::nullopt;
}

QString language_code(Language language) {
  return language == Language::english ? QStringLiteral("en") : QStringLiteral("tr");
}

void set_language(Language language) {
  QTranslator* english = translator();
  QCoreApplication::removeTranslator(english);
  g_current = Language::turkish;
  if (language != Language::english) return;
  // The translation is compiled into the program; failing to load it means a
  // broken build, and the Turkish texts are still a working window.
  if (!english->load(QString::fromUtf8(kEnglishTranslation))) {
    std::fprintf(stderr, "pelmora-airfoil: the English translation is missing from this build\n");
    return;
  }
  QCoreApplication::installTranslator(english);
  g_current = Language::english;
}

Language current_language() { return g_current; }

Language remembered_language() {
  const SettingValues remembered = read_settings();
  const auto code = remembered.find(QString::fromLatin1(kLanguageKey));
  if (code == remembered.end()) return Language::turkish;
  return language_from_code(code->second).value_or(Language::turkish);
}

}  // namespace airfoil
