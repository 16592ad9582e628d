#include "ui/qt/main_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

#include <string_view>
#include <type_traits>

#include "ui/qt/about_window.h"
#include "ui/qt/classroom.h"
#include "ui/qt/flow_controller.h"
#include "ui/qt/fonts.h"
#include "ui/qt/hscrollbar.h"
#include "ui/qt/message_boxes.h"
#include "ui/qt/picture_box.h"
#include "ui/qt/picture_labels.h"
#include "ui/qt/window_exports.h"

namespace airfoil {

namespace {

// Positions and sizes in twips, from the top-left of the container.
struct Place {
  int left, top, width, height;
};

QRect pixels(const Place& p) {
  return {twips_to_pixels(p.left), twips_to_pixels(p.top), twips_to_pixels(p.width),
          twips_to_pixels(p.height)};
}

enum class Face { dialog, greek, tick, name };

QFont font_of(Face face) {
  switch (face) {
    case Face::greek: return greek_font(8.25);
    case Face::tick: return arial_font(6.75, true);
    case Face::name: return arial_font(8.25, true);
    case Face::dialog: break;
  }
  return dialog_font();
}

struct FrameLayout {
  const char* name;
  const char* caption;
  Place place;
};

constexpr FrameLayout kFrames[] = {
    {"Frame1", "", {120, 3720, 3375, 2055}},
    {"Frame3", "Sıkıştırılabilme etkisi", {120, 5880, 3375, 615}},
    {"Frame2", "", {120, 6600, 3375, 615}},
};

// The five input rows of Frame1: label, text box and scroll bar on one top.
struct InputRow {
  int top;
  const char* label;
  const char* text;
  Face face;
  int label_left, label_width, label_height;
  const char* box;
  const char* bar;
};

constexpr InputRow kInputRows[] = {
    {240, "Label2", "δ", Face::greek, 240, 375, 255, "Text_Thickness", "HScroll_Thickness"},
    {600, "Label3", "γ", Face::greek, 240, 255, 255, "Text_Camber", "HScroll_Camber"},
    {960, "Label5", "nP", Face::dialog, 240, 255, 255, "Text_nP", "HScroll_nP"},
    {1320, "Label4", "α", Face::greek, 240, 255, 375, "Text_AlfaD", "HScroll_AlfaD"},
    {1680, "Label7", "xM/c=", Face::dialog, 120, 495, 255, "Text_xM", "HScroll_xM"},
};
constexpr int kRowBoxLeft = 720, kRowBoxWidth = 495, kRowBoxHeight = 285;
constexpr int kRowBarLeft = 1200, kRowBarWidth = 1335, kRowBarHeight = 255;

// Labels and text boxes of the two small frames.
struct FrameItem {
  const char* frame;
  const char* name;
  bool is_box;
  const char* text;  // the label's text; a box's start text comes from Controls
  Place place;
};

constexpr FrameItem kFrameItems[] = {
    {"Frame3", "Label36", false, "Moo =", {240, 240, 615, 255}},
    {"Frame3", "Text_Moo", true, "", {960, 240, 615, 285}},
    {"Frame2", "Label1", false, "CL =", {240, 240, 495, 255}},
    {"Frame2", "Text_CL", true, "", {720, 240, 735, 285}},
    {"Frame2", "Label6", false, "CM =", {1800, 240, 495, 255}},
    {"Frame2", "Text1", true, "", {2280, 240, 735, 285}},
};

// The axis names and tick values on the pictures. The leading spaces pad the
// numbers to line up at the left edge and belong to the texts.
struct Annotation {
  SurfaceId surface;
  const char* name;
  const char* text;
  Face face;
  Place place;
};

constexpr Annotation kAnnotations[] = {
    {SurfaceId::profil, "Label9", "  y/c", Face::name, {0, 1080, 375, 255}},
    {SurfaceId::profil, "Label10", "  0.2", Face::tick, {0, 480, 375, 255}},
    {SurfaceId::profil, "Label11", " -0.2", Face::tick, {0, 2040, 375, 255}},
    {SurfaceId::profil, "Label8", "x/c", Face::name, {2160, 2116, 375, 255}},
    {SurfaceId::profil, "Label12", "1.0", Face::tick, {4200, 2160, 375, 255}},
    {SurfaceId::pressure, "Label19", "1-Cp", Face::name, {0, 840, 495, 375}},
    {SurfaceId::pressure, "Label26", "5.0", Face::tick, {120, 240, 255, 255}},
    {SurfaceId::pressure, "Label25", "3.0", Face::tick, {120, 1680, 255, 255}},
    {SurfaceId::pressure, "Label24", "2.0", Face::tick, {120, 2400, 255, 255}},
    {SurfaceId::pressure, "Label20", "1.0", Face::tick, {120, 3120, 255, 255}},
    {SurfaceId::pressure, "Label21", "0.0", Face::tick, {120, 3840, 255, 255}},
    {SurfaceId::pressure, "Label23", "x/c", Face::name, {2280, 3960, 375, 255}},
    {SurfaceId::pressure, "Label22", "1.0", Face::tick, {4200, 3960, 375, 255}},
    {SurfaceId::Picture_CL, "Label27", " CL", Face::name, {0, 1200, 375, 255}},
    {SurfaceId::Picture_CL, "Label30", "  3.0", Face::tick, {0, 600, 375, 255}},
    {SurfaceId::Picture_CL, "Label29", "  1.0", Face::tick, {0, 1833, 375, 255}},
    {SurfaceId::Picture_CL, "Label28", "  0.0", Face::tick, {0, 2473, 375, 255}},
    {SurfaceId::Picture_CL, "Label31", " -1.0", Face::tick, {0, 3120, 375, 255}},
    {SurfaceId::Picture_CL, "Label14", " -8", Face::tick, {720, 3635, 375, 255}},
    {SurfaceId::Picture_CL, "Label15", "8", Face::tick, {2322, 3636, 135, 255}},
    {SurfaceId::Picture_CL, "Label13", "α", Face::greek, {1560, 3600, 255, 255}},
    {SurfaceId::Picture_CM, "Label32", " CM", Face::name, {0, 360, 375, 255}},
    {SurfaceId::Picture_CM, "Label35", "  1.0", Face::tick, {0, 800, 375, 255}},
    {SurfaceId::Picture_CM, "Label33", "  0.0", Face::tick, {0, 1420, 375, 255}},
    {SurfaceId::Picture_CM, "Label34", " -1.0", Face::tick, {0, 2020, 375, 255}},
    {SurfaceId::Picture_CM, "Label17", " -8", Face::tick, {720, 2520, 375, 255}},
    {SurfaceId::Picture_CM, "Label16", "8", Face::tick, {2370, 2520, 135, 255}},
    {SurfaceId::Picture_CM, "Label18", "α", Face::greek, {1560, 2480, 255, 255}},
};

}  // namespace

std::vector<PictureLabel> annotation_labels(SurfaceId surface) {
  std::vector<PictureLabel> labels;
  for (const Annotation& a : kAnnotations) {
    if (a.surface != surface) continue;
    labels.push_back({QString::fromUtf8(a.text), font_of(a.face), pixels(a.place)});
  }
  return labels;
}

namespace {

// The order in which Tab walks the controls.
constexpr const char* kTabOrder[] = {
    "profil",         "pressure",      "Text_AlfaD",       "Text_Camber",    "Text_Thickness",
    "Text_nP",        "HScroll_AlfaD", "HScroll_Thickness", "HScroll_Camber", "HScroll_nP",
    "daire",          "Text_CL",       "Picture_CL",       "Text1",          "Picture_CM",
    "Text_xM",        "HScroll_xM",    "Text_Moo",
};

struct Event {
  const char* control;
  void (Form1::*handler)();
};

constexpr Event kBarEvents[] = {
    {"HScroll_Thickness", &Form1::HScroll_Thickness_Change},
    {"HScroll_Camber", &Form1::HScroll_Camber_Change},
    {"HScroll_nP", &Form1::HScroll_nP_Change},
    {"HScroll_AlfaD", &Form1::HScroll_AlfaD_Change},
    {"HScroll_xM", &Form1::HScroll_xM_Change},
};

// In the order of SurfaceId.
constexpr void (Form1::*kClickEvents[])() = {
    &Form1::daire_Click, &Form1::profil_Click, &Form1::pressure_Click, &Form1::Picture_CL_Click,
    &Form1::Picture_CM_Click,
};

const QColor kLightYellow(255, 255, 192);

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

QLabel* make_label(const char* name, const char* text, Face face, const QRect& geometry,
                   QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  // Plain text keeps the leading spaces that pad the tick numbers.
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(geometry);
  if (face != Face::dialog) label->setFont(font_of(face));
  return label;
}

template <class T>
constexpr bool is_scroll_bar = std::is_same_v<std::remove_cvref_t<T>, ScrollBar>;

// Text_Moo is the one box the program reads; every other box only echoes a
// number the program wrote.
bool is_echo_box(std::string_view name) { return name != "Text_Moo"; }

// The program's numbers are written with '.'; the window shows them with the
// user's own decimal separator.
QString with_user_decimal_point(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QLatin1Char('.'), QLocale().decimalPoint());
  return shown;
}

}  // namespace

