#include "play/qt/script_ports.h"

#include <algorithm>
#include <cmath>

#include "play/qt/script.h"

namespace zv::script {

namespace {
constexpr std::int64_t DAY_US = 86400LL * 1000000LL;
}

void ScriptClock::set(double seconds) {
  us_ = std::llround(seconds * 1e6) % DAY_US;
  if (us_ < 0) us_ += DAY_US;
}

void ScriptClock::advance(double seconds) {
  if (!(seconds > 0)) return;
  // At least one step, or a wait for a hair's breadth would never end.
  us_ = (us_ + std::max<std::int64_t>(1, std::llround(seconds * 1e6))) % DAY_US;
}

Answer ScriptDialogs::show(std::string_view text, std::string_view title, Buttons buttons) {
  Answer a = Answer::Ok;
  if (buttons == Buttons::YesNo) {
    a = Answer::Yes;
    if (!answers_.empty()) {
      a = answers_.front();
      answers_.pop_front();
    }
  }
  out_ << box_line(title, text, buttons, a) << '\n';
  return a;
}

}  // namespace zv::script
