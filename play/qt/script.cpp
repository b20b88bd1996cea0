#include "play/qt/script.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <span>

#include "model/constants.h"
#include "model/pieces.h"
#include "model/setup.h"

namespace zv::script {

namespace {

constexpr std::size_t BOARD_CELLS = BAN_SIZE * BAN_SIZE;

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

std::vector<std::string_view> split(std::string_view s) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && is_blank(s[i])) ++i;
    std::size_t j = i;
    while (j < s.size() && !is_blank(s[j])) ++j;
    if (j > i) out.push_back(s.substr(i, j - i));
    i = j;
  }
  return out;
}

// Everything before a '#' that follows a blank.
std::string_view strip_comment(std::string_view s) {
  for (std::size_t i = 1; i < s.size(); ++i)
    if (s[i] == '#' && is_blank(s[i - 1])) return s.substr(0, i);
  return s;
}

bool to_number(std::string_view t, double& out) {
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  const char* end = t.data() + t.size();
  auto r = std::from_chars(t.data(), end, out);
  return r.ec == std::errc() && r.ptr == end && std::isfinite(out);
}

bool to_integer(std::string_view t, double& out) {
  return to_number(t, out) && out == std::floor(out) && std::fabs(out) < 2e9;
}

bool is_warp_code(int c) {
  return c == 0 || (c >= IRVU_FIRST && c <= IRVU_LAST);
}

constexpr int MAX_HAND_COUNT = 18;  // every pawn of both sides

// Reads `count` numbers (or one of `alt` numbers) from tokens; checks each with ok().
template <class Ok>
std::string read_codes(std::span<const std::string_view> toks, std::size_t count, std::size_t alt,
                       Ok ok, std::vector<double>& out) {
  if (toks.size() != count && toks.size() != alt)
    return "expects " + std::to_string(count) + " numbers, got " + std::to_string(toks.size());
  for (auto t : toks) {
    double v;
    if (!to_integer(t, v)) return "not a whole number: " + std::string(t);
    if (!ok(static_cast<int>(v))) return "not allowed here: " + std::string(t);
    out.push_back(v);
  }
  return {};
}

// After a command word: the rest of the line with one separating blank removed.
std::string_view rest_after(std::string_view line, std::string_view word_end_at) {
  std::size_t pos = static_cast<std::size_t>(word_end_at.data() - line.data()) + word_end_at.size();
  if (pos < line.size() && is_blank(line[pos])) ++pos;
  return line.substr(pos);
}

