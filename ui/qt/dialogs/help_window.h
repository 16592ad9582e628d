// The help window: what each picture shows, what the controls do, the keys,
// and the assumptions behind the numbers. Opened with F1; modeless and
// without an owner, like the About window, and one for the whole run.
#pragma once

#include <QString>
#include <QWidget>

namespace airfoil {

// The help text as rich text, in the current language.
QString help_html();

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  HelpWindow();

  // Sizes the window and its text at `factor` of the designed size.
  void set_zoom(double factor);
};

}  // namespace airfoil
