// Shared helpers of the window tests: the application object, a message sink
// that records instead of blocking, catalogue files, and clicks on the parts
// of a scroll bar.
#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "model/recording_messages.h"
#include "model/window.h"
#include "ui/qt/dialogs/about_window.h"
#include "ui/qt/main/hscrollbar.h"
#include "ui/qt/main/main_window.h"
#include "ui/qt/main/picture_box.h"

namespace airfoil::testing {

inline const std::string kCommittedCatalogue = AIRFOIL_SOURCE_DIR "/data/KATPE-D20G15.txt";

using RecordedMessages = RecordingMessages;

// A catalogue file with the given rows ("thickness,camber,Eps,Delta,x") in a
// directory that lives as long as this object.
class CatalogueFile {
 public:
  explicit CatalogueFile(const std::vector<std::string>& rows) {
    std::string text = "test catalogue\n" + std::to_string(rows.size()) + "\n";
    for (const std::string& row : rows) text += row + "\n";
    QFile file(path_qt());
    file.open(QIODevice::WriteOnly);
    file.write(text.data(), static_cast<qint64>(text.size()));
  }
  std::string path() const { return path_qt().toStdString(); }

 private:
  QString path_qt() const { return dir_.filePath("KATPE-D20G15.txt"); }
  QTemporaryDir dir_;
};

// A main window with recorded messages, shown and exposed.
struct OpenWindow {
  explicit OpenWindow(const std::string& catalogue = kCommittedCatalogue)
      : window(std::make_unique<Form1Window>(&messages, catalogue)) {
    window->show();
    (void)QTest::qWaitForWindowExposed(window.get());
  }
  ~OpenWindow() {
    if (window->about_window() != nullptr) window->about_window()->close();
  }

  HScrollBar* bar(const char* name) const { return window->findChild<HScrollBar*>(name); }
  QLineEdit* box(const char* name) const { return window->findChild<QLineEdit*>(name); }
  std::string text(const char* name) const { return box(name)->text().toStdString(); }
  PictureBox* picture(SurfaceId id) const { return window->picture(id); }
  // What the picture shows on screen, its annotation labels included.
  QImage screen_of(SurfaceId id) const {
    return picture(id)->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  std::vector<int> clear_counts() const {
    std::vector<int> counts;
    for (int i = 0; i < 5; ++i) counts.push_back(picture(static_cast<SurfaceId>(i))->clear_count());
    return counts;
  }

  RecordedMessages messages;
  std::unique_ptr<Form1Window> window;
};

inline void click(HScrollBar* bar, QStyle::SubControl part) {
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->part_rect(part).center());
}

inline void click(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

}  // namespace airfoil::testing
