// Move guidance: every square the chosen piece may reach, outlined.
#include "model/allowed_moves.h"
#include "view/draw.h"

namespace zv {

void 描画_移動可能桝色(Game& g, int 元X, int 元Y, int /*描画色*/, int 移動駒) {
  描画_将棋盤桝(g);
  if (g.st.guidance_on == 0) return;
  for_each_destination(g.st, 元X, 元Y, 移動駒, [&g](int x, int y) {
    描画_桝輪郭(g, COL_GUIDE, x, y);
    return false;
  });
}

}  // namespace zv
