// Summing up a match: wins, losses, draws, the score and its 95% interval.
#pragma once
#include <string>
#include <vector>

namespace zv::match {

struct Tally {
  int wins = 0, losses = 0, draws = 0;
  double score_sum = 0, square_sum = 0;
  void add(double a_score);
  int games() const { return wins + losses + draws; }
};

// "A vs B: W-L-D score P% ±E% (N games)"
std::string result_line(const std::string& a, const std::string& b, const Tally& t);
double median(std::vector<double> v);

}  // namespace zv::match
