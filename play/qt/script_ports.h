// The ports of a scripted session: a virtual clock and scripted message-box
// answers, written into the transcript.
#pragma once
#include <cstdint>
#include <deque>
#include <ostream>

#include "model/ports.h"

namespace zv::script {

// Time of day that moves only when told to; kept in whole microseconds so
// that many small steps add up exactly.
class ScriptClock final : public Clock {
 public:
  explicit ScriptClock(double seconds) { set(seconds); }
  double now() override { return static_cast<double>(us_) / 1e6; }
  void sleep(double seconds) override { advance(seconds); }
  void set(double seconds);
  void advance(double seconds);  // wraps at midnight

 private:
  std::int64_t us_ = 0;
};

class ScriptDialogs final : public Dialogs {
 public:
  explicit ScriptDialogs(std::ostream& out) : out_(out) {}
  Answer show(std::string_view text, std::string_view title, Buttons buttons) override;
  void queue_answer(Answer a) { answers_.push_back(a); }

 private:
  std::ostream& out_;
  std::deque<Answer> answers_;  // for the next Yes/No boxes; yes when empty
};

}  // namespace zv::script
