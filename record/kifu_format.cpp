#include "record/kifu_format.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "model/cp932.h"
#include "model/pieces.h"

namespace zv {

namespace {

constexpr int BOARD_W = 4, HAND_W = 1, WARP_W = 2, TIME_W = 5;
constexpr int BOARD_AT = 0;
constexpr int HAND_AT = BOARD_AT + BAN_SIZE * BAN_SIZE * BOARD_W;  // 324
constexpr int WARP_AT = HAND_AT + HAND_SLOTS * 2 * HAND_W;         // 338
constexpr int TIME_AT = WARP_AT + BAN_SIZE * BAN_SIZE * WARP_W;    // 500
static_assert(TIME_AT + 4 * TIME_W == KIFU_LINE_LENGTH);

// How many pieces of each hand kind the game has (both sides together).
constexpr int PIECES_OF_SLOT[HAND_SLOTS + 1] = {0, 18, 4, 4, 4, 4, 2, 2};

bool is_blank(char c) {
  return c == ' ';
}

// A right-aligned decimal field; blanks around it are ignored and an empty
// field is 0.
bool parse_field(std::string_view f, int& value) {
  size_t i = 0;
  while (i < f.size() && is_blank(f[i])) ++i;
  if (i == f.size()) {
    value = 0;
    return true;
  }
  bool negative = false;
  if (f[i] == '-') {
    negative = true;
    ++i;
  }
  const size_t digits_at = i;
  long v = 0;
  while (i < f.size() && f[i] >= '0' && f[i] <= '9') v = v * 10 + (f[i++] - '0');
  if (i == digits_at) return false;
  while (i < f.size() && is_blank(f[i])) ++i;
  if (i != f.size()) return false;
  value = static_cast<int>(negative ? -v : v);
  return true;
}

// One-character hand count: a digit, or A..Z for 10..35.
KifuProblem parse_hand(char c, int& value) {
  if (is_blank(c))
    value = 0;
  else if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'A' && c <= 'Z')
    value = 10 + (c - 'A');
  else if (c == '-')
    return KifuProblem::BadHand;
  else
    return KifuProblem::NotNumber;
  return KifuProblem::None;
}

char hand_char(int n) {
  if (n <= 0) return '0';
  if (n <= 9) return static_cast<char>('0' + n);
  if (n <= KIFU_HAND_MAX) return static_cast<char>('A' + (n - 10));
  return 'Z';
}

void put_int(char* at, int width, long v) {
  char digits[24];
  int n = 0;
  const bool negative = v < 0;
  unsigned long u = negative ? static_cast<unsigned long>(-v) : static_cast<unsigned long>(v);
  do {
    digits[n++] = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  if (negative) digits[n++] = '-';
  int i = width - 1;
  for (int k = 0; k < n && i >= 0; ++k) at[i--] = digits[k];
  while (i >= 0) at[i--] = ' ';
}

long time_field(double seconds) {
  if (!(seconds > 0)) return 0;  // also NaN
  if (seconds >= KIFU_TIME_MAX) return KIFU_TIME_MAX;
  return static_cast<long>(std::trunc(seconds));
}

bool has_control(std::string_view s) {
  for (unsigned char c : s)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}

KifuProblem parse_line(std::string_view line, KifuEntry& e) {
  if (line.size() != KIFU_LINE_LENGTH) return KifuProblem::LineLength;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      const int i = (x - 1) * BAN_SIZE + (y - 1);
      int v = 0;
      if (!parse_field(line.substr(BOARD_AT + i * BOARD_W, BOARD_W), v))
        return KifuProblem::NotNumber;
      e.board[x][y] = v;
      if (!parse_field(line.substr(WARP_AT + i * WARP_W, WARP_W), v)) return KifuProblem::NotNumber;
      e.warp[x][y] = v;
    }
  for (int k = 1; k <= HAND_SLOTS; ++k) {
    KifuProblem p = parse_hand(line[HAND_AT + 2 * (k - 1)], e.man_hand[k]);
    if (p == KifuProblem::None) p = parse_hand(line[HAND_AT + 2 * (k - 1) + 1], e.com_hand[k]);
    if (p != KifuProblem::None) return p;
  }
  for (int t = 0; t < 4; ++t) {
    int v = 0;
    if (!parse_field(line.substr(TIME_AT + t * TIME_W, TIME_W), v)) return KifuProblem::NotNumber;
    if (v < 0) return KifuProblem::BadTime;
    e.time[t] = v;
  }
  return check_entry(e);
}

}  // namespace

void 読込_棋譜ファイル(KifuReader& f, std::string& 文字列, int& フラグ) {
  if (f.pos >= f.data.size()) {
    フラグ = 0;
    return;
  }
  size_t end = f.data.find('\n', f.pos);
  size_t next = end == std::string_view::npos ? f.data.size() : end + 1;
  if (end == std::string_view::npos) end = f.data.size();
  size_t stop = end;
  if (stop > f.pos && f.data[stop - 1] == '\r') --stop;
  文字列.assign(f.data.substr(f.pos, stop - f.pos));
  f.pos = next;
  フラグ = 1;
}

