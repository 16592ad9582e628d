#include "ui/qt/readouts/readouts_window.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>

#include <algorithm>
#include <cmath>
#include <utility>

#include "charts/colours.h"
#include "ui/export_csv.h"
#include "ui/key_table.h"
#include "ui/render/fonts.h"
#include "ui/render/qt_layout.h"

namespace airfoil {

namespace {

QString tr_(const char* text) { return QCoreApplication::translate("Readouts", text); }

QString num(double x, int decimals) { return QString::number(x, 'f', decimals); }

}  // namespace

QString said(const Phrase& phrase) {
  return QString::fromStdString(render(phrase, [](const std::string& source) {
    return QCoreApplication::translate(kReadoutsContext, source.c_str()).toStdString();
  }));
}

SweepChart::SweepChart(QString title, QString name, QWidget* parent)
    : QWidget(parent), title_(std::move(title)), name_(std::move(name)) {
  setMinimumSize(260, 150);
  setContextMenuPolicy(Qt::CustomContextMenu);
  dialogs = window_dialogs(*this);
  menu_ = new QMenu(this);
  fill_picture_menu(
      *menu_, [this] { return picture(); }, dialogs,
      PictureData{name_ + QStringLiteral(".csv"), [this] { return QByteArray::fromStdString(table()); }});
  popup_on_request(*this, *menu_);
}

PaintedPicture SweepChart::picture() const {
  // The text is sized in the chart's own pixels, so that it keeps its place
  // on a device of any resolution.
  QFont text = font();
  text.setPixelSize(QFontInfo(font()).pixelSize());
  return {name_, size(), to_qcolor(kLightYellow),
          [this, text, size = size()](QPainter& p, double scale, Placement) {
            p.save();
            p.scale(scale, scale);
            p.setFont(text);
            paint(p, size);
            p.restore();
          }};
}

std::string SweepChart::table() const {
  std::string out = "ratio,cl,cm\n";
  for (const SweepPoint& s : points_) {
    out += shortest_text(s.ratio);
    out += ',';
    out += shortest_text(s.cl);
    out += ',';
    out += shortest_text(s.cm);
    out += '\n';
  }
  return out;
}

void SweepChart::set_points(std::vector<SweepPoint> points, double live_ratio, bool moment) {
  points_ = std::move(points);
  live_ratio_ = live_ratio;
  moment_ = moment;
  update();
}

// The chart scales itself to its values, with zero always in view, so that
// the sign of CM and the growth of CL both read at a glance.
void SweepChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paint(p, size());
}

void SweepChart::paint(QPainter& p, QSize size) const {
  const int w = size.width();
  const int h = size.height();
  p.fillRect(QRect(QPoint(0, 0), size), to_qcolor(kLightYellow));
  p.setRenderHint(QPainter::Antialiasing, true);
  p.drawText(QRect(4, 2, w - 8, 16), Qt::AlignLeft, title_);
  if (points_.empty()) return;
  const auto value = [&](const SweepPoint& s) { return moment_ ? s.cm : s.cl; };
  double lo = 0, hi = 0;
  for (const SweepPoint& s : points_) {
    lo = std::min(lo, value(s));
    hi = std::max(hi, value(s));
  }
  if (hi - lo < 1e-9) hi = lo + 1;
  const double x0 = points_.front().ratio, x1 = std::max(points_.back().ratio, x0 + 1e-9);
  const QRectF area(36, 22, w - 46, h - 40);
  const auto at = [&](double x, double y) {
    return QPointF(area.left() + (x - x0) / (x1 - x0) * area.width(),
                   area.bottom() - (y - lo) / (hi - lo) * area.height());
  };
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(at(x0, 0), at(x1, 0));
  p.drawText(QRectF(0, at(x0, hi).y() - 7, 34, 14), Qt::AlignRight, num(hi, 2));
  p.drawText(QRectF(0, at(x0, lo).y() - 7, 34, 14), Qt::AlignRight, num(lo, 2));
  p.drawText(QRectF(area.left() - 10, area.bottom() + 2, 40, 14), Qt::AlignLeft, num(x0, 2));
  p.drawText(QRectF(area.right() - 30, area.bottom() + 2, 40, 14), Qt::AlignRight, num(x1, 2));
  QPainterPath curve;
  curve.moveTo(at(points_.front().ratio, value(points_.front())));
  for (const SweepPoint& s : points_) curve.lineTo(at(s.ratio, value(s)));
  p.setPen(QPen(to_qcolor(kBlue), 1.5));
  p.drawPath(curve);
  for (const SweepPoint& s : points_) {
    if (std::fabs(s.ratio - live_ratio_) < 1e-9) {
      p.setPen(QPen(to_qcolor(kRed), 2));
      p.drawEllipse(at(s.ratio, value(s)), 4, 4);
    }
  }
}