Command parse_line(std::string_view raw, int line_no) {
  Command c;
  c.line = line_no;
  auto fail = [&](std::string why) {
    c.op = Op::Invalid;
    c.why = std::move(why);
    return c;
  };

  std::size_t lead = 0;
  while (lead < raw.size() && is_blank(raw[lead])) ++lead;
  std::string_view line = raw.substr(lead);
  auto first = split(line);
  const std::string_view word = first[0];

  // Literal values first: they keep '#' and inner blanks.
  if (word == "text") {
    auto rest = rest_after(line, word);
    std::size_t sep = 0;
    while (sep < rest.size() && !is_blank(rest[sep])) ++sep;
    c.name = std::string(rest.substr(0, sep));
    if (c.name != "Text1" && c.name != "Text2" && c.name != "Text3" && c.name != "Text4")
      return fail("text needs Text1, Text2, Text3 or Text4");
    c.value = std::string(rest_after(rest, rest.substr(0, sep)));
    c.op = Op::Text;
    return c;
  }
  if (word == "folder" || word == "file") {
    c.value = std::string(rest_after(line, word));
    if (c.value.empty()) return fail(std::string(word) + " needs a name");
    c.op = word == "folder" ? Op::Folder : Op::File;
    return c;
  }

  auto toks = split(strip_comment(line));
  std::span<const std::string_view> args(toks.data() + 1, toks.size() - 1);
  auto want_args = [&](std::size_t n) { return args.size() == n; };
  auto usage = [&](const char* u) { return fail(std::string("usage: ") + u); };

  if (word == "seed") {
    double v;
    if (!want_args(1) || !to_number(args[0], v) || v != std::floor(v) || v < 0 || v > 4294967295.0)
      return usage("seed N (0..4294967295)");
    c.op = Op::Seed;
    c.nums = {v};
  } else if (word == "time") {
    double v;
    if (!want_args(1) || !to_number(args[0], v) || v < 0 || v >= 86400)
      return usage("time SECONDS (0 <= SECONDS < 86400)");
    c.op = Op::Time;
    c.nums = {v};
  } else if (word == "wait") {
    double v;
    if (!want_args(1) || !to_number(args[0], v) || v < 0 || v > 86400)
      return usage("wait SECONDS (0..86400)");
    c.op = Op::Wait;
    c.nums = {v};
  } else if (word == "menu") {
    if (!want_args(1)) return usage("menu NAME");
    c.op = Op::Menu;
    c.name = std::string(args[0]);
  } else if (word == "click" || word == "square") {
    double a, b;
    if (!want_args(3) || (args[0] != "left" && args[0] != "right") || !to_number(args[1], a) ||
        !to_number(args[2], b))
      return usage(word == "click" ? "click left|right X Y" : "square left|right Q R");
    c.op = word == "click" ? Op::Click : Op::Square;
    c.button = args[0] == "left" ? 1 : 2;
    c.nums = {a, b};
  } else if (word == "answer") {
    if (!want_args(1) || (args[0] != "yes" && args[0] != "no")) return usage("answer yes|no");
    c.op = Op::Answer;
    c.button = args[0] == "yes" ? 1 : 0;
  } else if (word == "key") {
    double v;
    if (!want_args(1) || !to_integer(args[0], v) || v < 0 || v > 255)
      return usage("key N (0..255)");
    c.op = Op::Key;
    c.nums = {v};
  } else if (word == "press") {
    if (!want_args(1) || args[0] != "Command1") return usage("press Command1");
    c.op = Op::Press;
    c.name = "Command1";
  } else if (word == "board" || word == "warp") {
    const bool board = word == "board";
    auto why =
        read_codes(args, BOARD_CELLS, BOARD_CELLS, board ? is_piece_code : is_warp_code, c.nums);
    if (!why.empty()) return fail(std::string(word) + ": " + why);
    c.op = board ? Op::Board : Op::Warp;
  } else if (word == "hands") {
    // A dump's hands line (with the two totals) is accepted as well.
    auto ok = [](int n) { return n >= 0 && n <= MAX_HAND_COUNT; };
    auto why = read_codes(args, 2 * HAND_SLOTS, 2 * HAND_SLOTS + 2, ok, c.nums);
    if (!why.empty()) return fail("hands: " + why);
    c.nums.resize(2 * HAND_SLOTS);
    c.op = Op::Hands;
  } else if (word == "set") {
    double v;
    if (!want_args(2) || !to_integer(args[1], v)) return usage("set NAME VALUE");
    c.op = Op::Set;
    c.name = std::string(args[0]);
    c.nums = {v};
  } else if (word == "drawn") {
    if (!want_args(0)) return usage("drawn");
    c.op = Op::Drawn;
  } else if (word == "com" || word == "dump") {
    if (!want_args(0)) return fail(std::string(word) + " takes no arguments");
    c.op = word == "com" ? Op::Com : Op::Dump;
  } else if (word == "shot") {
    if (!want_args(1)) return usage("shot FILE");
    c.op = Op::Shot;
    c.value = std::string(args[0]);
  } else if (word == "size") {
    constexpr double SMALLEST = 160, LARGEST = 4000;
    double w, h;
    if (!want_args(2) || !to_integer(args[0], w) || !to_integer(args[1], h) || w < SMALLEST ||
        w > LARGEST || h < SMALLEST || h > LARGEST)
      return usage("size W H (160..4000 pixels each)");
    c.op = Op::Size;
    c.nums = {w, h};
  } else {
    return fail("unknown command: " + std::string(word));
  }
  return c;
}

struct Scalar {
  const char* name;
  int BoardState::*field;
  int lo, hi;
};

const Scalar SCALARS[] = {
    {"turn", &BoardState::turn, GOTE, SENTE},
    {"man_side", &BoardState::man_side, GOTE, SENTE},
    {"com_side", &BoardState::com_side, GOTE, SENTE},
    {"winner", &BoardState::winner, GOTE, SENTE},
    {"game_mode", &BoardState::game_mode, MODE_NONE, MODE_COM},
    {"com_level", &BoardState::com_level, COM_LEVEL_MIN, COM_LEVEL_MAX},
    {"move_number", &BoardState::move_number, 0, HISTORY_MAX},
    {"history_index", &BoardState::history_index, 0, HISTORY_MAX},
    {"history_last", &BoardState::history_last, 0, HISTORY_MAX},
    {"kifu_mode", &BoardState::kifu_mode, 0, 1},
    {"handicap_level", &BoardState::handicap_level, -10, 10},
    {"handicap_set", &BoardState::handicap_set, 0, 1},
    {"reversed_once", &BoardState::reversed_once, 0, 1},
    {"piece_selected", &BoardState::piece_selected, 0, 1},
    {"clock_pending", &BoardState::clock_pending, 0, 1},
    {"guidance_on", &BoardState::guidance_on, 0, 1},
    {"promoted_code", &BoardState::promoted_code, -UE_OU, UE_OU},
};

