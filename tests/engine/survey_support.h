// Small helpers for building positions and reading the survey's maps in tests.
#pragma once
#include <gmock/gmock.h>

#include <utility>
#include <vector>

#include "engine/engine.h"
#include "engine/survey.h"
#include "support/fakes.h"

namespace zv::test {

using Square = std::pair<int, int>;

// An empty board (no kings unless a test places them) on a fresh game.
struct Position {
  TestGame t;
  GameState& s = t.s();
  Position& put(int x, int y, int code) {
    s.board[x][y] = code;
    return *this;
  }
  GameState& survey() {
    勢力調査(s);
    return s;
  }
};

// The squares 1..9 × 1..9 where a map holds a non-zero value, in scan order.
inline std::vector<Square> marked(const Map& m) {
  std::vector<Square> out;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (m[x][y] != 0) out.emplace_back(x, y);
  return out;
}

inline std::vector<Square> marked_with(const Map& m, int value) {
  std::vector<Square> out;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (m[x][y] == value) out.emplace_back(x, y);
  return out;
}

}  // namespace zv::test
