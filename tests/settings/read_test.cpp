// Reading Zorvane.ini: the defaults path, exact values, damaged files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "settings/settings.h"
#include "settings/settings_file.h"
#include "settings_support.h"

namespace zv {
namespace {

using test::SettingsGame;

const std::string DEFAULT_BYTES = {'\x94', '\x77', '\x8c', '\x69', '\x89', '\xe6', '=',    '\x97',
                                   '\xce', '\r',   '\n',  // 背景画=緑
                                   '\x88', '\xda', '\x93', '\xae', '\x8e', '\x77', '\x93', '\xb1',
                                   '=',    'O',    'F',    'F',    '\r',   '\n',  // 移動指導=OFF
                                   '\x8c', '\x6f', '\x89', '\xdf', '\x8e', '\x9e', '\x8a', '\xd4',
                                   '=',    'O',    'N',    '\r',
                                   '\n',  // 経過時間=ON
                                   'B',    'G',    'M',    '=',    'O',    'N',    '\r',   '\n'};

void expect_defaults_applied(SettingsGame& t) {
  EXPECT_EQ(t.backgrounds(), "10000");
  EXPECT_EQ(t.s().background, HAIKEI_MIDORI);
  EXPECT_FALSE(t.s().checked[M_SIDOU]);
  EXPECT_TRUE(t.s().checked[M_KEIKA]);
  EXPECT_TRUE(t.s().checked[M_BGM]);
  EXPECT_TRUE(t.sound.calls.empty());  // the music is not switched on this path
}

TEST(SettingsRead, MissingFileWritesTheFourDefaultLinesInShiftJis) {
  SettingsGame t;
  t.s().guidance_on = 1;
  t.s().guidance_colour = COL_YELLOW;
  読込_環境設定ファイル(t.g());
  EXPECT_EQ(test::slurp(t.file()), DEFAULT_BYTES);
  expect_defaults_applied(t);
  // The guidance switch keeps whatever it was.
  EXPECT_EQ(t.s().guidance_on, 1);
  EXPECT_EQ(t.s().guidance_colour, COL_YELLOW);
  EXPECT_FALSE(std::filesystem::exists(t.config_file()));
}

TEST(SettingsRead, MissingFileShowsTheGreenBackground) {
  if (!test::view_paints()) GTEST_SKIP() << "drawing not built yet";
  SettingsGame t;
  読込_環境設定ファイル(t.g());
  auto pictures = t.canvas.of(test::DrawOp::Picture);
  ASSERT_FALSE(pictures.empty());
  for (const auto& p : pictures) EXPECT_EQ(p.code, HAIKEI_MIDORI);
}

struct ReadCase {
  const char* name;
  std::string file;  // UTF-8, stored as Shift-JIS
  const char* backgrounds;
  int background;
  bool guidance, clock, music;
  int guidance_colour;
};

class SettingsReadCases : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SettingsReadCases, AppliesExactValues) {
  const ReadCase& c = GetParam();
  SettingsGame t;
  t.untick_all_backgrounds();
  t.write_file(c.file);
  読込_環境設定ファイル(t.g());
  EXPECT_EQ(t.backgrounds(), c.backgrounds);
  EXPECT_EQ(t.s().background, c.background);
  EXPECT_EQ(t.s().checked[M_SIDOU], c.guidance);
  EXPECT_EQ(t.s().guidance_on, c.guidance ? 1 : 0);
  EXPECT_EQ(t.s().guidance_colour, c.guidance_colour);
  EXPECT_EQ(t.s().checked[M_KEIKA], c.clock);
  EXPECT_EQ(t.s().checked[M_BGM], c.music);
  EXPECT_EQ(t.file_text(), c.file);  // a good file is not rewritten
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsReadCases,
    ::testing::Values(
        ReadCase{"AllSet", "背景画=竹\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n", "01000",
                 HAIKEI_TAKE, true, false, false, COL_WHITE},
        ReadCase{"Space", "背景画=宇宙\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n", "00010",
                 HAIKEI_UCHU, false, true, false, COL_GREEN},
        ReadCase{"Brick", "背景画=煉瓦\r\n", "00001", HAIKEI_RENGA, false, false, false, COL_WHITE},
        ReadCase{"UnknownBackground", "背景画=赤\r\n経過時間=ON\r\n", "00000", 0, false, true,
                 false, COL_WHITE},
        ReadCase{"TrailingBlankIsOff", "移動指導=ON \r\n経過時間=ON \r\nBGM=ON \r\n", "00000", 0,
                 false, false, false, COL_GREEN},
        ReadCase{"LowerCaseIsOff", "移動指導=on\r\n経過時間=on\r\n", "00000", 0, false, false,
                 false, COL_GREEN},
        ReadCase{"BlankInKeyIsAnotherKey", "経過時間 =ON\r\n背景画 =緑\r\n", "00000", 0, false,
                 false, false, COL_WHITE},
        ReadCase{"FirstEqualsSplits", "背景画=畳=竹\r\n移動指導==ON\r\n", "00000", 0, false, false,
                 false, COL_GREEN},
        ReadCase{"LastLineWins", "背景画=竹\r\n背景画=畳\r\n移動指導=ON\r\n移動指導=OFF\r\n",
                 "00100", HAIKEI_TATAMI, false, false, false, COL_GREEN},
        ReadCase{"UnknownKeysIgnored", "色=青\r\n=\r\n経過時間=ON\r\n", "00000", 0, false, true,
                 false, COL_WHITE},
        // A hand-edited file may lack the last line end; its last line is whole.
        ReadCase{"NoFinalLineEnd", "経過時間=ON", "00000", 0, false, true, false, COL_WHITE},
        ReadCase{"LinefeedsAlone", "背景画=竹\n経過時間=ON\n", "01000", HAIKEI_TAKE, false, true,
                 false, COL_WHITE}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsRead, UnknownBackgroundKeepsTheTickedItemAndTheNextWriteOmitsLineOne) {
  SettingsGame t;
  t.untick_all_backgrounds();
  t.write_file("背景画=赤\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n");
  読込_環境設定ファイル(t.g());
  書込_環境設定ファイル(t.g());
  EXPECT_EQ(t.file_text(), "移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n");
}

TEST(SettingsRead, MusicOnSwitchesTheMusicForTheCurrentMode) {
  SettingsGame t;
  t.write_file("BGM=ON\r\n");
  読込_環境設定ファイル(t.g());
  EXPECT_EQ(t.sound.count("loop", SoundId::Ending), 1);
  EXPECT_EQ(t.sound.count("loop", SoundId::Music), 0);

  SettingsGame during;
  during.s().game_mode = MODE_COM;
  during.write_file("BGM=ON\r\n");
  読込_環境設定ファイル(during.g());
  EXPECT_EQ(during.sound.count("loop", SoundId::Music), 1);
}

TEST(SettingsRead, BackgroundFromTheFileIsPainted) {
  if (!test::view_paints()) GTEST_SKIP() << "drawing not built yet";
  SettingsGame t;
  t.write_file("背景画=煉瓦\r\n");
  読込_環境設定ファイル(t.g());
  auto pictures = t.canvas.of(test::DrawOp::Picture);
  ASSERT_FALSE(pictures.empty());
  EXPECT_EQ(pictures.front().code, HAIKEI_RENGA);
}

// Damaged files: the defaults, written anew, and nothing half-applied.
struct DamagedCase {
  const char* name;
  std::string bytes;  // raw
};

class SettingsDamaged : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(SettingsDamaged, FallBackToTheDefaults) {
  SettingsGame t;
  test::spit(t.file(), GetParam().bytes);
  読込_環境設定ファイル(t.g());
  expect_defaults_applied(t);
  EXPECT_EQ(t.s().guidance_on, 0);
  EXPECT_EQ(t.s().guidance_colour, COL_WHITE);
  EXPECT_EQ(test::slurp(t.file()), DEFAULT_BYTES);
}

const std::string GOOD_GUIDANCE = test::shift_jis("移動指導=ON\r\n");

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsDamaged,
    ::testing::Values(DamagedCase{"LineWithoutEquals", GOOD_GUIDANCE + "BGM ON\r\n"},
                      DamagedCase{"EmptyLineInside", GOOD_GUIDANCE + "\r\nBGM=ON\r\n"},
                      DamagedCase{"BinaryJunk", std::string("\x7f"
                                                            "ELF\x02\x01\x01\0\0\0\0\0\r\n\xff\xfe",
                                                            17)},
                      DamagedCase{"NulOnly", std::string(40, '\0')},
                      DamagedCase{"HugeFile", GOOD_GUIDANCE + std::string(70000, 'x') + "=ON\r\n"},
                      // What a write cut short leaves: nothing, or a line without its end.
                      DamagedCase{"Empty", ""},
                      DamagedCase{"CutOffMidLine", GOOD_GUIDANCE + "BGM=O"},
                      DamagedCase{"CutOffMidCharacter",
                                  GOOD_GUIDANCE + test::shift_jis("背景画=宇宙").substr(0, 9)},
                      DamagedCase{"CutOffAfterEquals", GOOD_GUIDANCE + "BGM="}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsRead, InvalidShiftJisMatchesNothingButIsNotDamage) {
  SettingsGame t;
  t.untick_all_backgrounds();
  // A lead byte with a bad trail byte, and a lead byte cut off at the end.
  std::string bytes = test::shift_jis("背景画=") + "\x81\x20\r\n" + test::shift_jis("移動指導=ON") +
                      "\x81\r\n" + "\x82\x20=ON\r\n" + test::shift_jis("経過時間=ON\r\n");
  test::spit(t.file(), bytes);
  読込_環境設定ファイル(t.g());
  EXPECT_EQ(t.backgrounds(), "00000");
  EXPECT_FALSE(t.s().checked[M_SIDOU]);
  EXPECT_EQ(t.s().guidance_colour, COL_GREEN);
  EXPECT_TRUE(t.s().checked[M_KEIKA]);
  EXPECT_EQ(test::slurp(t.file()), bytes);
}

TEST(SettingsRead, AFolderInPlaceOfTheFileIsSurvived) {
  SettingsGame t;
  std::filesystem::create_directory(t.file());
  読込_環境設定ファイル(t.g());
  expect_defaults_applied(t);
  // The defaults could not replace a folder, so they went to the user's folder.
  EXPECT_EQ(test::slurp(t.config_file()), DEFAULT_BYTES);
}

TEST(SettingsRead, APipeInPlaceOfTheFileDoesNotHang) {
  SettingsGame t;
  ASSERT_EQ(mkfifo(t.file().c_str(), 0644), 0);
  読込_環境設定ファイル(t.g());
  expect_defaults_applied(t);
  EXPECT_EQ(test::slurp(t.config_file()), DEFAULT_BYTES);
}

TEST(SettingsParse, SplitsLinesAndKeys) {
  auto lines = parse_settings(test::shift_jis("a=b\r\nc==d\re=\n=f"));
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 4u);
  EXPECT_EQ(*(*lines)[1].key, "c");
  EXPECT_EQ(*(*lines)[1].value, "=d");
  EXPECT_EQ(*(*lines)[2].value, "");
  EXPECT_EQ(*(*lines)[3].key, "");
  EXPECT_FALSE(parse_settings("a=b\r\n\r\nc=d").has_value());
  EXPECT_TRUE(parse_settings("a=b\r\n").has_value());
}

}  // namespace
}  // namespace zv
