// The main window on the desktop: the widgets of the layout, the bridge that
// runs the window object's handlers when the user clicks, steps or drags,
// and the parts it owns: the exports, the focus mark, the zoom wheel, the
// actions of the key table and the secondary windows they open.
#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ui/form.h"
#include "ui/key_table.h"
#include "ui/window_layout.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace airfoil {

class AboutWindow;
class BoundaryLayerWindow;
class FlowWindow;
class FocusMark;
class HelpWindow;
class HScrollBar;
class LessonNotes;
class PictureBox;
class ReadoutsWindow;
class WindowExports;

class Form1Window : public QMainWindow {
  Q_OBJECT

 public:
  // `messages` receives the message boxes and fault reports; without one the
  // window shows real modal boxes. `catalogue_path` is where start-up looks
  // for the catalogue. Start-up runs here, before the window is first shown.
  explicit Form1Window(MessageSink* messages = nullptr, CatalogueSource catalogue = {});
  ~Form1Window() override;

  Form1& form() { return *form_; }
  // Where the window's message boxes go.
  MessageSink& messages() { return *messages_; }
  PictureBox* picture(SurfaceId id) const { return pictures_[static_cast<std::size_t>(id)]; }
  const std::array<PictureBox*, 5>& pictures() const { return pictures_; }

  // The parts the window owns.
  WindowExports& exports() const { return *exports_; }
  FocusMark& focus_mark() const { return *mark_; }
  LessonNotes& lesson_notes() const { return *notes_; }
  // The action of `command` in the key table (none for Command::none).
  QAction* action(Command command) const;

  // The secondary windows: null until first opened, the same window after.
  AboutWindow* about_window() const { return about_.get(); }
  HelpWindow* help_window() const { return help_.get(); }
  FlowWindow* flow_window() const { return flow_.get(); }
  BoundaryLayerWindow* boundary_layer_window() const { return boundary_layer_.get(); }
  ReadoutsWindow* readouts_window() const { return readouts_.get(); }
  void open_about();
  void open_help();
  void open_flow();
  void open_boundary_layer();
  void open_readouts();

  // Runs an action on the window object (a pin, a preset, a typed value) as
  // one event: controls in, the action, texts out, what follows a cycle.
  void run_action(const std::function<void(Form1&)>& action);

  // The factor of the designed size the window is shown at (1 is 100 %).
  double zoom() const { return zoom_; }
  // Lays the window and its secondary windows out again at `factor`, a
  // zoom step; the pictures repaint from their recorded calls, no cycle
  // runs.
  void set_zoom(double factor);
  // A zoom the user asked for (keys, wheel): to the nearest step that fits
  // the screen, and remembered for the next run; one that cannot be
  // remembered says so, once.
  void zoom_by_user(double factor);

 signals:
  // After every event cycle, once the texts are back in the boxes.
  void cycle_finished();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_client_area(QWidget* client);
  void build_menu();
  void build_actions();
  void set_tab_order();
  void connect_events();
  // Places every widget from the layout tables at `zoom` and sets every font
  // at its designed size times `zoom`: the one placing of the widgets, at
  // start and at each zoom step.
  void lay_out(double zoom);
  void after_cycle();

  // Runs one handler of the window object between copying the controls'
  // values in and the rewritten texts out.
  void run(void (Form1::*handler)());
  void controls_to_form();
  void form_to_controls();

  std::unique_ptr<MessageSink> own_messages_;
  MessageSink* messages_ = nullptr;
  std::array<PictureBox*, 5> pictures_{};
  std::map<std::string, HScrollBar*, std::less<>> bars_;
  std::map<std::string, QLineEdit*, std::less<>> boxes_;
  std::map<std::string, QLabel*, std::less<>> labels_;
  std::map<std::string, QGroupBox*, std::less<>> frames_;
  std::map<Command, QAction*> actions_;
  std::unique_ptr<Form1> form_;
  WindowExports* exports_ = nullptr;
  FocusMark* mark_ = nullptr;
  LessonNotes* notes_ = nullptr;
  std::unique_ptr<AboutWindow> about_;
  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<FlowWindow> flow_;
  std::unique_ptr<BoundaryLayerWindow> boundary_layer_;
  std::unique_ptr<ReadoutsWindow> readouts_;
  bool in_cycle_ = false;
  bool shown_before_ = false;
  bool told_unremembered_ = false;  // that a zoom could not be remembered
  double zoom_ = 1;
};

}  // namespace airfoil
