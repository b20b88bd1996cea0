// The option commands, the writer, where the file goes, the version box.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "play/play.h"
#include "record/record.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "settings_support.h"

namespace zv {
namespace {

using test::SettingsGame;

TEST(SettingsWrite, LinesFollowTheCheckMarks) {
  SettingsGame t;
  t.untick_all_backgrounds();
  t.s().checked[M_RENGA] = true;
  t.s().checked[M_SIDOU] = true;
  書込_環境設定ファイル(t.g());
  EXPECT_EQ(t.file_text(), "背景画=煉瓦\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n");
  t.s().checked[M_TAKE] = true;  // the first ticked item in menu order wins
  書込_環境設定ファイル(t.g());
  EXPECT_EQ(t.file_text(), "背景画=竹\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n");
}

TEST(SettingsWrite, ReadBackGivesTheSameMarks) {
  SettingsGame t;
  t.write_file("背景画=宇宙\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=ON\r\n");
  読込_環境設定ファイル(t.g());
  std::string before = test::slurp(t.file());
  書込_環境設定ファイル(t.g());
  EXPECT_EQ(test::slurp(t.file()), before);
}

struct BackgroundClick {
  void (*click)(Game&);
  int code;
  const char* ticks;
  const char* line;
};

class BackgroundClicks : public ::testing::TestWithParam<BackgroundClick> {};

TEST_P(BackgroundClicks, TickChangeWriteAndRedraw) {
  const auto& c = GetParam();
  SettingsGame t;
  t.untick_all_backgrounds();
  t.s().background = c.code == HAIKEI_MIDORI ? HAIKEI_TAKE : HAIKEI_MIDORI;
  c.click(t.g());
  EXPECT_EQ(t.backgrounds(), c.ticks);
  EXPECT_EQ(t.s().background, c.code);
  EXPECT_THAT(t.file_text(), ::testing::StartsWith(c.line));
}

INSTANTIATE_TEST_SUITE_P(
    Items, BackgroundClicks,
    ::testing::Values(BackgroundClick{MIDORI_Click, HAIKEI_MIDORI, "10000", "背景画=緑\r\n"},
                      BackgroundClick{TAKE_Click, HAIKEI_TAKE, "01000", "背景画=竹\r\n"},
                      BackgroundClick{TATAMI_Click, HAIKEI_TATAMI, "00100", "背景画=畳\r\n"},
                      BackgroundClick{UCHU_Click, HAIKEI_UCHU, "00010", "背景画=宇宙\r\n"},
                      BackgroundClick{RENGA_Click, HAIKEI_RENGA, "00001", "背景画=煉瓦\r\n"}));

TEST(BackgroundClick, TheTickedItemStillRewritesAndRedraws) {
  SettingsGame t;
  チェック設定(t.g(), HAIKEI_UCHU);
  t.s().background = HAIKEI_RENGA;  // a ticked item does not change the background
  UCHU_Click(t.g());
  EXPECT_EQ(t.backgrounds(), "00010");
  EXPECT_EQ(t.s().background, HAIKEI_RENGA);
  EXPECT_THAT(t.file_text(), ::testing::StartsWith("背景画=宇宙\r\n"));
  if (test::view_paints()) {
    EXPECT_FALSE(t.canvas.ops.empty());
  }
}

TEST(CheckSetting, OnlyAKnownCodeIsTicked) {
  SettingsGame t;
  for (int code : {HAIKEI_MIDORI, HAIKEI_TATAMI, HAIKEI_TAKE, HAIKEI_UCHU, HAIKEI_RENGA}) {
    チェック設定(t.g(), code);
    std::string ticks = t.backgrounds();
    EXPECT_EQ(std::count(ticks.begin(), ticks.end(), '1'), 1) << code;
  }
  チェック設定(t.g(), HAIKEI_TAKE);
  EXPECT_EQ(t.backgrounds(), "01000");
  for (int code : {0, 1, 7, -2}) {
    チェック設定(t.g(), code);
    EXPECT_EQ(t.backgrounds(), "00000") << code;
  }
}

TEST(Guidance, OffFromTheFileIsGreenButOffFromTheMenuIsWhite) {
  SettingsGame t;
  t.write_file("移動指導=OFF\r\n");
  読込_環境設定ファイル(t.g());
  EXPECT_EQ(t.s().guidance_colour, COL_GREEN);

  SIDOU_Click(t.g());  // on
  EXPECT_TRUE(t.s().checked[M_SIDOU]);
  EXPECT_EQ(t.s().guidance_on, 1);
  EXPECT_EQ(t.s().guidance_colour, COL_WHITE);
  EXPECT_THAT(t.file_text(), ::testing::HasSubstr("移動指導=ON\r\n"));

  SIDOU_Click(t.g());  // off again
  EXPECT_FALSE(t.s().checked[M_SIDOU]);
  EXPECT_EQ(t.s().guidance_on, 0);
  EXPECT_EQ(t.s().guidance_colour, COL_WHITE);
  EXPECT_THAT(t.file_text(), ::testing::HasSubstr("移動指導=OFF\r\n"));
}

TEST(Guidance, TurningOffClearsEveryOutlineOnBoardAndHands) {
  if (!test::view_paints()) GTEST_SKIP() << "drawing not built yet";
  SettingsGame t;
  t.s().checked[M_SIDOU] = true;
  t.s().guidance_on = 1;
  SIDOU_Click(t.g());
  auto boxes = t.canvas.of(test::DrawOp::Box);
  ASSERT_EQ(boxes.size(), 81u + 7u + 7u);
  for (const auto& b : boxes) EXPECT_EQ(b.code, COL_WHITE);
}

TEST(Music, MenuStopsTheMusicOfTheModeAndStartsItAgain) {
  SettingsGame t;
  t.s().checked[M_BGM] = true;
  BGM_Click(t.g());
  EXPECT_FALSE(t.s().checked[M_BGM]);
  EXPECT_EQ(t.sound.calls.size(), 1u);
  EXPECT_EQ(t.sound.count("stop", SoundId::Ending), 1);
  EXPECT_THAT(t.file_text(), ::testing::HasSubstr("BGM=OFF\r\n"));

  t.sound.calls.clear();
  t.s().game_mode = MODE_HUMAN;
  BGM_Click(t.g());
  EXPECT_TRUE(t.s().checked[M_BGM]);
  EXPECT_EQ(t.sound.count("loop", SoundId::Music), 1);
  EXPECT_THAT(t.file_text(), ::testing::HasSubstr("BGM=ON\r\n"));

  t.sound.calls.clear();
  BGM_Click(t.g());
  ASSERT_EQ(t.sound.calls.size(), 1u);
  EXPECT_EQ(t.sound.count("stop", SoundId::Music), 1);
}

// The current folder cannot take the file: it goes to the user's folder and
// is read from there next time.
TEST(SettingsPlace, UnwritableCurrentFolderUsesTheConfigFolder) {
  SettingsGame t;
  test::spit(t.root / "plain", "not a folder");
  t.s().settings_dir = (t.root / "plain" / "sub").string();  // can never be written
  TAKE_Click(t.g());
  EXPECT_EQ(SettingsGame::utf8_or_raw(test::slurp(t.config_file())),
            "背景画=竹\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n");

  test::TestGame next;
  next.s().settings_dir = t.s().settings_dir;
  next.s().settings_config_dir = t.s().settings_config_dir;
  読込_環境設定ファイル(next.g());
  EXPECT_TRUE(next.s().checked[M_TAKE]);
  EXPECT_EQ(next.s().background, HAIKEI_TAKE);
  EXPECT_FALSE(next.s().checked[M_KEIKA]);
}

TEST(SettingsPlace, ReadOnlyCurrentFolderUsesTheConfigFolder) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  SettingsGame t;
  chmod(t.here.c_str(), 0555);
  RENGA_Click(t.g());
  chmod(t.here.c_str(), 0755);
  EXPECT_FALSE(std::filesystem::exists(t.file()));
  EXPECT_TRUE(std::filesystem::exists(t.config_file()));
}

// A read-only file here cannot take changes, so the user's copy is newer.
TEST(SettingsPlace, ReadOnlyFileHereDefersToTheUsersCopy) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  SettingsGame t;
  t.write_file("背景画=畳\r\n");
  chmod(t.file().c_str(), 0444);
  読込_環境設定ファイル(t.g());
  EXPECT_EQ(t.s().background, HAIKEI_TATAMI);  // no copy yet: this one is read
  TAKE_Click(t.g());
  EXPECT_TRUE(std::filesystem::exists(t.config_file()));
  SettingsGame next;
  next.s().settings_dir = t.s().settings_dir;
  next.s().settings_config_dir = t.s().settings_config_dir;
  読込_環境設定ファイル(next.g());
  EXPECT_EQ(next.s().background, HAIKEI_TAKE);
  chmod(t.file().c_str(), 0644);
}

