// zorvane-match --a LEVEL --b LEVEL --games N --seed S [--time-ms T] [--jobs J]
//                [--nodes N] [--depth D] [--move-limit M] [--first G] [--trace 1]
// Plays N games of A against B, each pair with the colours swapped (both
// games of a pair start from the same warp squares), one line per game and
// the result last.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tools/match/match_game.h"
#include "tools/match/match_stats.h"

namespace {

using namespace zv::match;

struct Options {
  std::string a, b;
  int games = 0, jobs = 1, move_limit = DEFAULT_MOVE_LIMIT, first = 0;
  bool trace = false;
  std::uint64_t seed = 1;
  zv::s4::Limits limits;
};

void usage() {
  std::fprintf(stderr,
               "usage: zorvane-match --a LEVEL --b LEVEL --games N --seed S [--time-ms T] "
               "[--jobs J] [--nodes N] [--depth D] [--move-limit M] [--first G] [--trace 1]\n"
               "LEVEL is LEVEL1 .. LEVEL4; --time-ms, --nodes and --depth limit LEVEL4;\n"
               "--first skips to game G (counted from 0); --trace 1 prints every move.\n");
}

bool parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string k = argv[i];
    if (i + 1 >= argc) return false;
    const std::string v = argv[++i];
    char* end = nullptr;
    const long long n = std::strtoll(v.c_str(), &end, 10);
    const bool number = end != v.c_str() && *end == '\0' && n >= 0;
    if (k == "--a")
      o.a = v;
    else if (k == "--b")
      o.b = v;
    else if (!number)
      return false;
    else if (k == "--games")
      o.games = static_cast<int>(n);
    else if (k == "--seed")
      o.seed = static_cast<std::uint64_t>(n);
    else if (k == "--time-ms")
      o.limits.time_ms = static_cast<int>(n);
    else if (k == "--jobs")
      o.jobs = static_cast<int>(n);
    else if (k == "--nodes")
      o.limits.nodes = n;
    else if (k == "--depth")
      o.limits.depth = static_cast<int>(n);
    else if (k == "--move-limit")
      o.move_limit = static_cast<int>(n);
    else if (k == "--first")
      o.first = static_cast<int>(n);
    else if (k == "--trace")
      o.trace = n != 0;
    else
      return false;
  }
  return valid_level_name(o.a) && valid_level_name(o.b) && o.games > 0 && o.jobs > 0;
}

std::string name_of(const std::string& level) {
  return level.rfind("LEVEL", 0) == 0 ? level : "LEVEL" + level;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse(argc, argv, o)) {
    usage();
    return 2;
  }
  const std::string a = name_of(o.a), b = name_of(o.b);
  std::vector<GameResult> results(o.games);
  std::atomic<int> next{o.first};
  std::mutex out;
  auto worker = [&] {
    auto pa = make_player(o.a, o.limits);
    auto pb = make_player(o.b, o.limits);
    for (int i = next++; i < o.games; i = next++) {
      // Both games of a pair start from the same warp squares.
      const std::uint64_t seed = o.seed * 1000003ull + static_cast<std::uint64_t>(i / 2);
      const bool a_lower = i % 2 == 0;
      GameResult r = play_game(*pa, *pb, seed, a_lower, o.move_limit, o.trace ? stdout : nullptr);
      const double a_ms = 1000 * median(r.a_seconds), b_ms = 1000 * median(r.b_seconds);
      std::lock_guard<std::mutex> lock(out);
      std::printf("game %d: %s (%s) vs %s: %s, %s after %d moves; median ms %s %.0f, %s %.0f%s%s\n",
                  i + 1, a.c_str(), a_lower ? "先手" : "後手", b.c_str(),
                  r.a_score > 0.75   ? "A wins"
                  : r.a_score < 0.25 ? "B wins"
                                     : "draw",
                  ending_name(r.ending), r.moves, a.c_str(), a_ms, b.c_str(), b_ms,
                  r.note.empty() ? "" : "; ", r.note.c_str());
      std::fflush(stdout);
      results[i] = std::move(r);
    }
  };
  std::vector<std::thread> threads;
  for (int j = 0; j < o.jobs; ++j) threads.emplace_back(worker);
  for (auto& t : threads) t.join();

  Tally tally;
  std::vector<double> a_times, b_times;
  std::int64_t a_nodes = 0;
  double a_total = 0;
  for (int i = o.first; i < o.games; ++i) {
    const GameResult& r = results[i];
    tally.add(r.a_score);
    a_times.insert(a_times.end(), r.a_seconds.begin(), r.a_seconds.end());
    b_times.insert(b_times.end(), r.b_seconds.begin(), r.b_seconds.end());
    a_nodes += r.a_nodes;
    for (double t : r.a_seconds) a_total += t;
  }
  std::printf(
      "moves: %s %zu (median %.0f ms, max %.0f ms, %.0f nodes/s), %s %zu (median %.0f ms)\n",
      a.c_str(), a_times.size(), 1000 * median(a_times),
      a_times.empty() ? 0.0 : 1000 * *std::max_element(a_times.begin(), a_times.end()),
      a_total > 0 ? a_nodes / a_total : 0.0, b.c_str(), b_times.size(), 1000 * median(b_times));
  std::printf("%s\n", result_line(a, b, tally).c_str());
  return 0;
}