Form1Window::Form1Window(MessageSink* messages, std::string catalogue_path) {
  setObjectName("Form1");
  setWindowTitle("PelmoraAirfoil - Aerodynamic Characteristics");

  auto* client = new QWidget(this);
  client->setFixedSize(twips_to_pixels(11880), twips_to_pixels(7350));
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
  const auto surface = [this](SurfaceId id) -> Surface& { return *picture(id); };
  form_ = std::make_unique<Form1>(
      Plots{surface(SurfaceId::daire), surface(SurfaceId::profil), surface(SurfaceId::pressure),
            surface(SurfaceId::Picture_CL), surface(SurfaceId::Picture_CM)},
      *messages, std::move(catalogue_path));
  form_->open_about = [this] { open_about(); };
  form_->Form_Load();
  connect_events();
  new WindowExports(*this);
  new Classroom(*this);
  new FlowController(*this);

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
    make_label(row.label, row.text, row.face,
               pixels({row.label_left, row.top, row.label_width, row.label_height}), inputs);
    make_box(row.box, pixels({kRowBoxLeft, row.top, kRowBoxWidth, kRowBoxHeight}), inputs);
    auto* bar = new HScrollBar(row.bar, bar_settings.at(row.bar), inputs);
    bar->setGeometry(pixels({kRowBarLeft, row.top, kRowBarWidth, kRowBarHeight}));
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
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, kLightYellow);
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
    label->setAutoFillBackground(true);
    label->raise();
  }
}

