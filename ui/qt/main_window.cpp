#include "ui/qt/main_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QtMath>

#include <string_view>
#include <type_traits>

#include "ui/qt/about_window.h"
#include "ui/qt/boundary_layer/boundary_layer_controller.h"
#include "ui/qt/classroom.h"
#include "ui/qt/flow_controller.h"
#include "ui/qt/flow_window.h"
#include "ui/qt/fonts.h"
#include "ui/qt/help_window.h"
#include "ui/qt/hscrollbar.h"
#include "ui/qt/message_boxes.h"
#include "ui/qt/picture_box.h"
#include "ui/qt/picture_labels.h"
#include "ui/qt/qt_layout.h"
#include "ui/qt/window_exports.h"
#include "ui/qt/zoom.h"

namespace airfoil {

namespace {}  // namespace

std::vector<PictureLabel> annotation_labels(SurfaceId surface) {
  std::vector<PictureLabel> labels;
  for (const Annotation& a : kAnnotations) {
    if (a.surface != surface) continue;
    labels.push_back({QString::fromUtf8(a.text), to_qfont(font_of(a.face)), pixels(a.place)});
  }
  return labels;
}

namespace {

// A frame drawn as an etched border, its caption (if any) set into the top
// border line as the layout was drawn: the rows of a captioned frame start
// just below the caption, where a style that puts the title above the border
// would run the border through them.
class Frame : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = title().isEmpty() ? 0 : metrics.height() / 2;
    const QRectF border(0.5, top + 0.5, width() - 2.0, height() - top - 2.0);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    if (title().isEmpty()) return;
    const int indent = metrics.averageCharWidth();
    const QRect caption(indent, 0, metrics.horizontalAdvance(title()) + indent, metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
  }
};

QLabel* make_label(const char* name, const char* text, Face face, const QRect& geometry, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  // Plain text keeps the leading spaces that pad the tick numbers.
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(geometry);
  if (face != Face::dialog) label->setFont(to_qfont(font_of(face)));
  return label;
}

template <class T>
constexpr bool is_scroll_bar = std::is_same_v<std::remove_cvref_t<T>, ScrollBar>;

// Text_Moo is the one box the program reads; every other box only echoes a
// number the program wrote.
bool is_echo_box(std::string_view name) { return name != "Text_Moo"; }

}  // namespace

Form1Window::Form1Window(MessageSink* messages, CatalogueSource catalogue) {
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8(kWindowCaption));

  auto* client = new QWidget(this);
  client->setFixedSize(twips_to_pixels(kClientWidth), twips_to_pixels(kClientHeight));
  client->setFont(dialog_font());
  setCentralWidget(client);
  build_client_area(client);
  build_menu();
  // The layout is drawn for one size only.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  set_tab_order();

  if (messages == nullptr) {
    own_messages_ = std::make_unique<MessageBoxes>(this);
    messages = own_messages_.get();
  }
  messages_ = messages;
  const auto surface = [this](SurfaceId id) -> Surface& { return *picture(id); };
  form_ = std::make_unique<Form1>(
      Plots{surface(SurfaceId::daire), surface(SurfaceId::profil), surface(SurfaceId::pressure),
            surface(SurfaceId::Picture_CL), surface(SurfaceId::Picture_CM)},
      *messages, std::move(catalogue));
  form_->open_about = [this] { open_about(); };
  form_->Form_Load();
  connect_events();
  new WindowExports(*this);
  new Classroom(*this);
  new FlowController(*this);
  new BoundaryLayerController(*this);
  new ZoomKeys(*this);

  if (const QScreen* where = screen()) move(where->availableGeometry().topLeft());
  picture(SurfaceId::profil)->setFocus();
}

Form1Window::~Form1Window() = default;

void Form1Window::build_client_area(QWidget* client) {
  for (std::size_t i = 0; i < kSurfaceLayouts.size(); ++i) {
    pictures_[i] = new PictureBox(kSurfaceLayouts[i], client);
  }

  std::map<std::string, QGroupBox*, std::less<>> frames;
  for (const FrameLayout& entry : kFrames) {
    auto* frame = new Frame(QString::fromUtf8(entry.caption), client);
    frame->setObjectName(entry.name);
    frame->setGeometry(pixels(entry.place));
    frames[entry.name] = frame;
  }

  // Start settings of the bars and start texts of the boxes: those of the
  // window object's controls before any event.
  const Controls start;
  std::map<std::string, ScrollBar, std::less<>> bar_settings;
  std::map<std::string, std::string, std::less<>> box_texts;
  for_each_control(start, [&](const char* name, const auto& control) {
    if constexpr (is_scroll_bar<decltype(control)>) {
      bar_settings[name] = control;
    } else {
      box_texts[name] = control.Text;
    }
  });
  const auto make_box = [&](const char* name, const QRect& geometry, QWidget* parent) {
    auto* box = new QLineEdit(QString::fromStdString(box_texts.at(name)), parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    // Read-only, not disabled: the box keeps its place in the tab order and
    // its number can still be selected and copied, but nothing typed into it
    // can stand on screen beside a picture that says otherwise.
    box->setReadOnly(is_echo_box(name));
    boxes_[name] = box;
  };

  QGroupBox* inputs = frames.at("Frame1");
  for (const InputRow& row : kInputRows) {
    make_label(row.label, row.text, row.face, pixels(label_place(row)), inputs);
    make_box(row.box, pixels(box_place(row)), inputs);
    auto* bar = new HScrollBar(row.bar, bar_settings.at(row.bar), inputs);
    bar->setGeometry(pixels(bar_place(row)));
    bars_[row.bar] = bar;
  }
  for (const FrameItem& item : kFrameItems) {
    QGroupBox* frame = frames.at(item.frame);
    if (item.is_box) {
      make_box(item.name, pixels(item.place), frame);
    } else {
      make_label(item.name, item.text, Face::dialog, pixels(item.place), frame);
    }
  }

  // Opaque labels, children of their picture: painted after the picture, so
  // no line drawn on it can cover them and clearing it leaves them.
  for (const Annotation& a : kAnnotations) {
    QLabel* label = make_label(a.name, a.text, a.face, pixels(a.place), picture(a.surface));
    // The tick values in the user's own decimal separator, as the boxes.
    label->setText(with_user_decimal_point(label->text()));
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, to_qcolor(surface_layout(a.surface).BackColor));
    colours.setColor(QPalette::WindowText, to_qcolor(kAnnotationText));
    label->setPalette(colours);
    label->setAutoFillBackground(true);
    label->raise();
  }
}

