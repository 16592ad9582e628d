// Messages of the program as modal message boxes with an OK button only,
// captioned with the program's name.
#pragma once

#include <QString>
#include <QWidget>

#include "model/window.h"
#include "ui/window_layout.h"

namespace airfoil {

// A composed message in the language of the running application: every
// source through the translation, the parts filled in after.
QString translated(const Phrase& phrase);

class MessageBoxes : public MessageSink {
 public:
  // `owner` is the window the boxes are centred on and block; it need not be
  // shown yet (the start-up message comes before the window opens).
  explicit MessageBoxes(QWidget* owner) : owner_(owner) {}

  void show(const std::string& text) override;
  // A fault that ended a cycle; the window stays open and usable.
  void fault(const std::string& text) override;
  void show_phrase(const Phrase& phrase) override;
  void fault_phrase(const Phrase& phrase) override;

 private:
  QWidget* owner_;
};

}  // namespace airfoil
