// What the main window gains for use in a classroom on top of its designed
// look: its texts in the chosen language, accessible names and tooltips, a
// visible focus mark, pictures that answer Space and Return as a click, and
// the help window on F1.
#pragma once

#include <QObject>

#include <memory>

namespace airfoil {

class Form1Window;
class FocusMark;
class HelpWindow;

class Classroom : public QObject {
  Q_OBJECT

 public:
  // Becomes a child of `window`; call once, after the window is built.
  explicit Classroom(Form1Window& window);
  ~Classroom() override;

  // Null until F1 is first pressed; the same window afterwards.
  HelpWindow* help_window() const { return help_.get(); }
  FocusMark* focus_mark() const { return mark_; }
  void open_help();

  static Classroom* of(const Form1Window& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Form1Window& window_;
  FocusMark* mark_;
  std::unique_ptr<HelpWindow> help_;
};

}  // namespace airfoil
