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
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "ui/qt/boundary_layer/boundary_layer_controller.h"
#include "ui/qt/boundary_layer/boundary_layer_window.h"
#include "ui/qt/classroom.h"
#include "ui/qt/help_window.h"
#include "ui/qt/language.h"
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
  Classroom::of(*open.window)->open_help();
  QWidget* help = Classroom::of(*open.window)->help_window();
  // Before and after the pictures are drawn: their descriptions change.
  QStringList texts = texts_of(*open.window);
  click(open.picture(SurfaceId::profil));
  texts << texts_of(*open.window) << texts_of(*open.window->about_window()) << texts_of(*help);
  open.window->findChild<QAction*>("Mn_BoundaryLayer")->trigger();
  BoundaryLayerWindow* layer = BoundaryLayerController::of(*open.window)->boundary_layer_window();
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
  ASSERT_TRUE(apply_language({"pelmora-airfoil"}));
  EXPECT_EQ(current_language(), Language::turkish);
  OpenWindow open;
  EXPECT_EQ(open.window->windowTitle(), "PelmoraAirfoil - Aerodynamic Characteristics");
  EXPECT_EQ(open.window->findChild<QGroupBox*>("Frame3")->title(), "Sıkıştırılabilme etkisi");
  EXPECT_EQ(open.window->findChild<QLabel*>("Label36")->text(), "Moo =");
  EXPECT_EQ(open.bar("HScroll_Thickness")->accessibleName(), "Kalınlık, veter yüzdesi");
  EXPECT_TRUE(help_html().contains("Varsayımlar"));
}

TEST_F(Language_, LangOptionChoosesAndTheChoiceIsRemembered) {
  const auto run = [](QStringList options) {
    options.prepend("pelmora-airfoil");
    return apply_language(options);
  };
  ASSERT_TRUE(run({"--lang", "en"}));
  EXPECT_EQ(current_language(), Language::english);
  EXPECT_EQ(QCoreApplication::translate("Controls", "Kalınlık, veter yüzdesi"),
            "Thickness, per cent of chord");
  ASSERT_TRUE(run({}));
  EXPECT_EQ(current_language(), Language::english);
  EXPECT_FALSE(run({"--lang", "de"}));
  EXPECT_FALSE(run({"--lang"}));
  EXPECT_EQ(current_language(), Language::english);
  ASSERT_TRUE(run({"--lang=tr"}));
  ASSERT_TRUE(run({}));
  EXPECT_EQ(current_language(), Language::turkish);
}

}  // namespace
}  // namespace airfoil::testing
