// The desktop program as it starts, stopped right after its window is first
// painted. It reports how long that took since its parent spawned it
// (AIRFOIL_SPAWN_NS, a CLOCK_MONOTONIC time) and its peak memory so far, as
// "<nanoseconds> <kilobytes>" on standard output. The catalogue is the
// committed one, or AIRFOIL_STARTUP_CATALOGUE when set; a start-up message is
// noted instead of waiting in a modal box for a click.

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "model/recording_messages.h"
#include "ui/qt/app/language.h"
#include "ui/qt/app/options.h"
#include "ui/qt/main/main_window.h"

namespace {

long long monotonic_ns() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Waits for the main window's first paint, then lets that paint finish
// before taking the time.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(long long spawned) : spawned_(spawned) {
    after_paint_.setSingleShot(true);
    connect(&after_paint_, &QTimer::timeout, this, &FirstPaint::report);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !after_paint_.isActive()) after_paint_.start(0);
    return QObject::eventFilter(watched, event);
  }

 private:
  void report() const {
    const long long elapsed = monotonic_ns() - spawned_;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%lld %ld\n", elapsed, usage.ru_maxrss);
    std::fflush(stdout);
    std::_Exit(0);
  }
  long long spawned_;
  QTimer after_paint_;
};

}  // namespace

int main(int argc, char** argv) {
  const char* spawned = std::getenv("AIRFOIL_SPAWN_NS");
  const long long spawned_ns = spawned != nullptr ? std::atoll(spawned) : monotonic_ns();

  QApplication app(argc, argv);
  // As the program does: the remembered language (Turkish when none).
  airfoil::set_language(airfoil::remembered_language());
  FirstPaint first_paint(spawned_ns);
  const char* catalogue = std::getenv("AIRFOIL_STARTUP_CATALOGUE");
  airfoil::RecordingMessages messages;
  airfoil::Form1Window window(&messages, catalogue != nullptr ? catalogue : AIRFOIL_CATALOGUE);
  window.installEventFilter(&first_paint);
  window.show();
  return app.exec();
}