void Form1Window::build_menu() {
  // Kept inside the window even where the desktop offers a global menu bar.
  menuBar()->setNativeMenuBar(false);
  // "&" gives the item its mnemonic, Alt+A; the text shown stays the designed one.
  QAction* about = menuBar()->addAction(QStringLiteral("&") + QString::fromUtf8(kAboutMenuText));
  about->setObjectName(kAboutMenuName);
  about->setMenuRole(QAction::NoRole);
  connect(about, &QAction::triggered, this, [this] { form_->Mn_About_Click(); });
}

void Form1Window::set_tab_order() {
  QWidget* previous = nullptr;
  for (const char* name : kTabOrder) {
    auto* widget = findChild<QWidget*>(name);
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

void Form1Window::connect_events() {
  for (const BarEvent& event : kBarEvents) {
    connect(bars_.at(event.control), &QScrollBar::valueChanged, this,
            [this, handler = event.change] { run(handler); });
  }
  for (const ClickEvent& event : kClickEvents) {
    connect(picture(event.surface), &PictureBox::clicked, this,
            [this, handler = event.click] { run(handler); });
  }
  connect(boxes_.at("Text_Moo"), &QLineEdit::returnPressed, this, [this] { run(&Form1::Text_Moo_Return); });
}

void Form1Window::run(void (Form1::*handler)()) {
  // Cycles do not nest. The message boxes of a cycle are modal, so no user
  // event can arrive during one; this only keeps a stray programmatic change
  // from starting a cycle inside another.
  if (in_cycle_) return;
  in_cycle_ = true;
  controls_to_form();
  (form_.get()->*handler)();
  form_to_controls();
  in_cycle_ = false;
  emit cycle_finished();
}

void Form1Window::controls_to_form() {
  for_each_control(static_cast<Controls&>(form_->w), [this](const char* name, auto& control) {
    if constexpr (is_scroll_bar<decltype(control)>) {
      const HScrollBar* bar = bars_.at(name);
      control.Min = bar->minimum();
      control.Max = bar->maximum();
      control.SmallChange = bar->singleStep();
      control.LargeChange = bar->pageStep();
      control.Value = bar->value();
    } else if (!is_echo_box(name)) {
      control.Text = boxes_.at(name)->text().toStdString();
    }
  });
}

void Form1Window::form_to_controls() {
  for_each_control(static_cast<const Controls&>(form_->w), [this](const char* name, const auto& control) {
    if constexpr (!is_scroll_bar<decltype(control)>) {
      QLineEdit* box = boxes_.at(name);
      const QString text = is_echo_box(name) ? with_user_decimal_point(QString::fromStdString(control.Text))
                                             : QString::fromStdString(control.Text);
      // An unchanged text is left alone, so the caret of a box being edited
      // stays where it is.
      if (box->text() != text) box->setText(text);
    }
  });
}

void Form1Window::set_zoom(double factor) {
  // The largest step that fits the screen: the client area and the menu
  // bar, whose height grows with its font.
  const double menu = menuBar()->sizeHint().height() / zoom_;
  const double fitted = fitting_zoom(*this, factor, [&](double z) {
    return QSize(zoomed_pixels(kClientWidth, z), zoomed_pixels(kClientHeight, z) + qCeil(menu * z));
  });
  if (fitted != zoom_) {
    zoom_ = fitted;
    lay_out_main_window(*this, fitted);
    if (about_) about_->set_zoom(fitted);
    emit zoom_changed(fitted);
  }
  fit_on_screen(*this);
}

void Form1Window::open_about() {
  if (!about_) {
    about_ = std::make_unique<AboutWindow>();
    about_->setScreen(screen());
    about_->set_zoom(zoom_);
  }
  about_->setWindowState(about_->windowState() & ~Qt::WindowMinimized);
  about_->show();
  fit_on_screen(*about_);
  about_->raise();
  about_->activateWindow();
}

void Form1Window::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  // The About, help and flow windows have no owner, so that either window
  // can be in front; but they belong to this one, and closing it ends the
  // program rather than leaving it running behind a help page.
  if (about_) about_->close();
  if (const Classroom* classroom = Classroom::of(*this); classroom && classroom->help_window()) {
    classroom->help_window()->close();
  }
  if (const FlowController* flow = FlowController::of(*this); flow && flow->flow_window()) {
    flow->flow_window()->close();
  }
}

void Form1Window::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_before_) {
    shown_before_ = true;
    picture(SurfaceId::profil)->setFocus();
  }
}

}  // namespace airfoil
