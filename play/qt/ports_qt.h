// The ports of the real window: message boxes and the system clock.
#pragma once
#include <string_view>

#include "model/ports.h"

class QWidget;

namespace zv::shell {

class MessageBoxes final : public Dialogs {
 public:
  void set_parent(QWidget* parent) { parent_ = parent; }
  Answer show(std::string_view text, std::string_view title, Buttons buttons) override;

 private:
  QWidget* parent_ = nullptr;
};

class SystemClock final : public Clock {
 public:
  double now() override;  // local time of day
  void sleep(double seconds) override;
};

// Boxes that report a refusal or a fault carry the warning sign.
bool is_warning_box(std::string_view title, std::string_view text, Buttons buttons);

}  // namespace zv::shell