ReadoutsWindow::ReadoutsWindow() {
  setObjectName("Form_Readouts");
  setWindowTitle(tr_(QT_TRANSLATE_NOOP("Readouts", "Okumalar")));
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(tr_(QT_TRANSLATE_NOOP("Readouts", "<b>Büyüklük</b>")), this), 0, 0);
  grid->addWidget(new QLabel(tr_(QT_TRANSLATE_NOOP("Readouts", "<b>Bu kesit</b>")), this), 0, 1);
  grid->addWidget(new QLabel(tr_(QT_TRANSLATE_NOOP("Readouts", "<b>İnce kanat kuramı</b>")), this), 0, 2);
  add_row("cl", QT_TRANSLATE_NOOP("Readouts", "CL"),
          QT_TRANSLATE_NOOP("Readouts", "CL = 8π (R/c) sin(α + βTE); ince kanat: 2π (α − αL0)"));
  add_row(
      "cm", QT_TRANSLATE_NOOP("Readouts", "CM (xM çevresinde)"),
      QT_TRANSLATE_NOOP("Readouts", "CM = 4π/c² sin 2α + CL (ε cos α − δ sin α)/c + CL (xM + xShift) cos α"));
  add_row("cl_corrected", QT_TRANSLATE_NOOP("Readouts", "CL, düzeltilmiş"),
          QT_TRANSLATE_NOOP("Readouts", "Prandtl-Glauert: CL / √(1 − Moo²), çizilen Moo ile"));
  add_row("cm_corrected", QT_TRANSLATE_NOOP("Readouts", "CM, düzeltilmiş"),
          QT_TRANSLATE_NOOP("Readouts", "Prandtl-Glauert: CM / √(1 − Moo²), çizilen Moo ile"));
  add_row("alpha_zero_lift_deg", QT_TRANSLATE_NOOP("Readouts", "Sıfır taşıma açısı αL0"),
          QT_TRANSLATE_NOOP("Readouts", "αL0 = −βTE = −atan(δ / (1 + ε)); ince kanat: −2 f/c"));
  add_row("cl_alpha", QT_TRANSLATE_NOOP("Readouts", "dCL/dα (αL0'da)"),
          QT_TRANSLATE_NOOP("Readouts", "dCL/dα = 8π R/c (1/rad) = 8π R/c · π/180 (1/°); ince kanat: 2π"));
  add_row("x_ac", QT_TRANSLATE_NOOP("Readouts", "Aerodinamik merkez x_ac/c"),
          QT_TRANSLATE_NOOP("Readouts", "Bu α'da dCM/dα = 0 olan nokta; ince kanat: c/4"));
  add_row("cm_ac", QT_TRANSLATE_NOOP("Readouts", "CM (x_ac çevresinde)"),
          QT_TRANSLATE_NOOP("Readouts", "CM, x_ac çevresinde, bu α'da; ince kanat: c/4 çevresinde −π f/c"));
  add_row("cp_min", QT_TRANSLATE_NOOP("Readouts", "Cp_min"),
          QT_TRANSLATE_NOOP(
              "Readouts",
              "Tam yüzeyde en düşük Cp = 1 − V², dairedeki açı üzerinde en küçüklenir (nP'den bağımsız)"));
  add_row("x_cp_min", QT_TRANSLATE_NOOP("Readouts", "Cp_min'in x/c'si"),
          QT_TRANSLATE_NOOP("Readouts", "Tam yüzeyde en düşük basıncın yeri"));
  add_row("m_crit", QT_TRANSLATE_NOOP("Readouts", "Kritik Mach sayısı Mkritik"),
          QT_TRANSLATE_NOOP(
              "Readouts",
              "Cp_min / √(1 − M²) = Cp*(M), Cp* = 2/(γM²)·[((2 + (γ−1)M²)/(γ+1))^(γ/(γ−1)) − 1], γ = 1.4"));
  add_row("cp_star", QT_TRANSLATE_NOOP("Readouts", "Ses hızı Cp* (çizilen Moo)"),
          QT_TRANSLATE_NOOP("Readouts", "Cp* = 2/(γM²)·[((2 + (γ−1)M²)/(γ+1))^(γ/(γ−1)) − 1], γ = 1.4"));
  const int row = grid->rowCount();
  notice_ = new QLabel(this);
  notice_->setObjectName("Label_Supercritical");
  notice_->setWordWrap(true);
  notice_->setStyleSheet("QLabel { color: #b00000; font-weight: bold; }");
  grid->addWidget(notice_, row, 0, 1, 3);
  legend_ = new QLabel(this);
  legend_->setObjectName("Label_References");
  grid->addWidget(legend_, row + 1, 0, 1, 3);
  sweeps_ = {new SweepChart(tr_(QT_TRANSLATE_NOOP("Readouts", "CL − kamburluk f/c")),
                            QStringLiteral("sweep_cl_camber"), this),
             new SweepChart(tr_(QT_TRANSLATE_NOOP("Readouts", "CM (xM) − kamburluk f/c")),
                            QStringLiteral("sweep_cm_camber"), this),
             new SweepChart(tr_(QT_TRANSLATE_NOOP("Readouts", "CL − kalınlık t/c")),
                            QStringLiteral("sweep_cl_thickness"), this),
             new SweepChart(tr_(QT_TRANSLATE_NOOP("Readouts", "CM (xM) − kalınlık t/c")),
                            QStringLiteral("sweep_cm_thickness"), this)};
  auto* charts = new QGridLayout;
  for (int i = 0; i < 4; ++i) charts->addWidget(sweeps_[static_cast<std::size_t>(i)], i / 2, i % 2);
  grid->addLayout(charts, row + 2, 0, 1, 3);

  connect(new QShortcut(QKeySequence(key_entry(Command::close_window).shortcut), this), &QShortcut::activated,
          this, &QWidget::close);
  designed_font_ = font();
}

