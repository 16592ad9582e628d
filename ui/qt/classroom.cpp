#include "ui/qt/classroom.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>

#include "ui/qt/accessibility.h"
#include "ui/qt/focus_mark.h"
#include "ui/qt/help_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/picture_box.h"
#include "ui/qt/zoom.h"

namespace airfoil {

namespace {

// The designed texts are the translation's source texts: each label, frame
// caption, menu item and the caption pass through the translation as they
// stand, so a text without a translation (a number, an axis name, an English
// text of the design) shows unchanged.
QString designed(const QString& text) {
  return QCoreApplication::translate("Form1", text.toUtf8().constData());
}

void translate_designed_texts(QWidget& window) {
  window.setWindowTitle(designed(window.windowTitle()));
  for (QLabel* label : window.findChildren<QLabel*>()) label->setText(designed(label->text()));
  for (QGroupBox* frame : window.findChildren<QGroupBox*>()) frame->setTitle(designed(frame->title()));
  for (QAction* action : window.findChildren<QAction*>()) action->setText(designed(action->text()));
}

bool is_click_key(const QKeyEvent& key) {
  const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  return plain && (key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter);
}

}  // namespace

Classroom::Classroom(Form1Window& window) : QObject(&window), window_(window) {
  setObjectName("Classroom");
  translate_designed_texts(window);
  apply_control_texts(window);
  connect(&window, &Form1Window::cycle_finished, this, [this] { describe_pictures(window_); });

  mark_ = new FocusMark(window.centralWidget());
  for (int i = 0; i < 5; ++i) window.picture(static_cast<SurfaceId>(i))->installEventFilter(this);

  connect(&window, &Form1Window::zoom_changed, this, [this](double factor) {
    mark_->set_zoom(factor);
    if (help_) help_->set_zoom(factor);
  });

  auto* help_key = new QShortcut(QKeySequence(Qt::Key_F1), &window);
  connect(help_key, &QShortcut::activated, this, &Classroom::open_help);
}

Classroom::~Classroom() = default;

Classroom* Classroom::of(const Form1Window& window) {
  return window.findChild<Classroom*>("Classroom", Qt::FindDirectChildrenOnly);
}

void Classroom::open_help() {
  if (!help_) {
    help_ = std::make_unique<HelpWindow>();
    help_->setScreen(window_.screen());
    help_->set_zoom(window_.zoom());
  }
  help_->setWindowState(help_->windowState() & ~Qt::WindowMinimized);
  help_->show();
  fit_on_screen(*help_);
  help_->raise();
  help_->activateWindow();
}

// Space or Return on a focused picture is its click: the same signal, so the
// same cycle. A held key does not repeat it, as a held mouse button does not.
bool Classroom::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (is_click_key(key)) {
      if (!key.isAutoRepeat()) emit static_cast<PictureBox*>(watched)->clicked();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace airfoil
