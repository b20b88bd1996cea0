#include "play/qt/worker_qt.h"

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <thread>

namespace zv::shell {

namespace {
// Often enough for a smooth clock and an instant Esc, rarely enough to leave
// the worker the processor.
constexpr int EVENTS_MS = 5;
constexpr auto POLL = std::chrono::milliseconds(10);
}  // namespace

bool ThreadWorker::run(const Job& job, const std::function<void()>& tick) {
  std::atomic<bool> stop{false}, done{false};
  busy_ = true;
  std::thread worker([&] {
    job(stop);
    done.store(true);
  });
  while (!done.load()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, EVENTS_MS);
    ++event_turns_;
    if (ending_()) stop.store(true);
    if (tick && !stop.load()) tick();
    if (!done.load()) std::this_thread::sleep_for(POLL);
  }
  worker.join();
  busy_ = false;
  return !ending_();
}

}  // namespace zv::shell
