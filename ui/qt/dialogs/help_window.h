// The help window: the help text of ui/help_content.h in the current
// language. Opened with F1; modeless and without an owner, like the About
// window, and one for the whole run.
#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QString>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/help_content.h"
#include "ui/key_table.h"
#include "ui/qt/dialogs/fit_screen.h"
#include "ui/render/fonts.h"

namespace airfoil {

// The help text as rich text, in the current language.
QString help_html();

class HelpWindow : public QWidget {
 public:
  HelpWindow() : QWidget(nullptr, Qt::Window) {
    setObjectName("Form_Help");
    setWindowTitle(QCoreApplication::translate(kHelpContext, QT_TRANSLATE_NOOP("HelpWindow", "Yardım")));
    resize(kWidth, kHeight);
    text_ = new QTextBrowser(this);
    text_->setObjectName("HelpText");
    text_->setFont(verdana_font(kPoints));
    text_->setOpenLinks(false);
    text_->setHtml(help_html());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    auto* close_key = new QShortcut(QKeySequence(key_entry(Command::close_window).shortcut), this);
    connect(close_key, &QShortcut::activated, this, &QWidget::close);
  }

  // Sizes the window and its text at `factor` of the designed size. The
  // window can be resized by its user; a zoom step sets it to the designed
  // size at the new factor, as the text grows with it.
  void set_zoom(double factor) {
    resize(qRound(kWidth * factor), qRound(kHeight * factor));
    text_->setFont(verdana_font(kPoints * factor));
    // Never larger than the screen: the text scrolls instead. (A window about
    // to open is fitted once it is shown, where the window manager put it.)
    if (isVisible()) fit_on_screen(*this);
  }

 private:
  // Sizes at the designed scale.
  static constexpr int kWidth = 620, kHeight = 600;
  static constexpr double kPoints = 10;

  QTextBrowser* text_ = nullptr;
};

}  // namespace airfoil
