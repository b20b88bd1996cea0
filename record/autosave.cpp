#include "record/autosave.h"

#include <cstdlib>
#include <system_error>

#include "record/history_detail.h"
#include "record/kifu_file.h"

namespace zv {

namespace fs = std::filesystem;

fs::path autosave_folder(const GameState& s) {
  if (!s.data_dir.empty()) return s.data_dir;
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') return fs::path(xdg) / "zorvane";
  const char* home = std::getenv("HOME");
  return fs::path(home != nullptr && home[0] != '\0' ? home : ".") / ".local/share/zorvane";
}

bool save_game_on_exit(const GameState& s) {
  // As 書込 would: a game on the board, not a loaded record, not reversed or
  // handicapped, with at least one move.
  if (s.turn == NO_TURN || s.kifu_mode == 1 || s.reversed_once == 1 || s.handicap_set == 1)
    return false;
  const int count = detail::last_replayable(s);
  if (count < 1) return false;

  const KifuRecord r = detail::game_record(s, count, "前回の対局", "先手", "後手");
  std::string bytes;
  if (!encode_kifu(r, bytes).ok()) return false;

  const fs::path folder = autosave_folder(s);
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) return false;
  const fs::path last = folder / LAST_GAME_FILE;
  if (fs::is_regular_file(last, ec)) fs::rename(last, folder / GAME_BEFORE_FILE, ec);
  return write_file_replacing(last.string(), bytes) == FileError::None;
}

}  // namespace zv
