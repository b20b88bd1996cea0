// Zorvane.ini under hostile conditions: a write that fails part-way, and
// links the player set up.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "settings/settings.h"
#include "settings/settings_file.h"
#include "settings_support.h"

namespace zv {
namespace {

namespace fs = std::filesystem;
using test::SettingsGame;

const std::string BAMBOO_GUIDED = "背景画=竹\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n";

// A file-size limit as `ulimit -f` sets it, lifted again when the test ends.
struct FileSizeLimit {
  rlimit old{};
  void (*old_handler)(int);
  explicit FileSizeLimit(rlim_t bytes) {
    old_handler = ::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit low = old;
    low.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &low);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, old_handler);
  }
};

TEST(SettingsSafety, AWriteThatFailsKeepsTheFileAndTheNextStartReadsIt) {
  SettingsGame t;
  t.write_file(BAMBOO_GUIDED);
  読込_環境設定ファイル(t.g());
  ASSERT_EQ(t.backgrounds(), "01000");
  {
    FileSizeLimit limit(8);
    UCHU_Click(t.g());  // the write runs out of room
  }
  EXPECT_EQ(t.file_text(), BAMBOO_GUIDED);
  EXPECT_FALSE(fs::exists(t.config_file()) && fs::file_size(t.config_file()) == 0)
      << "no empty fallback copy";
  SettingsGame next;
  next.s().settings_dir = t.s().settings_dir;
  next.s().settings_config_dir = t.s().settings_config_dir;
  読込_環境設定ファイル(next.g());
  EXPECT_EQ(next.backgrounds(), "01000");
  EXPECT_TRUE(next.s().checked[M_SIDOU]);
  EXPECT_FALSE(next.s().checked[M_BGM]);
  for (const auto& e : fs::directory_iterator(t.here))
    EXPECT_EQ(e.path().filename(), "Zorvane.ini") << "a temporary was left";
}

TEST(SettingsSafety, ALinkToASettingsFileIsWrittenThroughAndStaysALink) {
  SettingsGame t;
  const fs::path kept = t.root / "dotfiles" / "zorvane.ini";
  fs::create_directories(kept.parent_path());
  test::spit(kept, test::shift_jis(BAMBOO_GUIDED));
  fs::permissions(kept, fs::perms(0640));
  fs::create_symlink(kept, t.file());
  読込_環境設定ファイル(t.g());
  ASSERT_EQ(t.backgrounds(), "01000");
  UCHU_Click(t.g());
  EXPECT_TRUE(fs::is_symlink(t.file()));
  EXPECT_EQ(SettingsGame::utf8_or_raw(test::slurp(kept)),
            "背景画=宇宙\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n");
  EXPECT_EQ(fs::status(kept).permissions() & fs::perms::all, fs::perms(0640));
}

// A link to one of the player's other files, or to nothing: never written
// through, never created; the settings last for the session, said once.
class SettingsLinkRefused : public ::testing::TestWithParam<bool> {};

TEST_P(SettingsLinkRefused, LeftAloneAndSaidOnce) {
  const bool dangling = GetParam();
  SettingsGame t;
  const fs::path notes = t.root / "notes.txt";
  if (!dangling) test::spit(notes, "my notes, no settings here\n");
  fs::create_symlink(notes, t.file());
  testing::internal::CaptureStderr();
  読込_環境設定ファイル(t.g());
  SIDOU_Click(t.g());
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(t.backgrounds(), "10000");  // the defaults, for this session
  EXPECT_TRUE(t.s().checked[M_SIDOU]);
  EXPECT_TRUE(fs::is_symlink(t.file()));
  if (dangling)
    EXPECT_FALSE(fs::exists(notes));
  else
    EXPECT_EQ(test::slurp(notes), "my notes, no settings here\n");
  EXPECT_FALSE(fs::exists(t.config_file()));
  EXPECT_NE(said.find("Zorvane.ini"), std::string::npos);
  EXPECT_EQ(said.find("Zorvane.ini"), said.rfind("Zorvane.ini")) << "said more than once: " << said;
}

INSTANTIATE_TEST_SUITE_P(Links, SettingsLinkRefused, ::testing::Values(false, true),
                         [](const auto& info) {
                           return info.param ? "Dangling" : "ToAnotherFile";
                         });

}  // namespace
}  // namespace zv