void set_grid(Grid& grid, const std::vector<double>& codes) {
  std::size_t i = 0;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) grid[x][y] = static_cast<int>(codes.at(i++));
}

void append_grid(std::string& out, const char* head, const Grid& grid) {
  out += head;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) out += ' ' + std::to_string(grid[x][y]);
  out += '\n';
}

}  // namespace

std::vector<Command> parse(std::string_view source) {
  std::vector<Command> out;
  int line_no = 0;
  std::size_t pos = 0;
  if (source.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;  // a byte-order mark from some editors
  // Lines end with CR LF, LF or a lone CR (as some editors still save).
  while (pos < source.size()) {
    std::size_t end = source.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = source.size();
    std::string_view line = source.substr(pos, end - pos);
    pos = end + 1;
    if (end < source.size() && source[end] == '\r' && pos < source.size() && source[pos] == '\n')
      ++pos;
    ++line_no;
    auto toks = split(line);
    if (toks.empty() || toks[0].front() == '#') continue;
    out.push_back(parse_line(line, line_no));
  }
  return out;
}

StartOptions start_options(const std::vector<Command>& commands) {
  StartOptions o;
  std::size_t i = 0;
  for (; i < commands.size(); ++i) {
    const auto& c = commands[i];
    if (c.op == Op::Seed)
      o.seed = static_cast<std::uint32_t>(c.nums[0]);
    else if (c.op == Op::Time)
      o.time = c.nums[0];
    else
      break;
  }
  o.first_command = i;
  return o;
}

std::string escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    switch (ch) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += ch;
    }
  }
  return out;
}

std::string box_line(std::string_view title, std::string_view text, Buttons buttons,
                     Answer answer) {
  std::string out = "box title=\"" + escape(title) + "\" text=\"" + escape(text) + "\" buttons=";
  if (buttons == Buttons::Ok) return out + "ok";
  return out + "yesno answer=" + (answer == Answer::No ? "no" : "yes");
}

std::string sound_line(std::string_view op, std::string_view file) {
  return "sound " + std::string(op) + ' ' + std::string(file);
}

std::string error_line(int line, std::string_view why) {
  return "error " + std::to_string(line) + ": " + std::string(why);
}

std::string dump(const GameState& s) {
  std::string out = "state";
  auto field = [&](const char* name, int v) {
    out += ' ' + std::string(name) + '=' + std::to_string(v);
  };
  field("turn", s.turn);
  field("man_side", s.man_side);
  field("com_side", s.com_side);
  field("winner", s.winner);
  field("game_mode", s.game_mode);
  field("com_level", s.com_level);
  field("move_number", s.move_number);
  field("history_index", s.history_index);
  field("history_last", s.history_last);
  field("kifu_mode", s.kifu_mode);
  field("handicap_level", s.handicap_level);
  field("handicap_set", s.handicap_set);
  field("reversed_once", s.reversed_once);
  field("piece_selected", s.piece_selected);
  out += '\n';
  append_grid(out, "board", s.board);
  append_grid(out, "warp", s.warp_map);
  out += "hands";
  for (int k = 1; k <= HAND_SLOTS; ++k) out += ' ' + std::to_string(s.man_hand[k]);
  for (int k = 1; k <= HAND_SLOTS; ++k) out += ' ' + std::to_string(s.com_hand[k]);
  out += ' ' + std::to_string(s.man_hand_total) + ' ' + std::to_string(s.com_hand_total) + '\n';
  return out;
}

std::string set_scalar(GameState& s, std::string_view name, int value) {
  for (const auto& sc : SCALARS) {
    if (name != sc.name) continue;
    if (value < sc.lo || value > sc.hi)
      return std::string(name) + " must lie in " + std::to_string(sc.lo) + ".." +
             std::to_string(sc.hi);
    static_cast<BoardState&>(s).*sc.field = value;
    return {};
  }
  return "no such variable: " + std::string(name);
}

void set_board(GameState& s, const std::vector<double>& codes) {
  set_grid(s.board, codes);
}
void set_warp(GameState& s, const std::vector<double>& codes) {
  set_grid(s.warp_map, codes);
}

void set_hands(GameState& s, const std::vector<double>& counts) {
  for (int k = 1; k <= HAND_SLOTS; ++k) {
    s.man_hand[k] = static_cast<int>(counts.at(k - 1));
    s.com_hand[k] = static_cast<int>(counts.at(HAND_SLOTS + k - 1));
  }
}

void settle_position(GameState& s) {
  recount_hand_totals(s);
  locate_kings(s);
}

double cell_centre_x(double q) {
  return X0 + CELL_W * q + CELL_W / 2.0;
}
double cell_centre_y(double r) {
  return Y0 + CELL_H * r + CELL_H / 2.0;
}

}  // namespace zv::script
