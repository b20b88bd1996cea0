#include <algorithm>

#include "model/moves.h"
#include "model/setup.h"
#include "record/history_detail.h"
#include "record/kifu_file.h"
#include "record/kifu_format.h"
#include "record/panel.h"
#include "record/record.h"
#include "view/draw.h"

namespace zv {

namespace {

constexpr std::string_view TWO_BLANKS = "  ";
constexpr std::string_view SAVE_TITLE = "棋譜保存";
constexpr std::string_view LOAD_TITLE = "棋譜";
constexpr double HEADER_BELOW_Y = 6350, HEADER_ABOVE_Y = 100, TITLE_SHIFT_X = 3000;
constexpr double HEADER_FONT = 12;

void say(Game& g, std::string_view text, std::string_view title) {
  g.io.dialogs->show(text, title, Buttons::Ok);
}

// The panel opens in a folder even when the window has not chosen one.
void ensure_folder(PanelState& p) {
  if (p.dir_path.empty()) p.dir_path = initial_folder();
  if (p.drive.empty()) p.drive = volume_of(p.dir_path, list_volumes());
}

size_t utf8_length(std::string_view s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

void store_entry(GameState& s, int k, const KifuEntry& e) {
  s.hist_board[k] = e.board;
  s.hist_warp[k] = e.warp;
  s.hist_man_hand[k] = e.man_hand;
  s.hist_com_hand[k] = e.com_hand;
  for (int t = 0; t < 4; ++t) s.hist_time[k][t] = e.time[t];
}

KifuEntry entry_of(const GameState& s, int k) {
  KifuEntry e;
  e.board = s.hist_board[k];
  e.warp = s.hist_warp[k];
  e.man_hand = s.hist_man_hand[k];
  e.com_hand = s.hist_com_hand[k];
  for (int t = 0; t < 4; ++t) e.time[t] = s.hist_time[k][t];
  return e;
}

}  // namespace

KifuRecord detail::game_record(const GameState& s, int count, std::string_view title,
                               std::string_view sente_name, std::string_view gote_name) {
  KifuRecord r;
  r.title = title;
  // Line 2 names the upper side's player: 後手 when the lower side moved first.
  const bool lower_first = s.man_side == SENTE;
  r.upper_name = lower_first ? gote_name : sente_name;
  r.lower_name = lower_first ? sente_name : gote_name;
  r.entries.reserve(count);
  for (int k = 1; k <= count; ++k) r.entries.push_back(entry_of(s, k));
  return r;
}

namespace {

// Entry 0 is not in the file: it is the starting position, with the warp
// squares of the first position (which only differ if the first move warped).
void store_start(GameState& s, const KifuEntry& first) {
  KifuEntry start;
  start.board = s.board;
  start.warp = first.warp;
  store_entry(s, 0, start);
}

void draw_header(Game& g, std::string_view text, double x, double y, int colour) {
  g.io.canvas->text(x, y, text, colour, HEADER_FONT, g.st.font_bold);
}

}  // namespace

void 描画_可視(Game& g, bool drive, bool dir, bool file) {
  g.st.drive1_visible = drive;
  g.st.dir1_visible = dir;
  g.st.file1_visible = file;
}

void 描画_棋譜_IO(Game& g, int mode) {
  auto& p = g.st;
  if (mode == 0) {
    p.text_visible = true;
    return;
  }
  p.Text1.clear();
  p.Text2.clear();
  p.Text3.clear();
  p.Text4.clear();
  p.text_visible = false;
}

void hide_file_panel(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
}

void KIFU_READ_Click(Game& g) {
  ensure_folder(g.st);
  描画_可視(g, true, true, true);
  描画_棋譜_IO(g, 1);
  g.st.file_list_version += 1;
}

void KIFU_WRITE_Click(Game& g) {
  auto& s = g.st;
  if (s.reversed_once == 1) {
    say(g, "反転後は書き込みできません", "棋譜書込");
    return;
  }
  if (s.handicap_set == 1) {
    say(g, "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込");
    return;
  }
  ensure_folder(s);
  描画_可視(g, true, true, false);
  描画_棋譜_IO(g, 0);
}

void OPTION_Click(Game& g) {
  hide_file_panel(g);
}

void Dir1_Change(Game& g) {
  g.st.file_list_version += 1;
}

void Drive1_Change(Game& g) {
  auto& p = g.st;
  if (!folder_readable(p.drive)) {
    say(g, "ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ");
    // The folder list keeps its path, so the drive shown goes back to it.
    p.drive = volume_of(p.dir_path, list_volumes());
    return;
  }
  p.dir_path = p.drive;
  Dir1_Change(g);
}

double 取得_棋譜のX座標(std::string_view text) {
  const double n = static_cast<double>(utf8_length(text));
  return X0 + CELL_W * (3 + (13 - n) / 5);
}

void Command1_Click(Game& g) {
  auto& s = g.st;
  if (s.Text1.empty()) {
    say(g, "ﾌｧｲﾙ名が入力されていません", TWO_BLANKS);
    return;
  }
  const int count = detail::last_replayable(s);
  if (count < 1) {
    say(g, "保存するデータがありません", SAVE_TITLE);
    return;
  }
  switch (check_record_name(s.Text1)) {
    case RecordName::Ok:
    case RecordName::Empty:  // answered above
      break;
    case RecordName::TooLong:
      say(g, "ﾌｧｲﾙ名が長すぎます（200ﾊﾞｲﾄまで）", SAVE_TITLE);
      return;
    case RecordName::BadCharacter:
      say(g, "ﾌｧｲﾙ名に使えない文字（/ \\ .. 制御文字）が含まれています", SAVE_TITLE);
      return;
  }
  ensure_folder(s);

  const KifuRecord r = detail::game_record(s, count, s.Text2, s.Text3, s.Text4);
  std::string bytes;
  const KifuStatus st = encode_kifu(r, bytes);
  if (st.problem == KifuProblem::Encoding || st.problem == KifuProblem::HeaderText) {
    say(g, "対局名と対局者名にShift-JISで書けない文字か制御文字が含まれています", SAVE_TITLE);
    return;
  }
  if (!st.ok()) {
    say(g, "記録に正しくない局面があるため保存できません", SAVE_TITLE);
    return;
  }
  const std::string path = record_path(s.dir_path, s.Text1);
  const FileError err = write_file_replacing(path, bytes, KIFU_EXTENSION);
  if (err == FileError::Create || err == FileError::NotAFile) {
    say(g, "棋譜ﾌｧｲﾙを作成できません\n" + s.dir_path, SAVE_TITLE);
    return;
  }
  if (err == FileError::ReadOnly) {
    say(g,
        "棋譜ﾌｧｲﾙを作成できません\n書き込み禁止のﾌｧｲﾙです：" + s.Text1 +
            std::string(KIFU_EXTENSION),
        SAVE_TITLE);
    return;
  }
  if (err != FileError::None) {
    say(g, "棋譜ﾌｧｲﾙを書き込めません（元のﾌｧｲﾙは変わっていません）", SAVE_TITLE);
    return;
  }
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
  s.file_list_version += 1;
  say(g, "棋譜を書き込みました", TWO_BLANKS);
}

void File1_Click(Game& g, const std::string& name) {
  auto& s = g.st;
  // Only a name from the listed folder is read, never a path elsewhere.
  if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") {
    say(g, "棋譜ﾌｧｲﾙを開けません", LOAD_TITLE);
    return;
  }
  std::string bytes;
  const std::string folder = s.dir_path.empty() ? std::string(".") : s.dir_path;
  switch (read_record_file(folder + "/" + name, bytes)) {
    case FileError::None:
      break;
    case FileError::Read:
      say(g, "棋譜ﾌｧｲﾙを読み込めません", LOAD_TITLE);
      return;
    case FileError::TooLarge:
      say(g, "棋譜ﾌｧｲﾙが大きすぎます", LOAD_TITLE);
      return;
    default:
      say(g, "棋譜ﾌｧｲﾙを開けません", LOAD_TITLE);
      return;
  }
  load_record_bytes(g, bytes);
}

bool load_record_bytes(Game& g, std::string_view bytes) {
  KifuRecord r;
  const KifuStatus st = parse_kifu(bytes, r);
  if (!st.ok()) {
    g.io.dialogs->show(kifu_problem_text(st), LOAD_TITLE, Buttons::Ok);
    return false;
  }
  // A record without positions would only throw the game away.
  if (r.entries.empty()) {
    say(g, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", LOAD_TITLE);
    return false;
  }

  auto& s = g.st;
  描画_可視(g, false, false, false);
  初期設定(g);
  画面_再描画(g);
  s.kifu_mode = 1;
  draw_header(g, r.title, 取得_棋譜のX座標(r.title) - TITLE_SHIFT_X, HEADER_BELOW_Y, COL_LIGHTRED);
  draw_header(g, r.upper_name, 取得_棋譜のX座標(r.upper_name), HEADER_ABOVE_Y, COL_WHITE);
  draw_header(g, r.lower_name, 取得_棋譜のX座標(r.lower_name), HEADER_BELOW_Y, COL_WHITE);

  const int n = static_cast<int>(r.entries.size());
  store_start(s, r.entries[0]);
  for (int k = 1; k <= n; ++k) store_entry(s, k, r.entries[k - 1]);
  // Destinations and moved pieces, as a game played here would have them: a
  // piece that stands on a square of the earlier warp map got there by a warp,
  // so the square chosen was that square's partner.
  for (int k = 0; k < n; ++k) {
    int x = 0, y = 0, code = 0;
    調査_移動結果(s, k + 1, x, y, code);
    if (x != 0 && s.hist_warp[k][x][y] != 0) {
      BoardState before;
      before.warp_map = s.hist_warp[k];
      warp_partner(before, x, y, x, y);
    }
    s.hist_dest_x[k] = x;
    s.hist_dest_y[k] = y;
    s.hist_piece[k] = code;
  }
  s.warp_map = s.hist_warp[0];
  描画_盤(g);
  描画_IRVU(g);
  s.history_index = 0;
  s.move_number = 0;
  s.history_last = n;
  s.history_filled = n + 1;
  say(g, " 読み込みました", LOAD_TITLE);
  say(g, "棋譜を '進 'で進めて下さい", LOAD_TITLE);
  s.turn = SENTE;
  return true;
}

}  // namespace zv
