// The computer player's one-move mate test of either king: in check, no drop
// can block, no flight square, and no other piece can take a checker or step
// between so that the check is gone.
#include <cstdlib>

#include "engine/engine.h"
#include "engine/survey.h"
#include "model/rules.h"

namespace zv {

namespace {

// What differs between testing the human's king and the computer's.
struct Defender {
  bool computer;  // the computer's king is tested
  int king, pawn, hand_x;
  int lowest, highest;  // codes of the pieces that may defend by a board move
};

constexpr Defender kMan{false, SITA_OU, SITA_HU, MAN_HAND_X, SITA_RYU, SITA_HU};
constexpr Defender kCom{true, UE_OU, UE_HU, COM_HAND_X, UE_HU, UE_RYU};

inline bool touches(int x, int y, int kx, int ky) {
  return std::abs(x - kx) < 2 && std::abs(y - ky) < 2;
}

// Some checking piece (CHECKER on `checks`) still reaches the king.
bool checker_reaches(const GameState& s, const Map& checks, int kx, int ky) {
  for (int a = 1; a <= BAN_SIZE; ++a)
    for (int b = 1; b <= BAN_SIZE; ++b)
      if (checks[a][b] == CHECKER && 移動チェック(s, a, b, kx, ky, s.board[a][b]) == YES)
        return true;
  return false;
}

// Step 2: true when every square between a line checker and the king can take
// a dropped piece that cuts the check (then the check can be blocked).
bool blockable_by_drop(GameState& s, const Defender& d, const Map& checks, int kx, int ky) {
  const Hand& hand = d.computer ? s.com_hand : s.man_hand;
  const int total = d.computer ? s.com_hand_total : s.man_hand_total;
  for (int x = 1; x <= BAN_SIZE; ++x) {
    for (int y = 1; y <= BAN_SIZE; ++y) {
      if (checks[x][y] == CHECKER && touches(x, y, kx, ky)) return false;  // contact check
      if (checks[x][y] != CHECK_PATH) continue;
      // With only pawns in hand the drop must be allowed there; it is asked of the
      // square as it stands, before anything is put on it.
      const bool dropped =
          total != hand[SLOT_HU] || 移動チェック(s, d.hand_x, 0, x, y, d.pawn) == YES;
      const int was = s.board[x][y];
      if (dropped) s.board[x][y] = d.pawn;
      const bool still = checker_reaches(s, checks, kx, ky);
      s.board[x][y] = was;
      if (still) return false;
    }
  }
  return true;
}

int mate_test(GameState& s, const Defender& d) {
  const int kx = d.computer ? s.com_king_x : s.man_king_x;
  const int ky = d.computer ? s.com_king_y : s.man_king_y;
  // The attackers' influence; for the computer's king it is read again after
  // every survey of a trial defence below.
  const Map& attackers = d.computer ? s.man_influence : s.com_influence;
  const int hand_total = d.computer ? s.com_hand_total : s.man_hand_total;

  // 1. Not in check.
  if (attackers[kx][ky] == 0) return 0;

  // The defence scan reruns the survey for the computer's king, which rewrites
  // the live check map: the checks of the position under test are kept here.
  const Map checks = d.computer ? s.com_check_map : s.man_check_map;

  // 2. Blocking by a drop.
  if (hand_total > 0 && blockable_by_drop(s, d, checks, kx, ky)) return 0;

  // 3. Flight squares (this also covers the king taking its checker).
  for (int x = kx - 1; x <= kx + 1; ++x)
    for (int y = ky - 1; y <= ky + 1; ++y)
      if (x >= 1 && x <= BAN_SIZE && y >= 1 && y <= BAN_SIZE &&
          移動チェック(s, kx, ky, x, y, d.king) == YES && attackers[x][y] == 0)
        return 0;

  // 4. Taking a checker or stepping between with a piece on the board.
  for (int a = 1; a <= BAN_SIZE; ++a) {
    for (int b = 1; b <= BAN_SIZE; ++b) {
      const int p = s.board[a][b];
      if (p < d.lowest || p > d.highest) continue;
      for (int c = 1; c <= BAN_SIZE; ++c) {
        for (int e = 1; e <= BAN_SIZE; ++e) {
          if (checks[c][e] <= 0 || (c == a && e == b)) continue;
          if (移動チェック(s, a, b, c, e, p) != YES) continue;
          const int was = s.board[c][e];
          s.board[c][e] = p;
          s.board[a][b] = EMPTY;
          bool defended;
          if (d.computer) {
            勢力調査(s);
            defended = s.man_influence[s.com_king_x][s.com_king_y] == 0;
          } else {
            defended = 詰めかMAN_COM移動(s) == 0;
          }
          s.board[a][b] = p;
          s.board[c][e] = was;
          if (defended) return 0;
        }
      }
    }
  }
  return 1;
}

}  // namespace

int 詰めかMAN(GameState& s) {
  return mate_test(s, kMan);
}

int 詰めかCOM(GameState& s) {
  return mate_test(s, kCom);
}

int 詰めかMAN_COM移動(const GameState& s) {
  for (int X = 1; X <= BAN_SIZE; ++X)
    for (int Y = 1; Y <= BAN_SIZE; ++Y) {
      const int q = s.board[X][Y];
      if (q >= UE_MIN && 移動チェック(s, X, Y, s.man_king_x, s.man_king_y, q) == YES) return 1;
    }
  return 0;
}

int 調査_自王逃道(const GameState& s) {
  static constexpr int kAround[8][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1},
                                        {-1, 1}, {1, 1},   {-1, 0}, {1, 0}};
  int count = 0;
  for (const auto& d : kAround) {
    const int x = s.man_king_x + d[0], y = s.man_king_y + d[1];
    if (x < 1 || x > BAN_SIZE || y < 1 || y > BAN_SIZE) continue;
    if (s.board[x][y] == EMPTY && s.com_influence[x][y] == 0) ++count;
  }
  return count;
}

}  // namespace zv
