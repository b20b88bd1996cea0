#include <gtest/gtest.h>

#include <filesystem>

#include "record/kifu_format.h"
#include "record/record.h"
#include "record_test_util.h"

namespace zv {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> files_in(const char* sub) {
  std::vector<fs::path> out;
  const fs::path dir = fs::path(ZORVANE_TEST_DATA) / sub;
  if (fs::is_directory(dir))
    for (auto& e : fs::directory_iterator(dir))
      if (e.is_regular_file() && e.path().filename().string()[0] != '.') out.push_back(e.path());
  std::sort(out.begin(), out.end());
  return out;
}

TEST(SampleRecords, EveryOneLoadsAndStepsToItsEnd) {
  const auto files = files_in("records");
  ASSERT_FALSE(files.empty());
  for (const fs::path& p : files) {
    test::TestGame t;
    t.s().dir_path = p.parent_path().string();
    File1_Click(t.g(), p.filename().string());
    ASSERT_EQ(t.s().kifu_mode, 1) << p;
    const int last = t.s().history_last;
    for (int k = 0; k < last; ++k) AFTER_Click(t.g());
    EXPECT_EQ(t.s().history_index, last) << p;
    EXPECT_EQ(t.dialogs.shown.size(), 2u) << p;
  }
}

// Inputs that once broke the reader: each must be answered, never crash, and
// a record it accepts must write back to the same positions.
TEST(FuzzRegressions, ReaderAnswersEveryKeptInput) {
  for (const fs::path& p : files_in("fuzz")) {
    const std::string bytes = test::read_bytes(p.string());
    KifuRecord r, again;
    const KifuStatus st = parse_kifu(bytes, r);
    if (!st.ok()) {
      EXPECT_FALSE(kifu_problem_text(st).empty()) << p;
      continue;
    }
    std::string written;
    ASSERT_TRUE(encode_kifu(r, written).ok()) << p;
    ASSERT_TRUE(parse_kifu(written, again).ok()) << p;
    EXPECT_EQ(again.entries.size(), r.entries.size()) << p;
  }
}

}  // namespace
}  // namespace zv
