// The game-record ("棋譜") file format: three header lines, then one
// 520-character line per position, in Shift-JIS with CR LF line ends.
// Everything here works on bytes in memory, so it can be tested and fuzzed
// without files.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/state.h"

namespace zv {

inline constexpr int KIFU_LINE_LENGTH = 520;
inline constexpr int KIFU_HEADER_LINES = 3;
inline constexpr int KIFU_MAX_ENTRIES = HISTORY_MAX;
// Widest values the fixed fields hold. Hand counts 10..35 are written as the
// letters A..Z; times of 100000 s or more are written as 99999.
inline constexpr int KIFU_HAND_MAX = 35;
inline constexpr int KIFU_TIME_MAX = 99999;

// One position: the history entry after a move, with the move's four times.
struct KifuEntry {
  Grid board{};
  Hand man_hand{};
  Hand com_hand{};
  Grid warp{};
  std::array<double, 4> time{};  // indexed by HistTime
};

struct KifuRecord {
  std::string title;       // line 1, UTF-8
  std::string upper_name;  // line 2: the player of the upper side
  std::string lower_name;  // line 3: the player of the lower side
  std::vector<KifuEntry> entries;
};

enum class KifuProblem {
  None,
  Encoding,    // not Shift-JIS, or a text Shift-JIS cannot hold
  HeaderText,  // a header holds control characters
  LineLength,
  NotNumber,
  BadPiece,
  BadWarp,
  BadHand,
  PieceCount,
  Kings,
  BadTime,
  TooMany,
};

struct KifuStatus {
  KifuProblem problem = KifuProblem::None;
  int line = 0;  // 1-based line of the file (0: not tied to a line)
  bool ok() const { return problem == KifuProblem::None; }
};

// Sequential reading of the lines of a file held in memory.
struct KifuReader {
  std::string_view data;
  size_t pos = 0;
};

// Reads the next line (without its CR LF or LF) into 文字列 and sets フラグ
// to 1; at the end of the data sets フラグ to 0 and leaves 文字列 alone.
void 読込_棋譜ファイル(KifuReader& f, std::string& 文字列, int& フラグ);

// Reads a whole record. On failure `out` is unspecified and the status names
// the first problem found.
KifuStatus parse_kifu(std::string_view bytes, KifuRecord& out);

// Whether a position can stand in a record: known piece and warp codes, hand
// counts within the pieces that exist, both kings, every warp colour in pairs.
KifuProblem check_entry(const KifuEntry& e);

// The 520 characters of one record line (no line end).
std::string format_kifu_line(const KifuEntry& e);

// The bytes of a whole record file; fails on a header that Shift-JIS cannot
// hold or that holds control characters.
KifuStatus encode_kifu(const KifuRecord& r, std::string& bytes);

// The Japanese text telling what is wrong with a record.
std::string kifu_problem_text(const KifuStatus& st);

}  // namespace zv
