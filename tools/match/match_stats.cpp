#include "tools/match/match_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zv::match {

namespace {
constexpr double Z95 = 1.96;  // two-sided 95% of the normal distribution
}

void Tally::add(double a_score) {
  if (a_score > 0.75)
    ++wins;
  else if (a_score < 0.25)
    ++losses;
  else
    ++draws;
  score_sum += a_score;
  square_sum += a_score * a_score;
}

std::string result_line(const std::string& a, const std::string& b, const Tally& t) {
  const int n = t.games();
  const double mean = n > 0 ? t.score_sum / n : 0;
  const double variance = n > 0 ? std::max(0.0, t.square_sum / n - mean * mean) : 0;
  const double error = n > 0 ? Z95 * std::sqrt(variance / n) : 0;
  char text[256];
  std::snprintf(text, sizeof text, "%s vs %s: %d-%d-%d score %.1f%% \u00b1%.1f%% (%d games)",
                a.c_str(), b.c_str(), t.wins, t.losses, t.draws, 100 * mean, 100 * error, n);
  return text;
}

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace zv::match
