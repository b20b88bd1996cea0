// The computer's choices on the bench suite at levels 1-3, pinned as one hash:
// any change of a chosen move anywhere in the suite changes it. When a change
// is intended, pin the new "Choice hash" that `make bench` prints.
#include <gtest/gtest.h>

#include "engine/bench_suite.h"

namespace zv {
namespace {

constexpr std::uint64_t kPinnedChoiceHash = 13564105510805792867ull;

TEST(ComSearchBench, ChoicesOnTheSuiteAreUnchanged) {
  const auto suite = bench::load_suite(bench::suite_path());
  ASSERT_GE(suite.size(), 50u);
  EXPECT_EQ(bench::suite_hash(suite), kPinnedChoiceHash);
}

// Writes a fresh suite by random play over the stored one. Run on purpose only:
//   core_tests --gtest_also_run_disabled_tests --gtest_filter='*GenerateSuite'
TEST(ComSearchBench, DISABLED_GenerateSuite) {
  ASSERT_TRUE(bench::write_suite(bench::suite_path(),
                                 bench::generate_suite(bench::SUITE_SIZE, bench::SUITE_SEED)));
}

}  // namespace
}  // namespace zv
