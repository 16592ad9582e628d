#include "ui/qt/boundary_layer/boundary_layer_window.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/export_csv.h"
#include "ui/key_table.h"
#include "ui/render/fonts.h"

namespace airfoil {

namespace {

QString translated(const char* source) { return QCoreApplication::translate("BoundaryLayerWindow", source); }

// The designed size: four pictures in two rows and the numbers beside them.
constexpr int kWidth = 1040, kHeight = 620;
constexpr double kPoints = 9;

QString fixed(double x, int decimals) {
  QString text = QString::number(x, 'f', decimals);
  if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0) text.remove(0, 1);
  return text;
}

QString reynolds_text(double re) {
  // 1e6 rather than 1e+06: the form a student types.
  QString text = QString::number(re, 'g', 6);
  return text.replace(QStringLiteral("e+0"), QStringLiteral("e"))
      .replace(QStringLiteral("e+"), QStringLiteral("e"));
}

QString failure_text(BoundaryLayerFailure failure) {
  switch (failure) {
    case BoundaryLayerFailure::none: return {};
    case BoundaryLayerFailure::no_section:
      return translated(QT_TRANSLATE_NOOP(
          "BoundaryLayerWindow", "Henüz kesit yok: ana pencerede bir kalınlık ya da kamburluk seçin."));
    case BoundaryLayerFailure::sharp_leading_edge:
      return translated(QT_TRANSLATE_NOOP(
          "BoundaryLayerWindow",
          "Kalınlığı sıfır olan kesitin hücum kenarı keskindir: hücum açısında akış bu kenarın çevresinden "
          "sonsuz hızla döner, sınır tabakası hesaplanamaz."));
    case BoundaryLayerFailure::side_too_short:
      return translated(QT_TRANSLATE_NOOP(
          "BoundaryLayerWindow", "Durma noktası firar kenarına çok yakın: bir yüzey hesap için çok kısa."));
    case BoundaryLayerFailure::not_finite:
      return translated(QT_TRANSLATE_NOOP(
          "BoundaryLayerWindow", "Sınır tabakası hesabı firar kenarına ulaşamadı (sonlu olmayan değer)."));
    case BoundaryLayerFailure::reynolds_out_of_range:
      return translated(
          QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Reynolds sayısı 1e5 ile 1e8 arasında olmalı."));
  }
  return {};
}

}  // namespace

BoundaryLayerView::BoundaryLayerView(BoundaryLayerWindow& window, BoundaryLayerPlot plot)
    : QWidget(&window), window_(window), plot_(plot) {
  setObjectName(plot_name(plot));
  setMinimumSize(200, 150);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setContextMenuPolicy(Qt::CustomContextMenu);
  menu_ = new QMenu(this);
  menu_->setObjectName(objectName() + "_menu");
  popup_on_request(*this, *menu_);
}

void BoundaryLayerView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paint_boundary_layer_plot(painter, size(), plot_, window_.shown_case(), window_.zoom());
}

