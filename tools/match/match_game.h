// One game of a match: the lower side moves first, warp squares are placed by
// a seeded generator, and the game ends with a captured king, a side without
// a move or an illegal move (lost), a repetition or the move limit (drawn).
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/match/players.h"

namespace zv::match {

inline constexpr int DEFAULT_MOVE_LIMIT = 300;
inline constexpr int REPETITIONS_FOR_DRAW = 3;

enum class Ending { KingCaptured, NoMove, IllegalMove, Repetition, MoveLimit };

struct GameResult {
  double a_score = 0.5;  // 1 A won, 0 A lost, 0.5 drawn
  Ending ending = Ending::MoveLimit;
  int moves = 0;
  std::string note;                          // what was wrong with an illegal move
  std::vector<double> a_seconds, b_seconds;  // time of each move
  std::int64_t a_nodes = 0, b_nodes = 0;
};

// A plays the lower side (moving first) when a_lower, else the upper side.
// With trace, every move is written there as it is played.
GameResult play_game(Player& a, Player& b, std::uint64_t seed, bool a_lower,
                     int move_limit = DEFAULT_MOVE_LIMIT, std::FILE* trace = nullptr);

// Empty when the game's rules allow move m for the side of sign side_code on s,
// else why not.
std::string check_move(BoardState& s, int side_code, const ComMove& m);
// Plays m on s the game's way (capture, warp, the used colour placed anew
// through g's random port); returns the code of a king it took, else 0.
int apply_move(Game& g, const ComMove& m);

const char* ending_name(Ending e);

}  // namespace zv::match
