#include "ui/qt/main/hscrollbar.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyleOptionSlider>

namespace airfoil {

HScrollBar::HScrollBar(const QString& name, const ScrollBar& settings, QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent) {
  setObjectName(name);
  const QSignalBlocker quiet(this);
  setRange(settings.Min, settings.Max);
  setSingleStep(settings.SmallChange);
  setPageStep(settings.LargeChange);
  setValue(settings.Value);
  // A dragged thumb only moves the thumb; the value (and with it the change
  // event) follows once, at the release.
  setTracking(false);
  // Scroll bars take part in the tab order and step with the arrow keys.
  setFocusPolicy(Qt::StrongFocus);
}

QRect HScrollBar::part_rect(QStyle::SubControl part) const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  return style()->subControlRect(QStyle::CC_ScrollBar, &option, part, this);
}

bool HScrollBar::event(QEvent* event) {
  // A message box that opens during a cycle blocks the window but not this
  // bar's repeat timer: an arrow held down when the box appeared would go on
  // stepping, each step raising another cycle and another box beneath the
  // first. Letting go of the press ends the repeat.
  if (event->type() == QEvent::WindowBlocked && auto_repeating()) {
    const QPointF inside(1, 1);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, mapToGlobal(inside), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QScrollBar::mouseReleaseEvent(&release);
  }
  return QScrollBar::event(event);
}

void HScrollBar::keyPressEvent(QKeyEvent* event) {
  // The toolkit's scroll bars read the arrow and page keys as a vertical bar
  // would (Left and Page Down step towards the maximum). On a horizontal bar
  // of this window, Right, Down and Page Down step towards the maximum,
  // Left, Up and Page Up towards the minimum, Home and End jump to the ends.
  SliderAction action = SliderNoAction;
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down: action = SliderSingleStepAdd; break;
    case Qt::Key_Left:
    case Qt::Key_Up: action = SliderSingleStepSub; break;
    case Qt::Key_PageDown: action = SliderPageStepAdd; break;
    case Qt::Key_PageUp: action = SliderPageStepSub; break;
    case Qt::Key_Home: action = SliderToMinimum; break;
    case Qt::Key_End: action = SliderToMaximum; break;
    default: QScrollBar::keyPressEvent(event); return;
  }
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    event->ignore();
    return;
  }
  triggerAction(action);
  event->accept();
}

}  // namespace airfoil
