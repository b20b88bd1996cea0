// Feeds arbitrary bytes to the scripted-session parser (scripts come from bug
// reports as well as from the tests). Every command it returns must be one the
// runner can carry out without further checks, and setting up a position from
// it must leave a state the transcript can dump.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "model/game.h"
#include "play/qt/script.h"

namespace {

using zv::script::Op;

bool sane(const zv::script::Command& c, int previous_line) {
  if (c.line <= previous_line) return false;
  for (double v : c.nums)
    if (!std::isfinite(v)) return false;
  switch (c.op) {
    case Op::Click:
    case Op::Square:
      return c.nums.size() == 2 && (c.button == 1 || c.button == 2);
    case Op::Board:
    case Op::Warp:
      return c.nums.size() == zv::BAN_SIZE * zv::BAN_SIZE;
    case Op::Hands:
      return c.nums.size() == 2 * zv::HAND_SLOTS;
    case Op::Seed:
    case Op::Time:
    case Op::Wait:
    case Op::Key:
    case Op::Set:
      return c.nums.size() == 1;
    case Op::Invalid:
      return !c.why.empty();
    default:
      return true;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto state = std::make_unique<zv::GameState>();
  const std::string_view source(reinterpret_cast<const char*>(data), size);
  const auto commands = zv::script::parse(source);
  int line = 0;
  for (const auto& c : commands) {
    if (!sane(c, line)) __builtin_trap();
    line = c.line;
    switch (c.op) {
      case Op::Board:
        zv::script::set_board(*state, c.nums);
        break;
      case Op::Warp:
        zv::script::set_warp(*state, c.nums);
        break;
      case Op::Hands:
        zv::script::set_hands(*state, c.nums);
        break;
      case Op::Set:
        (void)zv::script::set_scalar(*state, c.name, static_cast<int>(c.nums[0]));
        break;
      default:
        break;
    }
    const std::string escaped = zv::script::escape(c.value);
    if (escaped.find_first_of("\r\n") != std::string::npos) __builtin_trap();
  }
  (void)zv::script::start_options(commands);
  zv::script::settle_position(*state);
  (void)zv::script::dump(*state);
  return 0;
}
