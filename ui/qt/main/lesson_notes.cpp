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
#include "ui/qt/main/picture_box.h"
#include "ui/qt/readouts/readouts_window.h"
#include "ui/readouts_view.h"
#include "ui/render/fonts.h"
#include "ui/render/qt_layout.h"

namespace airfoil {

namespace {

QString tr_(const char* text) { return QCoreApplication::translate("Readouts", text); }

// The two axes each picture plots, for the value under the mouse.
struct Axes {
  const char* x;
  const char* y;
};
constexpr Axes kAxes[5] = {{"ξ", "η"}, {"x/c", "y/c"}, {"x/c", "1 − Cp"}, {"α (°)", "CL"}, {"α (°)", "CM"}};

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

// The picture point of a user coordinate pair, as the picture's last Scale maps it.
QPointF to_widget(const PictureBox& p, double ux, double uy) {
  const auto& s = p.recording().scale();
  if (!s) return {};
  return {(ux - (*s)[0]) / ((*s)[2] - (*s)[0]) * p.width(),
          (uy - (*s)[1]) / ((*s)[3] - (*s)[1]) * p.height()};
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
  set_note(notice_, pressure, said(short_notice(r)), zoom);
  if (notice_ != nullptr) notice_->move(std::max(0, pressure->width() - notice_->width() - 2), 2);
  const QString described = pressure->accessibleDescription();
  const int cut = described.indexOf(QStringLiteral(" ⚠ "));
  const QString base = cut < 0 ? described : described.left(cut);
  pressure->setAccessibleDescription(notice.isEmpty() ? base : base + QStringLiteral(" ⚠ ") + notice);

  // The sonic line's name at its right end, in the margin beyond x/c = 1.
  set_note(sonic_, pressure, r.cp_star ? QStringLiteral("Cp*") : QString(), zoom);
  if (sonic_ != nullptr) {
    const QPointF at = to_widget(*pressure, 1.0, -(1 - *r.cp_star));
    sonic_->move(static_cast<int>(at.x()) + 2, static_cast<int>(at.y()) - sonic_->height() / 2);
  }

  // The chart shows 1 - Cp up to 5.5: a higher peak is written at the top edge.
  const double factor = r.moo_pressure != 0 ? std::sqrt(1 - r.moo_pressure * r.moo_pressure) : 1;
  const bool off = r.cp_min && r.x_cp_min && 1 - *r.cp_min / factor > 5.5;
  set_note(peak_, pressure,
           off ? QStringLiteral("↑ 1-Cp = %1").arg(1 - *r.cp_min / factor, 0, 'f', 2) : QString(), zoom);
  if (peak_ != nullptr) {
    const QPointF at = to_widget(*pressure, *r.x_cp_min, -5.5);
    peak_->move(std::clamp(static_cast<int>(at.x()) - 6, 0, std::max(0, pressure->width() - peak_->width())),
                notice_ != nullptr ? notice_->geometry().bottom() + 2 : 2);
  }
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
      const double ux = (*s)[0] + at.x() * ((*s)[2] - (*s)[0]) / picture->width();
      const double uy = (*s)[1] + at.y() * ((*s)[3] - (*s)[1]) / picture->height();
      const QString value =
          QStringLiteral("%1 = %2, %3 = %4")
              .arg(QString::fromUtf8(kAxes[id].x), QString::number(ux, 'f', id >= 3 ? 1 : 3),
                   QString::fromUtf8(kAxes[id].y), QString::number(-uy, 'f', 3));
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                         value + QLatin1Char('\n') + picture->toolTip(), picture);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace airfoil
