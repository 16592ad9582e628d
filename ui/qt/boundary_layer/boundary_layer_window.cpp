#include "ui/qt/boundary_layer/boundary_layer_window.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/key_table.h"
#include "ui/render/flow_picture.h"
#include "ui/render/fonts.h"

namespace airfoil {

namespace {

QString translated(const char* source) { return QCoreApplication::translate(kBoundaryLayerContext, source); }

std::string translated_text(const std::string& source) {
  return QCoreApplication::translate(kBoundaryLayerContext, source.c_str()).toStdString();
}

// One picture filling `size` (logical pixels) from the painter's origin.
void paint_plot(QPainter& painter, QSize size, BoundaryLayerPlot plot, const BoundaryLayerCase& c,
                double zoom) {
  paint_drawing(painter, draw_boundary_layer_plot(plot, c, size.width(), size.height(), zoom,
                                                  qt_text_metrics(), translated_text));
}

}  // namespace

BoundaryLayerView::BoundaryLayerView(BoundaryLayerWindow& window, BoundaryLayerPlot plot)
    : QWidget(&window), window_(window), plot_(plot) {
  setObjectName(boundary_layer_plot_name(plot));
  setMinimumSize(kBoundaryLayerPlotMinimumWidth, kBoundaryLayerPlotMinimumHeight);
  menu_ = make_picture_view(*this);
}

void BoundaryLayerView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paint_plot(painter, size(), plot_, window_.shown_case(), window_.zoom());
}

BoundaryLayerWindow::BoundaryLayerWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName("Form_BoundaryLayer");
  setWindowTitle(translated(kBoundaryLayerTitle));
  setAccessibleName(windowTitle());

  // The pictures' menus save through these: made first.
  dialogs = window_dialogs(*this);

  auto* pictures = new QGridLayout;
  pictures->setSpacing(kBoundaryLayerSpacing);
  for (int k = 0; k < 4; ++k) {
    const BoundaryLayerPlot plot = kBoundaryLayerGrid[k];
    auto* v = new BoundaryLayerView(*this, plot);
    views_[static_cast<std::size_t>(plot)] = v;
    v->setAccessibleName(translated(boundary_layer_plot_title_source(plot)));
    pictures->addWidget(v, k / 2, k % 2);
    build_menu(*v);
  }

  numbers_ = new QLabel(this);
  numbers_->setObjectName("BoundaryLayerNumbers");
  numbers_->setTextFormat(Qt::PlainText);
  numbers_->setWordWrap(true);
  numbers_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  numbers_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  re_label_ = new QLabel(QString::fromUtf8(kReynoldsLabel), this);
  re_box_ = new QLineEdit(this);
  re_box_->setObjectName("BoundaryLayerRe");
  re_box_->setAccessibleName(translated(kReynoldsName));
  re_box_->setToolTip(translated(kReynoldsTip));
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
  layout->setContentsMargins(kBoundaryLayerMargin, kBoundaryLayerMargin, kBoundaryLayerMargin,
                             kBoundaryLayerMargin);
  layout->addLayout(pictures, kBoundaryLayerPlotsStretch);
  layout->addLayout(side, kBoundaryLayerNumbersStretch);

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
  const QFont font = verdana_font(kBoundaryLayerPoints * zoom);
  for (QWidget* w :
       {static_cast<QWidget*>(numbers_), static_cast<QWidget*>(re_label_), static_cast<QWidget*>(re_box_)}) {
    w->setFont(font);
  }
  resize(qRound(kBoundaryLayerWindowWidth * zoom), qRound(kBoundaryLayerWindowHeight * zoom));
  update();
}

bool BoundaryLayerWindow::apply_reynolds_text(const QString& text) {
  const std::optional<double> re = read_reynolds(text.toStdString());
  if (!re) {
    show_reynolds();
    return false;
  }
  re_ = *re;
  show_reynolds();
  recompute();
  return true;
}

void BoundaryLayerWindow::show_reynolds() { re_box_->setText(QString::fromStdString(reynolds_text(re_))); }

void BoundaryLayerWindow::recompute() {
  if (has_state_) {
    case_ = boundary_layer_case(state_, re_);
  } else {
    case_ = boundary_layer_case_without_state();
  }
  numbers_->setText(numbers_text());
  for (BoundaryLayerView* v : views_) v->update();
}

QString BoundaryLayerWindow::numbers_text() const {
  QStringList lines;
  for (const Phrase& line : boundary_layer_numbers(case_, re_)) {
    lines << QString::fromStdString(airfoil::render(line, translated_text));
  }
  return lines.join(QLatin1Char('\n'));
}

PaintedPicture BoundaryLayerWindow::picture(BoundaryLayerPlot p) const {
  const BoundaryLayerView* v = view(p);
  const BoundaryLayerCase shown = case_;
  const double zoom = zoom_;
  const QSize size = v->size();
  return {QString::fromUtf8(boundary_layer_plot_name(p)), size, Qt::white,
          [shown, zoom, size, p](QPainter& painter, double scale, Placement) {
            // These plots are painted in floating-point coordinates at every
            // scale, so a vector output is exact whatever placement it asks.
            painter.save();
            painter.scale(scale, scale);
            paint_plot(painter, size, p, shown, zoom);
            painter.restore();
          }};
}

void BoundaryLayerWindow::build_menu(BoundaryLayerView& view) {
  QMenu* menu = view.menu();
  const BoundaryLayerPlot p = view.plot();
  fill_picture_menu(
      *menu, [this, p] { return picture(p); }, dialogs);
  menu->addSeparator();
  for (const BoundaryLayerTable& table : kBoundaryLayerTables) {
    connect(menu->addAction(translated(table.menu_source)), &QAction::triggered, this,
            [this, file = table.file] {
              save_table_as(QString::fromUtf8(file),
                            QByteArray::fromStdString(boundary_layer_table(case_, file)));
            });
  }
}

void BoundaryLayerWindow::save_table_as(const QString& name, const QByteArray& bytes) {
  save_through(dialogs, translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Tabloyu kaydet")), name,
               translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "CSV tabloları (*.csv)")),
               [&](const QString& path) { return write_file(path, bytes); });
}

}  // namespace airfoil
