// Gold movers and diagonal lines for the influence survey. The human's and the
// computer's walkers deliberately record different things: the evaluation's
// terms were tuned against exactly these maps.
#include "engine/survey.h"
#include "engine/survey_rules.h"

namespace zv {

namespace {

struct Step {
  int dx, dy;
};

// Forward is toward row 1 for the human, toward row 9 for the computer.
constexpr Step kManGold[] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 0}, {1, 0}};
constexpr Step kComGold[] = {{0, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};

}  // namespace

void 勢力確定自金(GameState& s, int c, int X, int Y) {
  for (const Step& d : kManGold) {
    const int x = X + d.dx, y = Y + d.dy;
    if (!survey::on_board(x, y)) continue;
    survey::mark_step_check_on_com(s, survey::touch_h(s, c, X, Y, x, y), X, Y);
  }
}

void 勢力確定敵金(GameState& s, int X, int Y) {
  for (const Step& d : kComGold) {
    const int x = X + d.dx, y = Y + d.dy;
    if (!survey::on_board(x, y)) continue;
    ++s.com_influence[x][y];
    const int t = s.board[x][y];
    if (t > 0) {
      if (s.com_cheapest_guard[x][y] > UE_KIN) s.com_cheapest_guard[x][y] = UE_KIN;
    } else {
      survey::mark_step_check_on_man(s, t, X, Y);
    }
  }
}

void 勢力確定自角(GameState& s, int X, int Y) {
  survey::walk_line<-1, -1>(s, SITA_KAKU, X, Y);
  survey::walk_line<1, -1>(s, SITA_KAKU, X, Y);
  survey::walk_line<-1, 1>(s, SITA_KAKU, X, Y);
  survey::walk_line<1, 1>(s, SITA_KAKU, X, Y);
}

void 勢力確定敵角(GameState& s, int c, int X, int Y) {
  survey::walk_line<-1, -1>(s, c, X, Y);
  survey::walk_line<1, -1>(s, c, X, Y);
  survey::walk_line<-1, 1>(s, c, X, Y);
  survey::walk_line<1, 1>(s, c, X, Y);
}

}  // namespace zv
