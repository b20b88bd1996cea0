// The players of a match: the one-move searcher at levels 1-3 (which only
// knows how to play the positive side, so the other side is played on the
// board turned round) and the searching level 4.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/search4.h"
#include "model/game.h"
#include "model/search_state.h"
#include "tools/match/quiet_ports.h"

namespace zv::match {

struct Player {
  virtual ~Player() = default;
  // The move for the side with codes of sign side_code; keys are the
  // positions of the game so far (for repetitions).
  virtual ComMove choose(const BoardState& s, int side_code,
                         const std::vector<std::uint64_t>& keys) = 0;
  // Seconds and nodes of the last choice (0 nodes: not counted).
  double last_seconds = 0;
  std::int64_t last_nodes = 0;
};

// The position turned 180 degrees with the sides exchanged: what the lower
// side sees as the upper side.
void rotate(const BoardState& in, BoardState& out);
// A move on the turned board mapped back onto the real one.
ComMove unrotate(const ComMove& m);

class LevelPlayer : public Player {
 public:
  explicit LevelPlayer(int level);
  ComMove choose(const BoardState& s, int side_code,
                 const std::vector<std::uint64_t>& keys) override;

 private:
  int level_;
  StillClock clock_;
  SeededRandom random_{1};
  std::unique_ptr<Game> game_ = std::make_unique<Game>();
};

class SearchPlayer : public Player {
 public:
  explicit SearchPlayer(const s4::Limits& limits) : limits_(limits) {}
  ComMove choose(const BoardState& s, int side_code,
                 const std::vector<std::uint64_t>& keys) override;

 private:
  s4::Limits limits_;
  s4::Searcher searcher_;
};

// "LEVEL1".."LEVEL4" (or 1..4); nullptr for anything else.
std::unique_ptr<Player> make_player(const std::string& name, const s4::Limits& limits);
bool valid_level_name(const std::string& name);

}  // namespace zv::match
