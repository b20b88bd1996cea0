// The computer's evaluation of a trial move and the probes it is built from.
// Every procedure reads the board, the hands and the maps of the last
// influence survey as they stand; none leaves a change behind.
#pragma once
#include "engine/survey.h"
#include "model/state.h"

namespace zv {

inline bool on_ban(int x, int y) {
  return x >= 1 && x <= BAN_SIZE && y >= 1 && y <= BAN_SIZE;
}

// Score of the trial move now on the board (higher is better for the computer).
// 元X = -1 for a drop (元Y is then the hand slot).
double 盤評価(GameState& s, int 取得駒, int 移動駒, int 元X, int 元Y, int 先X, int 先Y);

// The trial move as the evaluation's terms see it: captured code, the code now
// on the destination (q) and before the move (S), source and destination, the
// human king's square, and whether it was a drop.
struct EvalTrial {
  int captured, q, S, sx, sy, DX, DY, KX, KY;
  bool drop;
};
// Adds the terms of the moved piece's kind (the last stage of 盤評価).
void add_piece_terms(GameState& s, const EvalTrial& t, double& score);

// Whole-board danger term for the trial move's piece q on (先X, 先Y).
double 盤評価_COM危険座標(GameState& s, int q, int 先X, int 先Y);
// 1 when a human lance, rook or dragon further down column X backs (X, Y).
int 調査_自守駒MAN_直進駒(GameState& s, int X, int Y);

// Probes.
int 調査_移動可場所数(const GameState& s, int X, int Y, int 駒);
int 調査_周辺状況(const GameState& s, int X, int Y);
int 調査_香狙い(const GameState& s, int X, int Y);
int 調査_桂狙い(const GameState& s, int X, int Y);
void 調査_持角狙座標(GameState& s);
int 盤評価_自角注意_COM(const GameState& s, int X, int Y, int q);

// Which form of a move that may promote is played, and its score: a pawn,
// bishop or rook always promotes; the others take the better form, the plain
// one on equal scores.
struct PromotionChoice {
  int result;
  double score;
};
PromotionChoice choose_promotion(int piece, int promoted, double plain_score,
                                 double promoted_score);

// What the turn does before trying moves: the board snapshot, the human king's
// flight count, the survey, bishop-drop squares, pins, the hand size at the
// start and the "before" copies of the maps.
void prepare_search(GameState& s);

}  // namespace zv
