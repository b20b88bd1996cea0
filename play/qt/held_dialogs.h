// Message boxes asked for while the main window is still being built (a
// sound card that cannot start) wait until the window is on screen, so they
// appear over it instead of before it.
#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/ports.h"

namespace zv::shell {

class HeldDialogs final : public Dialogs {
 public:
  explicit HeldDialogs(Dialogs& inner) : inner_(inner) {}

  Answer show(std::string_view text, std::string_view title, Buttons buttons) override {
    if (holding_ && buttons == Buttons::Ok) {
      held_.push_back({std::string(text), std::string(title)});
      return Answer::Ok;
    }
    release();  // a question cannot wait; what came before it goes first
    return inner_.show(text, title, buttons);
  }

  // Shows what was held, in order; from now on every box goes straight through.
  void release() {
    holding_ = false;
    auto boxes = std::exchange(held_, {});
    for (const auto& [text, title] : boxes) inner_.show(text, title, Buttons::Ok);
  }

  bool holding() const { return holding_; }
  std::size_t held() const { return held_.size(); }

 private:
  Dialogs& inner_;
  bool holding_ = true;
  std::vector<std::pair<std::string, std::string>> held_;
};

}  // namespace zv::shell