KifuProblem check_entry(const KifuEntry& e) {
  int count[HAND_SLOTS + 1] = {};
  int upper_kings = 0, lower_kings = 0;
  int warps[IRVU_LAST + 1] = {};
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      const int c = e.board[x][y];
      if (!is_piece_code(c)) return KifuProblem::BadPiece;
      if (c == UE_OU)
        ++upper_kings;
      else if (c == SITA_OU)
        ++lower_kings;
      else if (c != EMPTY)
        ++count[hand_slot_of(c)];
      const int w = e.warp[x][y];
      if (w != 0 && (w < IRVU_FIRST || w > IRVU_LAST)) return KifuProblem::BadWarp;
      ++warps[w];
    }
  for (int k = IRVU_FIRST; k <= IRVU_LAST; ++k)
    if (warps[k] != 0 && warps[k] != 2) return KifuProblem::BadWarp;
  for (int k = 1; k <= HAND_SLOTS; ++k) {
    if (e.man_hand[k] < 0 || e.com_hand[k] < 0) return KifuProblem::BadHand;
    if (e.man_hand[k] > PIECES_OF_SLOT[k] || e.com_hand[k] > PIECES_OF_SLOT[k])
      return KifuProblem::BadHand;
    count[k] += e.man_hand[k] + e.com_hand[k];
    if (count[k] > PIECES_OF_SLOT[k]) return KifuProblem::PieceCount;
  }
  if (upper_kings != 1 || lower_kings != 1) return KifuProblem::Kings;
  return KifuProblem::None;
}

KifuStatus parse_kifu(std::string_view bytes, KifuRecord& out) {
  out.title.clear();
  out.upper_name.clear();
  out.lower_name.clear();
  out.entries.clear();
  KifuReader f{bytes, 0};
  std::string line;
  int flag = 0;
  int line_no = 0;
  std::string* headers[KIFU_HEADER_LINES] = {&out.title, &out.upper_name, &out.lower_name};
  for (std::string* h : headers) {
    読込_棋譜ファイル(f, line, flag);
    if (flag == 0) return {};
    ++line_no;
    auto text = cp932_to_utf8(line);
    if (!text) return {KifuProblem::Encoding, line_no};
    *h = std::move(*text);
    if (has_control(*h)) return {KifuProblem::HeaderText, line_no};
  }
  for (;;) {
    読込_棋譜ファイル(f, line, flag);
    if (flag == 0) break;
    ++line_no;
    if (static_cast<int>(out.entries.size()) == KIFU_MAX_ENTRIES)
      return {KifuProblem::TooMany, line_no};
    KifuEntry& e = out.entries.emplace_back();
    const KifuProblem p = parse_line(line, e);
    if (p != KifuProblem::None) return {p, line_no};
  }
  return {};
}

std::string format_kifu_line(const KifuEntry& e) {
  std::string line(KIFU_LINE_LENGTH, ' ');
  char* p = line.data();
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      const int i = (x - 1) * BAN_SIZE + (y - 1);
      put_int(p + BOARD_AT + i * BOARD_W, BOARD_W, e.board[x][y]);
      put_int(p + WARP_AT + i * WARP_W, WARP_W, e.warp[x][y]);
    }
  for (int k = 1; k <= HAND_SLOTS; ++k) {
    p[HAND_AT + 2 * (k - 1)] = hand_char(e.man_hand[k]);
    p[HAND_AT + 2 * (k - 1) + 1] = hand_char(e.com_hand[k]);
  }
  for (int t = 0; t < 4; ++t) put_int(p + TIME_AT + t * TIME_W, TIME_W, time_field(e.time[t]));
  return line;
}

KifuStatus encode_kifu(const KifuRecord& r, std::string& bytes) {
  bytes.clear();
  bytes.reserve(r.entries.size() * (KIFU_LINE_LENGTH + 2) + 256);
  const std::string* headers[KIFU_HEADER_LINES] = {&r.title, &r.upper_name, &r.lower_name};
  for (int i = 0; i < KIFU_HEADER_LINES; ++i) {
    if (has_control(*headers[i])) return {KifuProblem::HeaderText, i + 1};
    const auto text = utf8_to_cp932(*headers[i]);
    if (!text) return {KifuProblem::Encoding, i + 1};
    bytes += *text;
    bytes += "\r\n";
  }
  if (static_cast<int>(r.entries.size()) > KIFU_MAX_ENTRIES)
    return {KifuProblem::TooMany, KIFU_HEADER_LINES + KIFU_MAX_ENTRIES + 1};
  int line_no = KIFU_HEADER_LINES;
  for (const KifuEntry& e : r.entries) {
    ++line_no;
    const KifuProblem p = check_entry(e);
    if (p != KifuProblem::None) return {p, line_no};
    bytes += format_kifu_line(e);
    bytes += "\r\n";
  }
  return {};
}

std::string kifu_problem_text(const KifuStatus& st) {
  const char* what = "";
  switch (st.problem) {
    case KifuProblem::None:
      return {};
    case KifuProblem::Encoding:
      what = "Shift-JISの文字として読めない部分があります";
      break;
    case KifuProblem::HeaderText:
      what = "見出しに使えない制御文字があります";
      break;
    case KifuProblem::LineLength:
      what = "行の長さが520文字ではありません";
      break;
    case KifuProblem::NotNumber:
      what = "数値ではない欄があります";
      break;
    case KifuProblem::BadPiece:
      what = "駒ではない値があります";
      break;
    case KifuProblem::BadWarp:
      what = "ワープ桝の値が正しくありません";
      break;
    case KifuProblem::BadHand:
      what = "持駒の数が正しくありません";
      break;
    case KifuProblem::PieceCount:
      what = "駒の数が多すぎます";
      break;
    case KifuProblem::Kings:
      what = "王が両方そろっていません";
      break;
    case KifuProblem::BadTime:
      what = "時間の値が正しくありません";
      break;
    case KifuProblem::TooMany:
      what = "500手を超えています";
      break;
  }
  std::string text = "棋譜ﾌｧｲﾙが正しくありません";
  if (st.line > 0) text += "（" + std::to_string(st.line) + "行目）";
  text += "\n";
  text += what;
  return text;
}

}  // namespace zv
