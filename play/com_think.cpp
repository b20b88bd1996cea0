// The searching player (level 4) inside the game: the computer's move and the
// human's hint. The search works on a copy of the position through the worker
// port, so the window keeps painting and Esc keeps working while it thinks.
#include <memory>

#include "engine/search4.h"
#include "play/play.h"
#include "record/record.h"
#include "view/draw.h"
#include "view/paint.h"

namespace zv {

namespace {

// Where the wall clock is real: about a second a move.
constexpr int THINK_MS = 1000;
// Where time is virtual: a fixed amount of work, so a session replays the same.
constexpr std::int64_t THINK_NODES = 20000;
constexpr int TABLE_BITS = 20;

s4::Limits limits(const Game& g) {
  if (g.io.worker->real_time()) return s4::Limits{THINK_MS, 0, 0};
  return s4::Limits{0, THINK_NODES, 0};
}

void show_thinking(Game& g) {
  消去_思考中(g);
  描画_数値(g, -1.5, 8.5, "思考中", COL_BLACK, 0, 12);
  描画_数値(g, -1.6, 8.4, "思考中", COL_WHITE, 0, 12);
  描画_桝輪郭(g, COL_WHITE, 1, 8);
  paint::refresh(g);
}

// A human is to move: either side between people, the lower side against the computer.
bool humans_turn(const GameState& s) {
  if (s.winner != 0 || s.kifu_mode == 1 || s.turn == NO_TURN) return false;
  if (s.game_mode == MODE_HUMAN) return true;
  return s.game_mode == MODE_COM && s.turn == s.man_side;
}

}  // namespace

bool level4_move(Game& g, int side_code, ComMove& out) {
  // The search gets its own copy: the window may repaint from the state meanwhile.
  const BoardState position = g.st;
  const s4::Limits lim = limits(g);
  auto searcher = std::make_unique<s4::Searcher>(TABLE_BITS);
  ComMove m;
  const bool going_on = g.io.worker->run(
      [&](const std::atomic<bool>& stop) {
        m = s4::search4_move(*searcher, position, side_code, lim, &stop);
      },
      [&g] { Timer1_Timer(g); });
  if (!going_on) return false;
  out = m;
  return true;
}

void HINT_Click(Game& g) {
  auto& s = g.st;
  if (!humans_turn(s)) {
    g.io.sound->play(SoundId::Forbidden);
    g.io.dialogs->show("「対局」で始めて下さい", "開始", Buttons::Ok);
    return;
  }
  // Between people the side to move may be either; against the computer the
  // human always has the lower side.
  const int side_code = s.turn == s.man_side ? SITA_SIGN : UE_SIGN;
  show_thinking(g);
  ComMove m;
  if (!level4_move(g, side_code, m)) return;
  消去_思考中(g);
  描画_将棋盤桝(g);
  s.piece_selected = 0;
  if (m.found) {
    // A drop is shown on its hand slot, where the player would click it.
    const int oy = m.sx == COM_HAND_X ? COM_HAND_ROW_BASE - m.sy : m.sy;
    描画_桝輪郭(g, COL_GUIDE, m.sx, oy);
    描画_桝輪郭(g, COL_GUIDE, m.dx, m.dy);
  }
  paint::refresh(g);
}

}  // namespace zv
