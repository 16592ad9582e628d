#include "ui/qt/main/lesson_notes.h"

#include <QAction>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include "charts/colours.h"
#include "ui/lesson.h"
#include "ui/picture_notes.h"
#include "ui/qt/main/picture_box.h"
#include "ui/qt/readouts/readouts_window.h"
#include "ui/readouts_view.h"
#include "ui/render/fonts.h"
#include "ui/render/qt_layout.h"

namespace airfoil {

namespace {

QString tr_(const char* text) { return QCoreApplication::translate("Readouts", text); }

// A note on a picture looks and exports exactly like the designed labels
// beside the axes: an opaque light-yellow box with black text. It exists
// only while it has something to say, so the designed picture is unchanged.
void set_note(QLabel*& note, QWidget* picture, const QString& text, double zoom) {
  if (text.isEmpty()) {
    delete note;
    note = nullptr;
    return;
  }
  if (note == nullptr) {
    note = new QLabel(picture);
    note->setTextFormat(Qt::PlainText);
    note->setAttribute(Qt::WA_TransparentForMouseEvents);
    note->setAutoFillBackground(true);
    QPalette colours = note->palette();
    colours.setColor(QPalette::Window, to_qcolor(kLightYellow));
    colours.setColor(QPalette::WindowText, to_qcolor(kAnnotationText));
    note->setPalette(colours);
    note->show();
  }
  note->setFont(zoomed(to_qfont(font_of(Face::tick)), zoom));
  note->setText(text);
  note->adjustSize();
}

}  // namespace

LessonNotes::LessonNotes(QWidget& parent, const std::array<PictureBox*, 5>& pictures, const Form1& form)
    : QObject(&parent), pictures_(pictures), form_(form) {
  presets_ = new QMenu(tr_(kPresetsMenuText), &parent);
  presets_->setObjectName("Mn_Presets");
  for (const Preset& preset : kPresets) {
    QAction* a = presets_->addAction(QCoreApplication::translate(kPresetsContext, preset.name));
    connect(a, &QAction::triggered, this,
            [this, &preset] { emit requested([&preset](Form1& f) { apply_preset(f, preset); }); });
  }
  unpin_ = new QMenu(tr_(kUnpinMenuText), &parent);
  unpin_->setObjectName("Mn_Unpin");
  connect(unpin_, &QMenu::aboutToShow, this, &LessonNotes::fill_unpin_menu);
  for (PictureBox* picture : pictures_) picture->installEventFilter(this);
}

QString LessonNotes::pressure_notice() const { return notice_ != nullptr ? notice_->text() : QString(); }

void LessonNotes::fill_unpin_menu() {
  unpin_->clear();
  const std::vector<Phrase> legend = reference_legend(form_.w);
  for (std::size_t k = 0; k < legend.size(); ++k) {
    connect(unpin_->addAction(said(legend[k])), &QAction::triggered, this,
            [this, k] { emit requested([k](Form1& f) { unpin_case(f, k); }); });
  }
  if (legend.empty()) unpin_->addAction(tr_(kNoReferenceText))->setEnabled(false);
}

// After every cycle: the readouts, and on the pressure picture what the
// eye must not miss. Nothing shows there while the correction holds and the
// curve stays on the chart, so the designed window is unchanged.
void LessonNotes::follow(double zoom) {
  const Readouts r = form_.readouts();
  PictureBox* pressure = pictures_[static_cast<std::size_t>(SurfaceId::pressure)];
  const QString notice = said(supercritical_notice(r));
  const QString described = pressure->accessibleDescription();
  const int cut = described.indexOf(QStringLiteral(" ⚠ "));
  const QString base = cut < 0 ? described : described.left(cut);
  pressure->setAccessibleDescription(notice.isEmpty() ? base : base + QStringLiteral(" ⚠ ") + notice);

  const std::vector<PictureNote> notes = pressure_notes(r);
  const auto text_of = [&notes](PictureNote::Kind kind) {
    for (const PictureNote& note : notes) {
      if (note.kind == kind) return said(note.text);
    }
    return QString();
  };
  set_note(notice_, pressure, text_of(PictureNote::Kind::notice), zoom);
  set_note(sonic_, pressure, text_of(PictureNote::Kind::sonic), zoom);
  set_note(peak_, pressure, text_of(PictureNote::Kind::peak), zoom);
  const auto& scale = pressure->recording().scale();
  if (!scale) return;
  std::vector<QLabel*> shown;
  std::vector<std::array<int, 2>> sizes;
  for (const PictureNote& note : notes) {
    QLabel* label = note.kind == PictureNote::Kind::notice  ? notice_
                    : note.kind == PictureNote::Kind::sonic ? sonic_
                                                            : peak_;
    shown.push_back(label);
    sizes.push_back({label->width(), label->height()});
  }
  const std::vector<NotePlace> places =
      place_notes(notes, sizes, *scale, pressure->width(), pressure->height());
  for (std::size_t k = 0; k < shown.size(); ++k) shown[k]->move(places[k].left, places[k].top);
}

// The tooltip of a picture starts with the value under the mouse, in the
// picture's own axes.
bool LessonNotes::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* picture = static_cast<PictureBox*>(watched);
    const auto& s = picture->recording().scale();
    int id = 0;
    while (id < 5 && pictures_[static_cast<std::size_t>(id)] != picture) ++id;
    if (s && id < 5 && picture->width() > 0 && picture->height() > 0) {
      const QPoint at = static_cast<QHelpEvent*>(event)->pos();
      const QString value = QString::fromStdString(value_under_pointer(
          static_cast<SurfaceId>(id), *s, picture->width(), picture->height(), at.x(), at.y()));
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                         value + QLatin1Char('\n') + picture->toolTip(), picture);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace airfoil
