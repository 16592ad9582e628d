// The readouts window (F3): the key numbers of the drawn case beside their
// thin-airfoil values, the compressibility notice, the pinned references'
// legend, and CL and CM swept against camber and thickness.
#pragma once

#include <QFont>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "model/readouts.h"
#include "ui/lesson.h"
#include "ui/qt/dialogs/picture_menu.h"
#include "ui/readout_texts.h"

class QLabel;
class QMenu;
class QPainter;

namespace airfoil {

// CL or CM against a swept ratio, the live value marked: one small chart.
class SweepChart : public QWidget {
 public:
  // `name` is the file name offered when the chart is saved.
  SweepChart(QString title, QString name, QWidget* parent);
  void set_points(std::vector<SweepPoint> points, double live_ratio, bool moment);
  // The chart as it shows now, for the picture menu's copy and saves.
  PaintedPicture picture() const;
  // ratio,cl,cm: the swept sections, in the picture menu's CSV.
  std::string table() const;
  QMenu* menu() const { return menu_; }
  SaveDialogs dialogs;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void paint(QPainter& p, QSize size) const;

  QString title_;
  QString name_;
  QMenu* menu_ = nullptr;
  std::vector<SweepPoint> points_;
  double live_ratio_ = 0;
  bool moment_ = false;
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
  void add_row(const char* key, const char* name, const char* formula);
  void set(const char* key, const QString& value, const QString& thin = {});

  std::vector<Row> rows_;
  QLabel* notice_ = nullptr;
  QLabel* legend_ = nullptr;
  std::array<SweepChart*, 4> sweeps_{};
  QFont designed_font_;
};

}  // namespace airfoil
