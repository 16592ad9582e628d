// The window in English and in Turkish: the command-line choice, its memory,
// and no Turkish text left anywhere in the English windows.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ui/qt/app/language.h"
#include "ui/qt/app/options.h"
#include "ui/qt/boundary_layer/boundary_layer_window.h"
#include "ui/qt/dialogs/help_window.h"
#include "ui/qt/settings.h"
#include "ui_support.h"

namespace airfoil::testing {
namespace {

// Every source text of the translation that the English translation changes,
// tags removed: the Turkish texts that must not show in English.
QStringList turkish_sources() {
  QFile file(AIRFOIL_SOURCE_DIR "/translations/pelmora-airfoil_en.ts");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  QStringList sources;
  QString source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("source")) source = xml.readElementText();
    if (xml.name() == QLatin1String("translation") && xml.readElementText() != source) {
      sources << QString(source).remove(QRegularExpression("<[^>]*>"));
    }
  }
  return sources;
}

// The help texts of the translation: each source with its translation.
std::vector<std::pair<QString, QString>> help_texts() {
  QFile file(AIRFOIL_SOURCE_DIR "/translations/pelmora-airfoil_en.ts");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  std::vector<std::pair<QString, QString>> texts;
  QString context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() == QLatin1String("source")) source = xml.readElementText();
    if (xml.name() == QLatin1String("translation") && context == "HelpWindow") {
      texts.emplace_back(source, xml.readElementText());
    }
  }
  return texts;
}

// What a person or a screen reader meets in a window: captions, labels,
// frame titles, menu items, buttons, tooltips, accessible names and
// descriptions, and each line of a rich text.
QStringList texts_of(QWidget& window) {
  QStringList texts{window.windowTitle()};
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets << &window;
  for (QWidget* w : widgets) {
    texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(w)) texts << frame->title();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    if (auto* rich = qobject_cast<QTextBrowser*>(w)) texts << rich->toPlainText().split('\n');
  }
  for (const QAction* action : window.findChildren<QAction*>()) texts << action->text() << action->toolTip();
  texts.removeAll(QString());
  return texts;
}

struct Language_ : ::testing::Test {
  ~Language_() override { set_language(Language::turkish); }
};

TEST_F(Language_, EnglishLeavesNoTurkishTextInTheMainAboutAndHelpWindows) {
  set_language(Language::english);
  ASSERT_EQ(current_language(), Language::english);
  OpenWindow open;
  open.window->findChild<QAction*>("Mn_About")->trigger();
  open.window->open_help();
  QWidget* help = open.window->help_window();
  // Before and after the pictures are drawn: their descriptions change.
  QStringList texts = texts_of(*open.window);
  click(open.picture(SurfaceId::profil));
  texts << texts_of(*open.window) << texts_of(*open.window->about_window()) << texts_of(*help);
  open.window->findChild<QAction*>("Mn_BoundaryLayer")->trigger();
  BoundaryLayerWindow* layer = open.window->boundary_layer_window();
  texts << texts_of(*layer);
  layer->close();

  const QRegularExpression turkish_letter("[çğıİöşüÇĞÖŞÜ]");
  const QStringList sources = turkish_sources();
  ASSERT_GT(sources.size(), 50);
  for (const QString& text : texts) {
    EXPECT_FALSE(text.contains(turkish_letter)) << text.toStdString();
    EXPECT_FALSE(sources.contains(text.trimmed())) << text.toStdString();
  }
  EXPECT_EQ(open.window->findChild<QGroupBox*>("Frame3")->title(), "Compressibility effect");
  EXPECT_TRUE(texts.contains("Help"));
  help->close();

  // The program's messages, too.
  for (const char* message : {kCatalogueFileMissing, kProfileNotInCatalogue, kMooOutOfRange}) {
    const QString shown = QCoreApplication::translate("Messages", message);
    EXPECT_FALSE(shown.contains(turkish_letter) || sources.contains(shown)) << message;
  }
}

TEST_F(Language_, TurkishIsTheDefaultAndShowsTheDesignedTexts) {
  set_language(remembered_language());
  EXPECT_EQ(current_language(), Language::turkish);
  OpenWindow open;
  EXPECT_EQ(open.window->windowTitle(), "PelmoraAirfoil - Aerodynamic Characteristics");
  EXPECT_EQ(open.window->findChild<QGroupBox*>("Frame3")->title(), "Sıkıştırılabilme etkisi");
  EXPECT_EQ(open.window->findChild<QLabel*>("Label36")->text(), "Moo =");
  EXPECT_EQ(open.bar("HScroll_Thickness")->accessibleName(), "Kalınlık, veter yüzdesi");
  EXPECT_TRUE(help_html().contains("Varsayımlar"));
}

// Nothing of a help text is taken for markup (a "<" in a formula once ate
// the rest of its paragraph), in either language; the page names the
// program's version and, in English, gives the real reasons.
TEST_F(Language_, EachHelpPageShowsEverySentenceOfItsTextsTheVersionAndTheRealReasons) {
  const QRegularExpression tag("</?(b|tt)>");
  for (const Language language : {Language::turkish, Language::english}) {
    set_language(language);
    HelpWindow help;
    const QString page = help.findChild<QTextBrowser*>("HelpText")->toPlainText().simplified();
    EXPECT_TRUE(page.contains(QRegularExpression("^PelmoraAirfoil \\d+\\.\\d+")))
        << page.left(40).toStdString();
    for (const auto& [source, translation] : help_texts()) {
      const QString text = QString(language == Language::turkish ? source : translation).remove(tag);
      if (text == help.windowTitle()) continue;
      EXPECT_TRUE(page.contains(text.simplified())) << text.toStdString();
    }
  }
  // What it says for the physics and for typing, as the Mach box does: no
  // stall because there is no viscosity (the Kutta condition only fixes the
  // circulation), zero drag not from the lack of friction alone, and a comma
  // as good as a point.
  OpenWindow open;
  QTextDocument english;
  english.setHtml(help_html() + "<p>" + open.box("Text_Moo")->toolTip() + "</p>");
  const QStringList sentences = english.toPlainText().split(QRegularExpression("(?<=[.;])\\s+"));
  for (const auto& [word, also] :
       {std::pair{"no stall", "viscosity"}, {"drag is zero", "not only"}, {"decimal separator", "comma"}}) {
    EXPECT_FALSE(sentences.filter(word).isEmpty()) << word;
    for (const QString& s : sentences.filter(word)) EXPECT_TRUE(s.contains(also)) << s.toStdString();
  }
}

TEST_F(Language_, LangOptionChoosesAndTheChoiceIsRemembered) {
  const auto read = [](QStringList options) {
    options.prepend("pelmora-airfoil");
    return read_language_option(options);
  };
  EXPECT_EQ(read({"--lang", "en"}).chosen, Language::english);
  EXPECT_EQ(read({"--lang=tr"}).chosen, Language::turkish);
  EXPECT_FALSE(read({"--lang", "de"}).valid || read({"--lang"}).valid);

  EXPECT_EQ(remembered_language(), Language::turkish);
  ASSERT_EQ(store_settings({{kLanguageKey, "en"}}), "");
  EXPECT_EQ(remembered_language(), Language::english);
}

}  // namespace
}  // namespace airfoil::testing
