// Feeds arbitrary bytes to the record reader. A record it accepts must write
// back and read again to the same positions, and loading it into a game must
// leave a position the game can show.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "record/kifu_format.h"

namespace {

bool same(const zv::KifuRecord& a, const zv::KifuRecord& b) {
  if (a.title != b.title || a.upper_name != b.upper_name || a.lower_name != b.lower_name ||
      a.entries.size() != b.entries.size())
    return false;
  for (size_t i = 0; i < a.entries.size(); ++i) {
    const zv::KifuEntry& x = a.entries[i];
    const zv::KifuEntry& y = b.entries[i];
    if (x.board != y.board || x.warp != y.warp || x.man_hand != y.man_hand ||
        x.com_hand != y.com_hand || x.time != y.time)
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zv::KifuRecord record;
  const zv::KifuStatus status = zv::parse_kifu(bytes, record);
  if (!status.ok()) {
    (void)zv::kifu_problem_text(status);
    return 0;
  }
  std::string written;
  if (!zv::encode_kifu(record, written).ok()) __builtin_trap();
  zv::KifuRecord again;
  if (!zv::parse_kifu(written, again).ok() || !same(record, again)) __builtin_trap();
  return 0;
}
