// A horizontal scroll bar that raises its change event only when its value
// has settled: arrow clicks, track clicks, keyboard steps and the release of
// a dragged thumb.
#pragma once

#include <QScrollBar>
#include <QStyle>

#include "model/window.h"

namespace airfoil {

class HScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  HScrollBar(const QString& name, const ScrollBar& settings, QWidget* parent);

  // The rectangle of one part of the bar (arrows, track halves, thumb) in
  // widget coordinates, as the current style lays it out.
  QRect part_rect(QStyle::SubControl part) const;

  // Whether a held arrow or track press is stepping the bar by itself.
  bool auto_repeating() const { return repeatAction() != SliderNoAction; }

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace airfoil
