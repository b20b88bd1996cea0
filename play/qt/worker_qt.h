// The window's worker port: thinking runs on its own thread while the
// window's events go on being handled (painting, Esc), and user input that
// would change the game waits until the thinking is over.
#pragma once
#include <functional>

#include "model/ports.h"

namespace zv::shell {

class ThreadWorker final : public Worker {
 public:
  // `ending` says whether the program is ending (Esc, the window closed).
  ThreadWorker(bool real_time, std::function<bool()> ending)
      : real_time_(real_time), ending_(std::move(ending)) {}
  bool run(const Job& job, const std::function<void()>& tick) override;
  bool real_time() const override { return real_time_; }
  // True while a job runs: clicks and menu commands are not taken then.
  bool busy() const { return busy_; }
  // Times the window's events were handled during thinking, for tests.
  long event_turns() const { return event_turns_; }

 private:
  bool real_time_;
  std::function<bool()> ending_;
  bool busy_ = false;
  long event_turns_ = 0;
};

}  // namespace zv::shell
