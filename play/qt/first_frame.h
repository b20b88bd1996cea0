// For the start-up benchmark only: with ZORVANE_FIRST_FRAME set, the program
// prints "first-frame NS" (CLOCK_MONOTONIC nanoseconds) once the watched
// widget has painted for the first time and the event loop is back in
// control, then closes its window the ordinary way. The benchmark starts the
// game and a minimal Qt program alike and compares the stamps with its own.
#pragma once
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace zv::shell {

inline constexpr const char* FIRST_FRAME_ENV = "ZORVANE_FIRST_FRAME";

class FirstFrameProbe final : public QObject {
 public:
  // Watches `painted`; does nothing unless the variable is set.
  static void attach_if_asked(QWidget* painted) {
    if (qEnvironmentVariableIsEmpty(FIRST_FRAME_ENV)) return;
    painted->installEventFilter(new FirstFrameProbe(painted));
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // A zero timer fires after the whole frame has been painted and flushed.
      QWidget* window = static_cast<QWidget*>(watched)->window();
      QTimer::singleShot(0, window, [window] {
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        std::printf("first-frame %lld\n",
                    static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
        std::fflush(stdout);
        window->close();
      });
    }
    return false;
  }

 private:
  explicit FirstFrameProbe(QObject* parent) : QObject(parent) {}
  bool seen_ = false;
};

}  // namespace zv::shell
