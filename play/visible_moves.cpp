// The moves the player sees: the board is changed and painted, the hands
// redrawn, and a warp announced with its sound and blinks.
#include "play/visible_moves.h"

#include "model/moves.h"
#include "view/draw.h"

namespace zv {

void 駒移動(Game& g, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
  auto& s = g.st;
  const int c = s.board[移動先X][移動先Y];
  // A captured king decides the game but never enters a hand, so it is not counted.
  if (c <= SITA_MAX) {
    if (c != SITA_OU) s.com_hand_total += 1;
    駒取得(s, c);
    描画_敵持盤(g);
  } else if (c >= UE_MIN) {
    if (c != UE_OU) s.man_hand_total += 1;
    駒取得(s, c);
    描画_自持盤(g);
  }
  描画_絵(g, PIC_KARA, 移動元X, 移動元Y);
  描画_桝輪郭(g, COL_BOARD, 移動元X, 移動元Y);
  s.board[移動先X][移動先Y] = 移動駒;
  if (移動駒 == SITA_OU) {
    s.man_king_x = 移動先X;
    s.man_king_y = 移動先Y;
  }
  leave_origin(s, 移動元X, 移動元Y);
  if (移動元X == COM_HAND_X) {
    s.com_hand_total -= 1;
    描画_敵持盤(g);
  } else if (移動元X == MAN_HAND_X) {
    s.man_hand_total -= 1;
    描画_自持盤(g);
  }
  描画_絵(g, 移動駒, 移動先X, 移動先Y);
  描画_将棋盤桝(g);
}

void 駒移動_IRVU(Game& g, int 移動先X, int 移動先Y, int 移動駒) {
  int px = 0, py = 0;
  if (!warp_partner(g.st, 移動先X, 移動先Y, px, py)) return;
  g.io.sound->play(SoundId::Warp);
  描画_駒点滅(g, 移動駒, 移動先X, 移動先Y, 1);
  描画_駒点滅(g, 移動駒, 移動先X, 移動先Y, 1);
  駒移動(g, 移動先X, 移動先Y, px, py, 移動駒);
  描画_駒点滅(g, 移動駒, px, py, 3);
}

}  // namespace zv
