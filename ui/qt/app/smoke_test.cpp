#include "ui/qt/app/smoke_test.h"

#include <QApplication>
#include <QMouseEvent>

#include <cstdio>
#include <vector>

#include "model/recording_messages.h"
#include "ui/qt/app/offscreen_warnings.h"
#include "ui/qt/main/main_window.h"
#include "ui/qt/main/picture_box.h"

namespace airfoil {

namespace {

// A press and a release in the middle of the picture, as a left click.
void click(PictureBox* picture) {
  const QPointF at = QRectF(picture->rect()).center();
  const QPointF global = picture->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(picture, &press);
  QApplication::sendEvent(picture, &release);
}

// A picture that was drawn holds more than its background colour.
bool shows_a_drawing(const PictureBox* picture) {
  const QImage image = picture->drawing();
  const QRgb background = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != background) return true;
    }
  }
  return false;
}

}  // namespace

int run_smoke_test(const CatalogueSource& catalogue) {
  quiet_window_manager_warnings();
  RecordingMessages messages;
  Form1Window window(&messages, catalogue);
  window.show();
  QApplication::processEvents();
  click(window.picture(SurfaceId::profil));
  QApplication::processEvents();

  std::vector<std::string> problems;
  for (std::size_t i = 0; i < kSurfaceLayouts.size(); ++i) {
    const PictureBox* picture = window.picture(static_cast<SurfaceId>(i));
    if (picture->clear_count() == 0 || !shows_a_drawing(picture)) {
      problems.push_back(std::string(kSurfaceLayouts[i].name) + " was not drawn");
    }
  }
  for (const std::string& text : messages.shown) problems.push_back("message: " + text);
  for (const std::string& text : messages.faults) problems.push_back("fault: " + text);
  if (QApplication::windowIcon().pixmap(16, 16).isNull()) {
    problems.emplace_back("the window icon does not draw (are Qt's SVG plugins installed?)");
  }

  std::printf("smoke test: catalogue %s\n", catalogue.path.c_str());
  for (const std::string& problem : problems) std::printf("smoke test: %s\n", problem.c_str());
  std::printf("smoke test: %s\n", problems.empty() ? "all five pictures drawn, no message" : "FAILED");
  return problems.empty() ? 0 : 1;
}

}  // namespace airfoil