BoundaryLayerWindow::BoundaryLayerWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName("Form_BoundaryLayer");
  setWindowTitle(translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Sınır tabakası")));
  setAccessibleName(windowTitle());

  // The pictures' menus save through these: made first.
  dialogs = window_dialogs(*this);

  auto* pictures = new QGridLayout;
  pictures->setSpacing(4);
  const BoundaryLayerPlot order[] = {BoundaryLayerPlot::section, BoundaryLayerPlot::polar,
                                     BoundaryLayerPlot::cf, BoundaryLayerPlot::h};
  for (int k = 0; k < 4; ++k) {
    auto* v = new BoundaryLayerView(*this, order[k]);
    views_[static_cast<std::size_t>(order[k])] = v;
    v->setAccessibleName(plot_title(order[k]));
    pictures->addWidget(v, k / 2, k % 2);
    build_menu(*v);
  }

  numbers_ = new QLabel(this);
  numbers_->setObjectName("BoundaryLayerNumbers");
  numbers_->setTextFormat(Qt::PlainText);
  numbers_->setWordWrap(true);
  numbers_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  numbers_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  re_label_ = new QLabel(QStringLiteral("Re ="), this);
  re_box_ = new QLineEdit(this);
  re_box_->setObjectName("BoundaryLayerRe");
  re_box_->setAccessibleName(translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Veter Reynolds sayısı")));
  re_box_->setToolTip(translated(QT_TRANSLATE_NOOP(
      "BoundaryLayerWindow", "Veter Reynolds sayısı, 1e5 ile 1e8 arası (örneğin 3e6); Enter uygular.")));
  re_label_->setBuddy(re_box_);
  connect(re_box_, &QLineEdit::returnPressed, this, [this] { apply_reynolds_text(re_box_->text()); });
  connect(re_box_, &QLineEdit::editingFinished, this, [this] {
    if (!re_box_->hasFocus()) show_reynolds();  // left without Return: the value stays as it was
  });

  auto* re_row = new QHBoxLayout;
  re_row->addWidget(re_label_);
  re_row->addWidget(re_box_, 1);
  auto* side = new QVBoxLayout;
  side->addLayout(re_row);
  side->addWidget(numbers_, 1);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(pictures, 3);
  layout->addLayout(side, 1);

  connect(new QShortcut(QKeySequence(key_entry(Command::close_window).shortcut), this), &QShortcut::activated,
          this, &QWidget::close);
  show_reynolds();
  set_zoom(1.0);
}

void BoundaryLayerWindow::set_state(const WindowState& state) {
  state_ = state;
  has_state_ = true;
  recompute();
}

void BoundaryLayerWindow::follow(const WindowState& s) {
  const std::array<double, 8> key{s.Eps, s.Delta, s.AlfaD, s.Chord, s.Radius, s.BetaTE, s.xShift, s.pi};
  if (followed_ == key) return;
  followed_ = key;
  set_state(s);
}

void BoundaryLayerWindow::set_zoom(double zoom) {
  zoom_ = zoom;
  const QFont font = verdana_font(kPoints * zoom);
  for (QWidget* w :
       {static_cast<QWidget*>(numbers_), static_cast<QWidget*>(re_label_), static_cast<QWidget*>(re_box_)}) {
    w->setFont(font);
  }
  resize(qRound(kWidth * zoom), qRound(kHeight * zoom));
  update();
}

bool BoundaryLayerWindow::apply_reynolds_text(const QString& text) {
  bool ok = false;
  const double re = QLocale::c().toDouble(text.trimmed(), &ok);
  if (!ok || !reynolds_in_range(re)) {
    show_reynolds();
    return false;
  }
  re_ = re;
  show_reynolds();
  recompute();
  return true;
}

void BoundaryLayerWindow::show_reynolds() { re_box_->setText(reynolds_text(re_)); }

void BoundaryLayerWindow::recompute() {
  if (has_state_) {
    case_ = boundary_layer_case(state_, re_);
  } else {
    case_ = BoundaryLayerCase{};
    case_.layer.failure = BoundaryLayerFailure::no_section;
  }
  numbers_->setText(numbers_text());
  for (BoundaryLayerView* v : views_) v->update();
}

QString BoundaryLayerWindow::numbers_text() const {
  const BoundaryLayer& l = case_.layer;
  QStringList lines;
  lines << QStringLiteral("Re = %1,  α = %2°")
               .arg(reynolds_text(re_), QString::number(case_.alpha_deg, 'g', 6));
  if (l.failure != BoundaryLayerFailure::none) {
    lines << QString() << failure_text(l.failure);
  } else {
    const auto x_text = [](double x) { return fixed(x, 3); };
    const auto sep_text = [&](const std::optional<double>& x) {
      return x ? x_text(*x) : translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "yok"));
    };
    lines << QStringLiteral("CD = %1").arg(fixed(*l.cd, 5))
          << translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "  sürtünme %1, basınç %2"))
                 .arg(fixed(*l.cd_friction, 5), fixed(*l.cd - *l.cd_friction, 5))
          << QStringLiteral("CL = %1").arg(fixed(case_.cl, 4)) +
                 translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", " (viskozitesiz)"))
          << QStringLiteral("L/D = %1").arg(fixed(case_.cl / *l.cd, 1)) << QString()
          << translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Geçiş x/c: üst %1, alt %2"))
                 .arg(x_text(l.upper.x_transition), x_text(l.lower.x_transition))
          << translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Ayrılma x/c: üst %1, alt %2"))
                 .arg(sep_text(l.upper.x_separation), sep_text(l.lower.x_separation));
    if (l.upper.transition_at_laminar_separation || l.lower.transition_at_laminar_separation) {
      lines << translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow",
                                            "Geçiş, laminer ayrılma noktasında (kısa ayrılma kabarcığı)."));
    }
    if (l.stall_warning) {
      lines << QString()
            << translated(QT_TRANSLATE_NOOP(
                   "BoundaryLayerWindow",
                   "Dikkat: sınır tabakası veterin %95'inden önce ayrılıyor. Tutunma kaybı (stall) başlıyor; "
                   "bu açıda viskozitesiz CL ve CM'ye güvenilmez, CD de yalnızca bir tahmindir."));
    }
  }
  lines << QString()
        << translated(QT_TRANSLATE_NOOP(
               "BoundaryLayerWindow",
               "Mavi üst, kırmızı alt yüzey (durma noktasından firar kenarına). Sınır tabakası kesin "
               "viskozitesiz yüzey hızından hesaplanır ve akışı geri etkilemez; sıkıştırılabilirlik (Moo) "
               "sınır tabakasına uygulanmaz."));
  return lines.join(QLatin1Char('\n'));
}

PaintedPicture BoundaryLayerWindow::picture(BoundaryLayerPlot p) const {
  const BoundaryLayerView* v = view(p);
  const BoundaryLayerCase shown = case_;
  const double zoom = zoom_;
  const QSize size = v->size();
  return {plot_name(p), size, Qt::white, [shown, zoom, size, p](QPainter& painter, double scale, Placement) {
            // These plots are painted in floating-point coordinates at every
            // scale, so a vector output is exact whatever placement it asks.
            painter.save();
            painter.scale(scale, scale);
            paint_boundary_layer_plot(painter, size, p, shown, zoom);
            painter.restore();
          }};
}

void BoundaryLayerWindow::build_menu(BoundaryLayerView& view) {
  QMenu* menu = view.menu();
  const BoundaryLayerPlot p = view.plot();
  fill_picture_menu(
      *menu, [this, p] { return picture(p); }, dialogs);
  menu->addSeparator();
  connect(menu->addAction(translated(
              QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Sınır tabakası tablosunu CSV olarak kaydet..."))),
          &QAction::triggered, this, [this] {
            save_table_as(QStringLiteral("boundary_layer.csv"),
                          QByteArray::fromStdString(boundary_layer_csv(case_.layer)));
          });
  connect(menu->addAction(
              translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Polar tablosunu CSV olarak kaydet..."))),
          &QAction::triggered, this, [this] {
            save_table_as(QStringLiteral("polar.csv"), QByteArray::fromStdString(polar_csv(case_.polar)));
          });
}

void BoundaryLayerWindow::save_table_as(const QString& name, const QByteArray& bytes) {
  save_through(dialogs, translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Tabloyu kaydet")), name,
               translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "CSV tabloları (*.csv)")),
               [&](const QString& path) { return write_file(path, bytes); });
}

}  // namespace airfoil
