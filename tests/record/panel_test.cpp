#include "record/panel.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/safe_file.h"
#include "record/record.h"
#include "record_test_util.h"

namespace zv {
namespace {

using test::ScratchDir;
using test::TestGame;

TEST(Volumes, RootFirstThenRealMountsSorted) {
  const char* mounts =
      "proc /proc proc rw 0 0\n"
      "/dev/sda1 / ext4 rw 0 0\n"
      "/dev/sdb1 /media/user/USB\\040STICK vfat rw 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "/dev/sdc1 /mnt/data ext4 rw 0 0\n"
      "/dev/sda2 /home ext4 rw 0 0\n"
      "/dev/sdd1 /run/media/user/CARD exfat rw 0 0\n"
      "/dev/sdb1 /media/user/USB\\040STICK vfat rw 0 0\n"
      "sysfs /sys sysfs rw 0 0\n"
      "overlay /media/ overlay rw 0 0\n";
  EXPECT_EQ(parse_volumes(mounts), (std::vector<std::string>{"/", "/home", "/media/user/USB STICK",
                                                             "/mnt/data", "/run/media/user/CARD"}));
  EXPECT_EQ(parse_volumes(""), std::vector<std::string>{"/"});
  EXPECT_EQ(list_volumes().front(), "/");
}

TEST(Volumes, AFolderBelongsToItsLongestMountPoint) {
  const std::vector<std::string> v = {"/", "/home", "/media/user/USB"};
  EXPECT_EQ(volume_of("/home/user/kifu", v), "/home");
  EXPECT_EQ(volume_of("/homework", v), "/");
  EXPECT_EQ(volume_of("/media/user/USB", v), "/media/user/USB");
  EXPECT_EQ(volume_of("/tmp", v), "/");
}

TEST(RecordFiles, ListsOnlyRecordFilesSorted) {
  ScratchDir dir;
  // ".a.棋譜.Xy12Zw" is the temporary of a save that was cut off.
  for (const char* name :
       {"b.棋譜", "a.棋譜", "note.txt", ".棋譜", "c.棋譜.bak", "あ.棋譜", ".a.棋譜.Xy12Zw"})
    test::write_bytes(dir.file(name), "x");
  std::filesystem::create_directory(dir.file("d.棋譜"));
  EXPECT_EQ(list_record_files(dir.path), (std::vector<std::string>{"a.棋譜", "b.棋譜", "あ.棋譜"}));
  EXPECT_TRUE(list_record_files(dir.file("none")).empty());
}

TEST(RecordFiles, OnlyOurOwnStaleTemporariesAreCleared) {
  for (const char* ours : {".a.棋譜.Xy12Zw", ".x.棋譜.000000", ".名局 #1.棋譜.aB3dE9"})
    EXPECT_TRUE(is_temporary_name(ours, KIFU_EXTENSION)) << ours;
  for (const char* not_ours : {"a.棋譜.Xy12Zw", ".a.棋譜.Xy12Z", ".a.棋譜.Xy12Zw~",
                               ".a.棋譜_Xy12Zw", ".a.txt.Xy12Zw", ".棋譜.Xy12Zw", ".a.棋譜.Xy-2Zw"})
    EXPECT_FALSE(is_temporary_name(not_ours, KIFU_EXTENSION)) << not_ours;
  ScratchDir dir;
  for (const char* name : {".old.棋譜.Ab12Cd", ".new.棋譜.Ab12Cd", ".old.txt.Ab12Cd"})
    test::write_bytes(dir.file(name), "x");
  const std::time_t now = std::time(nullptr);
  EXPECT_EQ(remove_stale_temporaries(dir.path, KIFU_EXTENSION, now + 30), 0) << "too young";
  EXPECT_EQ(remove_stale_temporaries(dir.path, KIFU_EXTENSION, now + 120), 2);
  EXPECT_TRUE(std::filesystem::exists(dir.file(".old.txt.Ab12Cd")));
}

TEST(InitialFolder, CurrentFolderUnlessStartedFromTheDesktop) {
  ScratchDir docs;
  EXPECT_EQ(initial_folder("/work/games", "/home/u", docs.path), "/work/games");
  EXPECT_EQ(initial_folder("/", "/home/u", docs.path), docs.path);
  EXPECT_EQ(initial_folder("/", "/home/u", docs.file("missing")), "/home/u");
  EXPECT_EQ(initial_folder("", "", ""), "/");
  EXPECT_FALSE(initial_folder().empty());
}

TEST(RecordName, StaysInsideTheChosenFolder) {
  for (const char* good : {"対局1", "a b", "名人戦.第1局", ".hidden", "x-y_z"})
    EXPECT_TRUE(valid_record_name(good)) << good;
  for (const char* bad :
       {"", "..", "../up", "a/b", "/abs", "a\\b", "a..b", "tab\there", "new\nline", "del\x7f"})
    EXPECT_FALSE(valid_record_name(bad)) << bad;
  EXPECT_EQ(check_record_name(std::string(201, 'a')), RecordName::TooLong);
  EXPECT_EQ(check_record_name(std::string(200, 'a')), RecordName::Ok);
  EXPECT_EQ(check_record_name(std::string(300, '/')), RecordName::BadCharacter);
  EXPECT_EQ(record_path("/tmp/k", "対局"), "/tmp/k/対局.棋譜");
  EXPECT_EQ(record_path("/", "x"), "/x.棋譜");
}

TEST(Panel, ReadShowsTheThreeListsAndNoTextBoxes) {
  TestGame t;
  t.s().Text2 = "left over";
  t.s().text_visible = true;
  KIFU_READ_Click(t.g());
  EXPECT_TRUE(t.s().drive1_visible && t.s().dir1_visible && t.s().file1_visible);
  EXPECT_FALSE(t.s().text_visible);
  EXPECT_TRUE(t.s().Text2.empty());
  EXPECT_FALSE(t.s().dir_path.empty());
  EXPECT_FALSE(t.s().drive.empty());
}

TEST(Panel, WriteShowsFoldersAndKeepsTheTexts) {
  TestGame t;
  t.s().file1_visible = true;
  t.s().Text1 = "name";
  KIFU_WRITE_Click(t.g());
  EXPECT_TRUE(t.s().drive1_visible && t.s().dir1_visible);
  EXPECT_FALSE(t.s().file1_visible);
  EXPECT_TRUE(t.s().text_visible);
  EXPECT_EQ(t.s().Text1, "name");
  EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST(Panel, ReversalIsReportedBeforeAHandicap) {
  TestGame t;
  t.s().reversed_once = 1;
  t.s().handicap_set = 1;
  KIFU_WRITE_Click(t.g());
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text, "反転後は書き込みできません");
  EXPECT_FALSE(t.s().text_visible || t.s().dir1_visible);
}

TEST(Panel, OptionMenuAndHideCloseEverything) {
  for (void (*close)(Game&) : {OPTION_Click, hide_file_panel}) {
    TestGame t;
    KIFU_WRITE_Click(t.g());
    t.s().Text1 = "a";
    t.s().Text4 = "b";
    close(t.g());
    EXPECT_FALSE(t.s().drive1_visible || t.s().dir1_visible || t.s().file1_visible ||
                 t.s().text_visible);
    EXPECT_TRUE(t.s().Text1.empty() && t.s().Text4.empty());
  }
}

TEST(Panel, VisibilityFollowsItsArguments) {
  TestGame t;
  描画_可視(t.g(), true, false, true);
  EXPECT_TRUE(t.s().drive1_visible);
  EXPECT_FALSE(t.s().dir1_visible);
  EXPECT_TRUE(t.s().file1_visible);
  描画_棋譜_IO(t.g(), 0);
  EXPECT_TRUE(t.s().text_visible);
  描画_棋譜_IO(t.g(), 2);
  EXPECT_FALSE(t.s().text_visible);
}

TEST(Panel, DriveChangeMovesTheFolderOrSaysTheDeviceIsNotReady) {
  TestGame t;
  ScratchDir dir;
  t.s().dir_path = dir.path;
  t.s().drive = dir.path + "/unplugged";
  Drive1_Change(t.g());
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text, "ﾃﾞﾊﾞｲｽが準備できていません");
  EXPECT_EQ(t.dialogs.shown[0].title, "ｴﾗｰ");
  EXPECT_EQ(t.s().dir_path, dir.path);
  EXPECT_EQ(t.s().drive, volume_of(dir.path, list_volumes()));

  const int version = t.s().file_list_version;
  t.s().drive = "/";
  Drive1_Change(t.g());
  EXPECT_EQ(t.s().dir_path, "/");
  EXPECT_GT(t.s().file_list_version, version);
  EXPECT_EQ(t.dialogs.shown.size(), 1u);
}

TEST(Panel, FolderChangeRefreshesTheFileList) {
  TestGame t;
  const int version = t.s().file_list_version;
  Dir1_Change(t.g());
  EXPECT_EQ(t.s().file_list_version, version + 1);
}

}  // namespace
}  // namespace zv
