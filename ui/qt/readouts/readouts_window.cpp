#include "ui/qt/readouts/readouts_window.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QShortcut>

#include <utility>

#include "charts/colours.h"
#include "ui/key_table.h"
#include "ui/render/flow_picture.h"
#include "ui/render/fonts.h"
#include "ui/render/qt_layout.h"

namespace airfoil {

namespace {

QString tr_(const char* text) { return QCoreApplication::translate("Readouts", text); }

}  // namespace

QString said(const Phrase& phrase) {
  return QString::fromStdString(render(phrase, [](const std::string& source) {
    return QCoreApplication::translate(kReadoutsContext, source.c_str()).toStdString();
  }));
}

SweepChart::SweepChart(const SweepChartKind& kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  setMinimumSize(kSweepChartWidth, kSweepChartHeight);
  setContextMenuPolicy(Qt::CustomContextMenu);
  dialogs = window_dialogs(*this);
  menu_ = new QMenu(this);
  const QString name = QString::fromUtf8(kind_.name);
  fill_picture_menu(
      *menu_, [this] { return picture(); }, dialogs,
      PictureData{name + QStringLiteral(".csv"), [this] { return QByteArray::fromStdString(table()); }});
  popup_on_request(*this, *menu_);
}

FlowDrawing SweepChart::drawing(QSize size) const {
  return draw_sweep_chart(points_, live_ratio_, kind_.moment, tr_(kind_.title).toStdString(), size.width(),
                          size.height(), style_, qt_text_metrics());
}

PaintedPicture SweepChart::picture() const {
  return {QString::fromUtf8(kind_.name), size(), to_qcolor(kLightYellow),
          [d = drawing(size())](QPainter& p, double scale, Placement) {
            p.save();
            p.scale(scale, scale);
            paint_drawing(p, d);
            p.restore();
          }};
}

std::string SweepChart::table() const { return sweep_table(points_); }

void SweepChart::set_points(std::vector<SweepPoint> points, double live_ratio) {
  points_ = std::move(points);
  live_ratio_ = live_ratio;
  setAccessibleDescription(said(sweep_description(kind_, points_, live_ratio_)));
  update();
}

void SweepChart::set_zoom(double zoom) {
  style_.zoom = zoom;
  setMinimumSize(qRound(kSweepChartWidth * zoom), qRound(kSweepChartHeight * zoom));
  update();
}

void SweepChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paint_drawing(p, drawing(size()));
}

ReadoutsWindow::ReadoutsWindow() {
  setObjectName("Form_Readouts");
  setWindowTitle(tr_(kReadoutsTitle));
  auto* grid = new QGridLayout(this);
  for (int column = 0; column < 3; ++column) {
    grid->addWidget(new QLabel(tr_(kReadoutHeadings[static_cast<std::size_t>(column)]), this), 0, column);
  }
  for (const ReadoutRow& row : kReadoutRows) add_row(row);
  const int row = grid->rowCount();
  notice_ = new QLabel(this);
  notice_->setObjectName("Label_Supercritical");
  notice_->setWordWrap(true);
  notice_->setStyleSheet("QLabel { color: #b00000; font-weight: bold; }");
  grid->addWidget(notice_, row, 0, 1, 3);
  legend_ = new QLabel(this);
  legend_->setObjectName("Label_References");
  grid->addWidget(legend_, row + 1, 0, 1, 3);
  for (std::size_t k = 0; k < sweeps_.size(); ++k) sweeps_[k] = new SweepChart(kSweepCharts[k], this);
  auto* charts = new QGridLayout;
  for (int i = 0; i < 4; ++i) charts->addWidget(sweeps_[static_cast<std::size_t>(i)], i / 2, i % 2);
  grid->addLayout(charts, row + 2, 0, 1, 3);

  connect(new QShortcut(QKeySequence(key_entry(Command::close_window).shortcut), this), &QShortcut::activated,
          this, &QWidget::close);
  designed_font_ = font();
}

void ReadoutsWindow::set_zoom(double zoom) {
  setFont(zoomed(designed_font_, zoom));
  for (SweepChart* chart : sweeps_) chart->set_zoom(zoom);
  adjustSize();
}

void ReadoutsWindow::follow(const Window& w) { show_case(w, compute_readouts(w)); }

void ReadoutsWindow::add_row(const ReadoutRow& row) {
  auto* grid = static_cast<QGridLayout*>(layout());
  const int at = grid->rowCount();
  auto* label = new QLabel(tr_(row.name), this);
  auto* value = new QLabel(this);
  auto* thin = new QLabel(this);
  value->setObjectName(QString("Readout_") + row.key);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  for (QLabel* l : {label, value, thin}) l->setToolTip(tr_(row.formula));
  grid->addWidget(label, at, 0);
  grid->addWidget(value, at, 1);
  grid->addWidget(thin, at, 2);
  rows_.push_back({row.key, value, thin});
}

QString ReadoutsWindow::value_text(const char* key) const {
  for (const Row& row : rows_) {
    if (QString(row.key) == key) return row.value->text();
  }
  return {};
}

QString ReadoutsWindow::notice() const { return notice_->text(); }

void ReadoutsWindow::show_case(const Window& w, const Readouts& r) {
  const std::vector<ReadoutCells> cells = readout_cells(r);
  for (std::size_t k = 0; k < rows_.size(); ++k) {
    rows_[k].value->setText(said(cells[k].value));
    rows_[k].thin->setText(said(cells[k].thin));
  }
  notice_->setText(said(supercritical_notice(r)));
  notice_->setVisible(!notice_->text().isEmpty());
  legend_->setText(said(readouts_legend(w)));
  if (!isVisible()) return;  // the sweeps cost a catalogue pass each; only for a shown window
  const Sweeps sweeps = sweeps_of(w);
  for (std::size_t k = 0; k < sweeps_.size(); ++k) {
    sweeps_[k]->set_points(sweeps.of(kSweepCharts[k]), sweeps.live(kSweepCharts[k]));
  }
}

}  // namespace airfoil
