// The readouts window (F3): the key numbers of the drawn case beside their
// thin-airfoil values, the compressibility notice, the pinned references'
// legend, and CL and CM swept against camber and thickness.
#pragma once

#include <QFont>
#include <QSize>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "model/readouts.h"
#include "ui/lesson.h"
#include "ui/qt/dialogs/picture_menu.h"
#include "ui/readout_texts.h"
#include "ui/readouts_view.h"

class QLabel;
class QMenu;

namespace airfoil {

// CL or CM against a swept ratio, the live value marked: one small chart,
// drawn below the toolkit (ui/readouts_view.h) and replayed here.
class SweepChart : public QWidget {
 public:
  SweepChart(const SweepChartKind& kind, QWidget* parent);
  void set_points(std::vector<SweepPoint> points, double live_ratio);
  void set_zoom(double zoom);
  // The chart as it shows now, for the picture menu's copy and saves.
  PaintedPicture picture() const;
  // ratio,cl,cm: the swept sections, in the picture menu's CSV.
  std::string table() const;
  QMenu* menu() const { return menu_; }
  SaveDialogs dialogs;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  FlowDrawing drawing(QSize size) const;

  const SweepChartKind& kind_;
  QMenu* menu_ = nullptr;
  std::vector<SweepPoint> points_;
  double live_ratio_ = 0;
  FlowStyle style_;
};

// A phrase of the readouts in the language of the window.
QString said(const Phrase& phrase);

class ReadoutsWindow : public QWidget {
 public:
  ReadoutsWindow();
  // Follows the main window's drawn case.
  void follow(const Window& w);
  // Lays the window out at `zoom` times its designed size.
  void set_zoom(double zoom);
  // Shows the numbers of `w` as drawn now.
  void show_case(const Window& w, const Readouts& r);
  // The notice's text; empty when the correction holds.
  QString notice() const;
  // The sweeps: CL and CM against camber, then against thickness.
  SweepChart* sweep_chart(std::size_t k) const { return sweeps_.at(k); }
  // The value text of readout row `key` ("cl", "m_crit", ...).
  QString value_text(const char* key) const;

 private:
  struct Row {
    const char* key;
    QLabel* value;
    QLabel* thin;
  };
  void add_row(const ReadoutRow& row);

  std::vector<Row> rows_;
  QLabel* notice_ = nullptr;
  QLabel* legend_ = nullptr;
  std::array<SweepChart*, 4> sweeps_{};
  QFont designed_font_;
};

}  // namespace airfoil