TEST(SettingsPlace, TheCurrentFolderWinsWhenItHasAFile) {
  SettingsGame t;
  std::filesystem::create_directories(t.config);
  test::spit(t.config_file(), test::shift_jis("背景画=竹\r\n"));
  t.write_file("背景画=畳\r\n");
  読込_環境設定ファイル(t.g());
  EXPECT_EQ(t.s().background, HAIKEI_TATAMI);
  std::filesystem::remove(t.file());
  SettingsGame other;
  other.s().settings_dir = t.s().settings_dir;
  other.s().settings_config_dir = t.s().settings_config_dir;
  読込_環境設定ファイル(other.g());
  EXPECT_EQ(other.s().background, HAIKEI_TAKE);
}

TEST(SettingsPlace, ConfigFolderFollowsXdgThenHome) {
  const char* old_xdg = std::getenv("XDG_CONFIG_HOME");
  const char* old_home = std::getenv("HOME");
  std::string keep_xdg = old_xdg ? old_xdg : "", keep_home = old_home ? old_home : "";
  setenv("HOME", "/home/someone", 1);
  setenv("XDG_CONFIG_HOME", "/xdg", 1);
  EXPECT_EQ(default_settings_config_dir(), "/xdg/zorvane");
  setenv("XDG_CONFIG_HOME", "relative/dir", 1);  // not absolute: ignored
  EXPECT_EQ(default_settings_config_dir(), "/home/someone/.config/zorvane");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(default_settings_config_dir(), "/home/someone/.config/zorvane");
  unsetenv("HOME");
  EXPECT_EQ(default_settings_config_dir(), "");
  if (old_xdg) setenv("XDG_CONFIG_HOME", keep_xdg.c_str(), 1);
  if (old_home) setenv("HOME", keep_home.c_str(), 1);
}