void Form1Window::build_menu() {
  // Kept inside the window even where the desktop offers a global menu bar.
  menuBar()->setNativeMenuBar(false);
  QAction* about = menuBar()->addAction("&About");
  about->setObjectName("Mn_About");
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
  for (const Event& event : kBarEvents) {
    connect(bars_.at(event.control), &QScrollBar::valueChanged, this,
            [this, handler = event.handler] { run(handler); });
  }
  for (std::size_t i = 0; i < pictures_.size(); ++i) {
    connect(pictures_[i], &PictureBox::clicked, this,
            [this, handler = kClickEvents[i]] { run(handler); });
  }
  connect(boxes_.at("Text_Moo"), &QLineEdit::returnPressed, this,
          [this] { run(&Form1::Text_Moo_Return); });
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
  for_each_control(static_cast<const Controls&>(form_->w), [this](const char* name,
                                                                  const auto& control) {
    if constexpr (!is_scroll_bar<decltype(control)>) {
      QLineEdit* box = boxes_.at(name);
      const QString text = is_echo_box(name) ? with_user_decimal_point(control.Text)
                                             : QString::fromStdString(control.Text);
      // An unchanged text is left alone, so the caret of a box being edited
      // stays where it is.
      if (box->text() != text) box->setText(text);
    }
  });
}

void Form1Window::open_about() {
  if (!about_) about_ = std::make_unique<AboutWindow>();
  about_->setWindowState(about_->windowState() & ~Qt::WindowMinimized);
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void Form1Window::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_before_) {
    shown_before_ = true;
    picture(SurfaceId::profil)->setFocus();
  }
}

}  // namespace airfoil
