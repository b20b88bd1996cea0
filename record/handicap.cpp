#include "record/record.h"
#include "view/draw.h"

namespace zv {

namespace {

inline constexpr int HANDICAP_MIN = -10, HANDICAP_MAX = 10;

struct HandicapSquare {
  int x, y, piece;
};

// The square a step to or from level L acts on, and the piece standing there
// in the starting position (index L + 9, L = -9..10).
constexpr HandicapSquare HANDICAP_SQUARES[] = {
    {6, 9, SITA_KIN}, {4, 9, SITA_KIN},  {7, 9, SITA_GIN},  {3, 9, SITA_GIN}, {8, 9, SITA_KEI},
    {2, 9, SITA_KEI}, {9, 9, SITA_KYOU}, {1, 9, SITA_KYOU}, {8, 8, SITA_SYA}, {2, 8, SITA_KAKU},
    {8, 2, UE_KAKU},  {2, 2, UE_SYA},    {9, 1, UE_KYOU},   {1, 1, UE_KYOU},  {8, 1, UE_KEI},
    {2, 1, UE_KEI},   {7, 1, UE_GIN},    {3, 1, UE_GIN},    {6, 1, UE_KIN},   {4, 1, UE_KIN},
};
static_assert(std::size(HANDICAP_SQUARES) == HANDICAP_MAX - (HANDICAP_MIN + 1) + 1);

const HandicapSquare& square_of(int level) {
  return HANDICAP_SQUARES[level - (HANDICAP_MIN + 1)];
}

enum Reason { KIFU_MODE = 1, IN_GAME = 2, REVERSED = 3 };

// Steps 1-3 shared by both buttons; false when the step is refused.
bool may_change(Game& g) {
  auto& s = g.st;
  hide_file_panel(g);
  int reason = 0;
  if (s.kifu_mode == 1)
    reason = KIFU_MODE;
  else if (s.history_index > 0)
    reason = IN_GAME;
  else if (s.reversed_once == 1)
    reason = REVERSED;
  if (reason != 0) {
    g.io.sound->play(SoundId::Forbidden);
    描画_メッセージ(g, reason);
    return false;
  }
  s.history_last = 0;
  return true;
}

void set_square(Game& g, const HandicapSquare& q, int code) {
  g.st.board[q.x][q.y] = code;
  描画_絵(g, code, q.x, q.y);
  描画_桝輪郭(g, COL_BOARD, q.x, q.y);
  g.io.sound->play(SoundId::Piece);
}

}  // namespace

void LBEL_UP_Click(Game& g) {
  auto& s = g.st;
  if (!may_change(g)) return;
  if (s.handicap_level < HANDICAP_MAX) {
    s.handicap_level += 1;
    描画_ハンデレベル(g, s.handicap_level);
    const int level = s.handicap_level;
    const HandicapSquare& q = square_of(level);
    set_square(g, q, level <= 0 ? q.piece : EMPTY);
  }
  s.handicap_set = 1;
}

void LEBEL_DOWN_Click(Game& g) {
  auto& s = g.st;
  if (!may_change(g)) return;
  if (s.handicap_level > HANDICAP_MIN) {
    const int level = s.handicap_level;
    s.handicap_level -= 1;
    描画_ハンデレベル(g, s.handicap_level);
    const HandicapSquare& q = square_of(level);
    set_square(g, q, level >= 1 ? q.piece : EMPTY);
  }
  s.handicap_set = 1;
}

void 描画_メッセージ(Game& g, int IN_メッセージ番号) {
  const char* reason = "";
  switch (IN_メッセージ番号) {
    case KIFU_MODE:
      reason = "棋譜ﾓｰﾄﾞではできません";
      break;
    case IN_GAME:
      reason = "対局途中ではできません";
      break;
    case REVERSED:
      reason = "反転後ではできません";
      break;
    default:
      break;
  }
  std::string text = reason;
  text += "\r\r局面→最初にして下さい";
  g.io.dialogs->show(text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", Buttons::Ok);
}

}  // namespace zv