void ReadoutsWindow::set_zoom(double zoom) {
  setFont(zoomed(designed_font_, zoom));
  for (SweepChart* chart : sweeps_) chart->setMinimumSize(qRound(260 * zoom), qRound(150 * zoom));
  adjustSize();
}

void ReadoutsWindow::follow(const Window& w) { show_case(w, compute_readouts(w)); }

void ReadoutsWindow::add_row(const char* key, const char* name, const char* formula) {
  auto* grid = static_cast<QGridLayout*>(layout());
  const int row = grid->rowCount();
  auto* label = new QLabel(tr_(name), this);
  auto* value = new QLabel(this);
  auto* thin = new QLabel(this);
  value->setObjectName(QString("Readout_") + key);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  for (QLabel* l : {label, value, thin}) l->setToolTip(tr_(formula));
  grid->addWidget(label, row, 0);
  grid->addWidget(value, row, 1);
  grid->addWidget(thin, row, 2);
  rows_.push_back({key, value, thin});
}

void ReadoutsWindow::set(const char* key, const QString& value, const QString& thin) {
  for (Row& row : rows_) {
    if (QString(row.key) == key) {
      row.value->setText(value);
      row.thin->setText(thin);
    }
  }
}

QString ReadoutsWindow::value_text(const char* key) const {
  for (const Row& row : rows_) {
    if (QString(row.key) == key) return row.value->text();
  }
  return {};
}

