// Placeholder until the drawing procedures land.
#include "view/draw.h"

namespace zv {
void 描画_絵(Game&, int, double, double) {}
void 描画_桝輪郭(Game&, int, double, double) {}
void 描画_盤(Game&) {}
void 描画_IRVU(Game&) {}
void 描画_自持盤(Game&) {}
void 描画_敵持盤(Game&) {}
void 描画_背景(Game&, int) {}
void 描画_駒点滅(Game&, int, double, double, int) {}
void 画面_再描画(Game&) {}
void 描画_将棋盤桝(Game&) {}
void 描画_棋譜読込み部分消去(Game&) {}
void 描画_数値(Game&, double, double, double, int, int, double) {}
void 描画_数値(Game&, double, double, std::string_view, int, int, double) {}
void 描画_移動駒種類(Game&, double, double, std::string_view, int) {}
void 描画_文字列(Game&, double, double, int, int, double) {}
std::string 文字列変換(int) { return {}; }
void 描画_桝_数値(Game&) {}
void 描画_移動結果(Game&, int, int, int, int, int) {}
void 消去_移動結果(Game&, int) {}
void 描画_手数(Game&, int, int) {}
void 描画_レベル(Game&, int) {}
void 消去_思考中(Game&) {}
void 描画_所有時間(Game&, int, double) {}
void 消去_所有時間(Game&, int) {}
std::string 調査_時間秒追加結果(double) { return {}; }
std::string 変換_数字から文字(int) { return {}; }
double 調査_経過秒(double start, double now) { return now - start; }
void Timer1_Timer(Game&) {}
void KEIKA_Click(Game&) {}
}  // namespace zv
