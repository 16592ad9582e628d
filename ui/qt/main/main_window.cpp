#include "ui/qt/main/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QtMath>

#include <functional>
#include <string_view>
#include <type_traits>

#include "ui/form_events.h"
#include "ui/lesson.h"
#include "ui/picture_menu_texts.h"
#include "ui/qt/boundary_layer/boundary_layer_window.h"
#include "ui/qt/dialogs/about_window.h"
#include "ui/qt/dialogs/fit_screen.h"
#include "ui/qt/dialogs/help_window.h"
#include "ui/qt/dialogs/open_once.h"
#include "ui/qt/flow/flow_window.h"
#include "ui/qt/main/focus_mark.h"
#include "ui/qt/main/hscrollbar.h"
#include "ui/qt/main/lesson_notes.h"
#include "ui/qt/main/message_boxes.h"
#include "ui/qt/main/picture_box.h"
#include "ui/qt/main/window_exports.h"
#include "ui/qt/main/window_texts.h"
#include "ui/qt/main/zoom.h"
#include "ui/qt/readouts/readouts_window.h"
#include "ui/render/fonts.h"
#include "ui/render/qt_layout.h"

namespace airfoil {

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

QLabel* make_label(const char* name, const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  // Plain text keeps the leading spaces that pad the tick numbers.
  label->setTextFormat(Qt::PlainText);
  return label;
}

// The font a menu had before any zoom: the menus have none in the tables and
// grow from the one they were made with.
constexpr const char* kDesignedFont = "designed_font";

// The keys of a key-table entry in the toolkit's terms.
QList<QKeySequence> shortcuts_of(const KeyEntry& entry) {
  return QKeySequence::listFromString(QString::fromLatin1(entry.shortcut), QKeySequence::PortableText);
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
  setCentralWidget(client);
  build_client_area(client);
  build_menu();
  // The layout is drawn for one size only.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  lay_out(zoom_);
  set_tab_order();
  translate_designed_texts(*this);

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

  exports_ = new WindowExports(*this, pictures_, *form_);
  mark_ = new FocusMark(client);
  notes_ = new LessonNotes(*this, pictures_, *form_);
  connect(notes_, &LessonNotes::requested, this, [this](const FormAction& action) { run_action(action); });
  build_actions();
  auto* wheel = new ZoomWheel(*this);
  connect(wheel, &ZoomWheel::turned, this, [this](int steps) { zoom_by_user(zoom_ + steps * kZoomStep); });
  apply_control_texts(*this, pictures_);
  describe_pictures(pictures_, form_->drawn_cases());
  notes_->follow(zoom_);

  if (const QScreen* where = screen()) move(where->availableGeometry().topLeft());
  picture(SurfaceId::profil)->setFocus();
}

Form1Window::~Form1Window() = default;

void Form1Window::build_client_area(QWidget* client) {
  for (std::size_t i = 0; i < kSurfaceLayouts.size(); ++i) {
    pictures_[i] = new PictureBox(kSurfaceLayouts[i], client);
  }

  for (const FrameLayout& entry : kFrames) {
    auto* frame = new Frame(QString::fromUtf8(entry.caption), client);
    frame->setObjectName(entry.name);
    frames_[entry.name] = frame;
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
  const auto make_box = [&](const char* name, QWidget* parent) {
    auto* box = new QLineEdit(QString::fromStdString(box_texts.at(name)), parent);
    box->setObjectName(name);
    // The coefficient boxes are read-only, not disabled: they keep their
    // place in the tab order and their number can be copied, but nothing
    // typed into them can stand on screen beside a picture that says
    // otherwise. The boxes beside the bars take a typed value on Return (see
    // connect_events).
    box->setReadOnly(is_echo_box(name) && find_typed_box(name) == nullptr);
    boxes_[name] = box;
  };

  QGroupBox* inputs = frames_.at("Frame1");
  for (const InputRow& row : kInputRows) {
    labels_[row.label] = make_label(row.label, row.text, inputs);
    make_box(row.box, inputs);
    bars_[row.bar] = new HScrollBar(row.bar, bar_settings.at(row.bar), inputs);
  }
  for (const FrameItem& item : kFrameItems) {
    QGroupBox* frame = frames_.at(item.frame);
    if (item.is_box) {
      make_box(item.name, frame);
    } else {
      labels_[item.name] = make_label(item.name, item.text, frame);
    }
  }

  // Opaque labels, children of their picture: painted after the picture, so
  // no line drawn on it can cover them and clearing it leaves them.
  for (const Annotation& a : kAnnotations) {
    QLabel* label = make_label(a.name, a.text, picture(a.surface));
    labels_[a.name] = label;
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
  actions_[Command::about] = about;
}

// Every action of the key table, window-wide; the menu bar keeps its single
// entry, and the pictures' menus offer those that act on a picture.
void Form1Window::build_actions() {
  const std::map<Command, std::function<void()>> does{
      {Command::help, [this] { open_help(); }},
      {Command::flow, [this] { open_flow(); }},
      {Command::boundary_layer, [this] { open_boundary_layer(); }},
      {Command::readouts, [this] { open_readouts(); }},
      {Command::pin, [this] { run_action([](Form1& f) { pin_case(f); }); }},
      {Command::unpin_all, [this] { run_action([](Form1& f) { unpin_all(f); }); }},
      {Command::print_window, [this] { exports_->print_window(); }},
      {Command::save_handout, [this] { exports_->save_handout(); }},
      {Command::zoom_in, [this] { zoom_by_user(zoom_ + kZoomStep); }},
      {Command::zoom_out, [this] { zoom_by_user(zoom_ - kZoomStep); }},
      {Command::zoom_reset, [this] { zoom_by_user(1); }},
  };
  for (const KeyEntry& entry : kKeyTable) {
    const auto job = does.find(entry.command);
    if (job == does.end()) continue;
    auto* action = new QAction(QCoreApplication::translate(kKeysContext, entry.text), this);
    action->setObjectName(entry.name);
    action->setShortcuts(shortcuts_of(entry));
    connect(action, &QAction::triggered, this, job->second);
    addAction(action);
    actions_[entry.command] = action;
  }
  // The lesson's entries on every picture: the readouts, the presets, and
  // pinning and unpinning references.
  for (std::size_t i = 0; i < pictures_.size(); ++i) {
    put_first(*exports_->menu(static_cast<SurfaceId>(i)),
              {action(Command::readouts), notes_->presets_menu()->menuAction(), action(Command::pin),
               notes_->unpin_menu()->menuAction(), action(Command::unpin_all)});
  }
  // The windows each picture opens first (the flow field, the boundary
  // layer), then the lesson's entries; printing at the end.
  for (std::size_t i = 0; i < pictures_.size(); ++i) {
    QMenu* menu = exports_->menu(static_cast<SurfaceId>(i));
    QAction* first = menu->actions().value(0);
    bool any = false;
    for (const Command view : kPictureViews[i]) {
      if (view == Command::none) continue;
      menu->insertAction(first, action(view));
      any = true;
    }
    if (any) menu->insertSeparator(first);
    menu->addSeparator();
    for (const Command end : kPictureMenuEnd) menu->addAction(action(end));
  }
}

QAction* Form1Window::action(Command command) const {
  const auto found = actions_.find(command);
  return found == actions_.end() ? nullptr : found->second;
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
  // A typed value moves its bar on Return; leaving the box without Return
  // gives it back the bar's text, so no number stands there unapplied.
  for (const TypedBox& typed : kTypedBoxes) {
    QLineEdit* box = boxes_.at(typed.box);
    connect(box, &QLineEdit::returnPressed, this, [this, &typed, box] {
      const std::string text = box->text().toStdString();
      run_action([&](Form1& form) { enter_typed(form, typed, text); });
    });
    connect(box, &QLineEdit::editingFinished, this, [this, &typed, box] {
      const QString shown = with_user_decimal_point(QString::fromStdString((form_->w.*(typed.text)).Text));
      if (box->text() != shown) box->setText(shown);
    });
  }
}

void Form1Window::run_action(const std::function<void(Form1&)>& action) {
  if (in_cycle_) return;
  in_cycle_ = true;
  controls_to_form();
  action(*form_);
  // A bar the action moved is shown at its new place without raising its
  // own change event: the action already ran the cycle.
  for (const BarEvent& event : kBarEvents) {
    HScrollBar* bar = bars_.at(event.control);
    const QSignalBlocker quiet(bar);
    bar->setValue((form_->w.*(event.bar)).Value);
  }
  form_to_controls();
  in_cycle_ = false;
  after_cycle();
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
  after_cycle();
}

// What follows the pictures: their descriptions and the flow window.
void Form1Window::after_cycle() {
  describe_pictures(pictures_, form_->drawn_cases());
  if (flow_) flow_->follow(form_->w);
  if (boundary_layer_) boundary_layer_->follow(form_->w);
  if (readouts_) readouts_->follow(form_->w);
  notes_->follow(zoom_);
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

void Form1Window::lay_out(double zoom) {
  QWidget* client = centralWidget();
  client->setFixedSize(zoomed_pixels(kClientWidth, zoom), zoomed_pixels(kClientHeight, zoom));
  // Every label and box without a font of its own takes this one.
  client->setFont(zoomed(dialog_font(), zoom));
  QList<QWidget*> menus{menuBar()};
  for (QMenu* menu : findChildren<QMenu*>()) menus.push_back(menu);
  for (QWidget* menu : menus) {
    if (!menu->property(kDesignedFont).isValid()) {
      if (zoom == 1) continue;
      menu->setProperty(kDesignedFont, menu->font());
    }
    menu->setFont(zoomed(menu->property(kDesignedFont).value<QFont>(), zoom));
  }

  const auto place = [zoom](QWidget* widget, const Place& where) {
    widget->setGeometry(pixels(where, zoom));
  };
  const auto set_face = [zoom](QWidget* label, Face face) {
    if (face != Face::dialog) label->setFont(zoomed(to_qfont(font_of(face)), zoom));
  };
  for (std::size_t i = 0; i < kSurfaceLayouts.size(); ++i) {
    const SurfaceLayout& s = kSurfaceLayouts[i];
    place(pictures_[i], {s.Left, s.Top, s.Width, s.Height});
    pictures_[i]->set_zoom(zoom);
  }
  for (const FrameLayout& frame : kFrames) place(frames_.at(frame.name), frame.place);
  for (const InputRow& row : kInputRows) {
    QLabel* label = labels_.at(row.label);
    place(label, label_place(row));
    set_face(label, row.face);
    place(boxes_.at(row.box), box_place(row));
    place(bars_.at(row.bar), bar_place(row));
  }
  for (const FrameItem& item : kFrameItems) {
    if (item.is_box) {
      place(boxes_.at(item.name), item.place);
    } else {
      place(labels_.at(item.name), item.place);
    }
  }
  for (const Annotation& a : kAnnotations) {
    QLabel* label = labels_.at(a.name);
    place(label, a.place);
    set_face(label, a.face);
  }

  // The window keeps one fixed size at each zoom: that of the new client
  // area and menu bar, at once rather than at the next pass of the event loop.
  if (QLayout* whole = layout()) {
    whole->invalidate();
    whole->activate();
  }
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
    lay_out(fitted);
    mark_->set_zoom(fitted);
    if (about_) about_->set_zoom(fitted);
    if (help_) help_->set_zoom(fitted);
    if (flow_) flow_->set_zoom(fitted);
    if (boundary_layer_) boundary_layer_->set_zoom(fitted);
    if (readouts_) readouts_->set_zoom(fitted);
    notes_->follow(fitted);
  }
  fit_on_screen(*this);
}

void Form1Window::zoom_by_user(double factor) {
  const double zoom = nearest_zoom(factor);
  if (zoom == zoom_) return;
  set_zoom(zoom);
  const QString why = remember_zoom(zoom_);
  // Said once: every later key would fail for the same reason.
  if (!why.isEmpty() && !told_unremembered_) {
    told_unremembered_ = true;
    messages_->show(why.toStdString());
  }
}

void Form1Window::open_about() {
  open_once(about_, [this] {
    auto about = std::make_unique<AboutWindow>();
    about->setScreen(screen());
    about->set_zoom(zoom_);
    return about;
  });
}

void Form1Window::open_help() {
  open_once(help_, [this] {
    auto help = std::make_unique<HelpWindow>();
    help->setScreen(screen());
    help->set_zoom(zoom_);
    return help;
  });
}

void Form1Window::open_flow() {
  const bool first = !flow_;
  open_once(flow_, [this] {
    auto flow = std::make_unique<FlowWindow>();
    flow->setScreen(screen());
    flow->set_zoom(zoom_);
    return flow;
  });
  if (first) flow_->follow(form_->w);
}

void Form1Window::open_boundary_layer() {
  const bool first = !boundary_layer_;
  open_once(boundary_layer_, [this] {
    auto layer = std::make_unique<BoundaryLayerWindow>();
    layer->setScreen(screen());
    layer->set_zoom(zoom_);
    return layer;
  });
  if (first) boundary_layer_->follow(form_->w);
}

void Form1Window::open_readouts() {
  open_once(readouts_, [this] {
    auto readouts = std::make_unique<ReadoutsWindow>();
    readouts->setScreen(screen());
    readouts->set_zoom(zoom_);
    return readouts;
  });
  // After showing: a hidden window skips its sweeps, which may be stale.
  readouts_->follow(form_->w);
}

void Form1Window::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  // The secondary windows have no owner, so that either window can be in
  // front; but they belong to this one, and closing it ends the program
  // rather than leaving it running behind a help page.
  if (about_) about_->close();
  if (help_) help_->close();
  if (flow_) flow_->close();
  if (boundary_layer_) boundary_layer_->close();
  if (readouts_) readouts_->close();
}

void Form1Window::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_before_) {
    shown_before_ = true;
    picture(SurfaceId::profil)->setFocus();
  }
}

}  // namespace airfoil