QString ReadoutsWindow::notice() const { return notice_->text(); }

void ReadoutsWindow::show_case(const Window& w, const Readouts& r) {
  const QString none = said(number_or_reason(std::nullopt, NoValue::no_geometry, 0));
  const auto live = [&](double x, int d) { return r.geometry ? num(x, d) : none; };
  const QString not_drawn = tr_(QT_TRANSLATE_NOOP("Readouts", "düzeltme çizilmedi"));
  set("cl", live(r.cl, 4));
  set("cm", live(r.cm, 5),
      tr_(QT_TRANSLATE_NOOP("Readouts", "c/4 çevresinde %1")).arg(num(r.thin_cm_quarter, 4)));
  set("cl_corrected", r.cl_corrected ? tr_(QT_TRANSLATE_NOOP("Readouts", "%1 (Moo %2)"))
                                           .arg(num(*r.cl_corrected, 4), QString::number(r.moo_lift))
                                     : not_drawn);
  set("cm_corrected", r.cm_corrected ? tr_(QT_TRANSLATE_NOOP("Readouts", "%1 (Moo %2)"))
                                           .arg(num(*r.cm_corrected, 5), QString::number(r.moo_moment))
                                     : not_drawn);
  set("alpha_zero_lift_deg", live(r.alpha_zero_lift_deg, 2) + QStringLiteral("°"),
      num(r.thin_alpha_zero_lift_deg, 2) + QStringLiteral("°"));
  set("cl_alpha",
      r.geometry ? tr_(QT_TRANSLATE_NOOP("Readouts", "%1 /rad = %2 /°"))
                       .arg(num(r.cl_alpha_per_rad, 4), num(r.cl_alpha_per_deg, 5))
                 : none,
      tr_(QT_TRANSLATE_NOOP("Readouts", "%1 /rad")).arg(num(r.thin_cl_alpha_per_rad, 4)));
  set("x_ac", said(number_or_reason(r.x_ac, r.ac_missing, 4)), QStringLiteral("0.25"));
  set("cm_ac", said(number_or_reason(r.cm_ac, r.ac_missing, 5)), num(r.thin_cm_quarter, 4));
  set("cp_min", said(number_or_reason(r.cp_min, r.peak_missing, 4)));
  set("x_cp_min", said(number_or_reason(r.x_cp_min, r.peak_missing, 4)));
  set("m_crit", said(number_or_reason(r.m_crit, r.peak_missing, 3)));
  set("cp_star", r.cp_star ? tr_(QT_TRANSLATE_NOOP("Readouts", "%1 (Moo %2)"))
                                 .arg(num(*r.cp_star, 4), QString::number(r.moo_pressure))
                           : not_drawn);
  notice_->setText(said(supercritical_notice(r)));
  notice_->setVisible(!notice_->text().isEmpty());
  QStringList legend;
  for (const Phrase& line : reference_legend(w)) legend << said(line);
  legend_->setText(legend.isEmpty()
                       ? tr_(QT_TRANSLATE_NOOP("Readouts", "Referans yok (Ctrl+K sabitler)."))
                       : tr_(QT_TRANSLATE_NOOP("Readouts", "Referanslar:\n")) + legend.join('\n'));
  if (!isVisible()) return;  // the sweeps cost a catalogue pass each; only for a shown window
  const std::vector<SweepPoint> cambers = sweep(w, true);
  const std::vector<SweepPoint> thicknesses = sweep(w, false);
  sweeps_[0]->set_points(cambers, w.Camber, false);
  sweeps_[1]->set_points(cambers, w.Camber, true);
  sweeps_[2]->set_points(thicknesses, w.Thickness, false);
  sweeps_[3]->set_points(thicknesses, w.Thickness, true);
}

}  // namespace airfoil
