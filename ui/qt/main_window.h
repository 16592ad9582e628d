// The main window on the desktop: the widgets of the layout, and the bridge
// that runs the window object's handlers when the user clicks, steps or
// drags.
#pragma once

#include <QMainWindow>

#include <array>
#include <map>
#include <memory>
#include <string>

#include "ui/form.h"
#include "ui/window_layout.h"

class QLineEdit;

namespace airfoil {

class AboutWindow;
class HScrollBar;
class PictureBox;

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
  // Null until "About" is first chosen; the same window afterwards.
  AboutWindow* about_window() const { return about_.get(); }

  // The factor of the designed size the window is shown at (1 is 100 %).
  double zoom() const { return zoom_; }
  // Lays the window (and the About window) out again at `factor`, a zoom
  // step; the pictures repaint from their recorded calls, no cycle runs.
  void set_zoom(double factor);

 signals:
  // After every event cycle, once the texts are back in the boxes.
  void cycle_finished();
  // After the window was laid out at a new zoom factor.
  void zoom_changed(double factor);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_client_area(QWidget* client);
  void build_menu();
  void set_tab_order();
  void connect_events();

  // Runs one handler of the window object between copying the controls'
  // values in and the rewritten texts out.
  void run(void (Form1::*handler)());
  void controls_to_form();
  void form_to_controls();
  void open_about();

  std::unique_ptr<MessageSink> own_messages_;
  MessageSink* messages_ = nullptr;
  std::array<PictureBox*, 5> pictures_{};
  std::map<std::string, HScrollBar*, std::less<>> bars_;
  std::map<std::string, QLineEdit*, std::less<>> boxes_;
  std::unique_ptr<Form1> form_;
  std::unique_ptr<AboutWindow> about_;
  bool in_cycle_ = false;
  bool shown_before_ = false;
  double zoom_ = 1;
};

}  // namespace airfoil