TEST(SettingsPlace, NowhereToWriteKeepsTheChosenOptions) {
  SettingsGame t;
  test::spit(t.root / "plain", "x");
  t.s().settings_dir = (t.root / "plain" / "a").string();
  t.s().settings_config_dir = (t.root / "plain" / "b").string();
  t.s().checked[M_KEIKA] = false;
  SIDOU_Click(t.g());
  EXPECT_TRUE(t.s().checked[M_SIDOU]);
  EXPECT_FALSE(t.s().checked[M_KEIKA]);
  読込_環境設定ファイル(t.g());  // no file anywhere: the defaults, silently
  EXPECT_TRUE(t.s().checked[M_KEIKA]);
  EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST(VersionBox, ChimesAndShowsSevenLines) {
  SettingsGame t;
  VER_Click(t.g());
  EXPECT_EQ(t.sound.count("play", SoundId::Other), 1);
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  const auto& box = t.dialogs.shown[0];
  EXPECT_EQ(box.title, "Zorvane");
  EXPECT_EQ(box.buttons, Buttons::Ok);
  EXPECT_EQ(box.text, version_text());
  std::vector<std::string> lines;
  std::string cur;
  for (char ch : box.text) {
    if (ch == '\r') {
      lines.push_back(cur);
      cur.clear();
    } else {
      cur += ch;
    }
  }
  lines.push_back(cur);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_THAT(lines[0], ::testing::StartsWith("Zorvane "));
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "Home page");
  // Real places of the project, never placeholder domains.
  EXPECT_THAT(lines[3], ::testing::StartsWith("https://"));
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "e-mail");
  EXPECT_THAT(lines[6], ::testing::StartsWith("https://"));
  EXPECT_THAT(box.text, ::testing::Not(::testing::HasSubstr(".invalid")));
  EXPECT_EQ(box.text.find('\n'), std::string::npos);
}

TEST(VersionBox, ClosesAnOpenFilePanelFirst) {
  SettingsGame t;
  KIFU_READ_Click(t.g());
  if (!t.s().file1_visible) GTEST_SKIP() << "record panel not built yet";
  t.s().text_visible = true;
  VER_Click(t.g());
  EXPECT_FALSE(t.s().drive1_visible);
  EXPECT_FALSE(t.s().dir1_visible);
  EXPECT_FALSE(t.s().file1_visible);
  EXPECT_FALSE(t.s().text_visible);
}

TEST(ShiftJis, RoundTripAndRefusal) {
  EXPECT_EQ(utf8_to_cp932("竹"), std::string("\x92\x7c"));
  EXPECT_EQ(cp932_to_utf8("\x92\x7c"), std::string("竹"));
  EXPECT_EQ(utf8_to_cp932(""), std::string());
  EXPECT_FALSE(cp932_to_utf8("\x81").has_value());      // cut-off character
  EXPECT_FALSE(utf8_to_cp932("\xe2\x82").has_value());  // cut-off UTF-8
  EXPECT_FALSE(utf8_to_cp932("😀").has_value());         // no Shift-JIS form
  std::string long_text(1000, 'a');
  long_text += "煉瓦";
  EXPECT_EQ(cp932_to_utf8(*utf8_to_cp932(long_text)), long_text);
}

}  // namespace
}  // namespace zv
