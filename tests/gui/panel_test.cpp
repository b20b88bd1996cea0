// The record file panel: shows what the state says, reports what is typed and
// chosen, and lists only record files.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "play/qt/file_panel.h"
#include "play/qt/form1.h"
#include "support/fakes.h"

namespace zv::shell {
namespace {

class Panel : public ::testing::Test {
 protected:
  void SetUp() override {
    host.resize(600, 600);
    panel = new FilePanel(&host);
    panel->setGeometry(0, 0, 400, 560);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    ASSERT_TRUE(dir.isValid());
    for (const char* f : {"b.棋譜", "a.棋譜", "notes.txt", "c.棋譜.bak"}) {
      QFile file(dir.filePath(QString::fromUtf8(f)));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("games"));
    st.dir_path = dir.path().toStdString();
    st.drive = "/";
  }
  QWidget host;
  FilePanel* panel = nullptr;
  QTemporaryDir dir;
  PanelState st;
};

TEST_F(Panel, ClosedAtFirstAndShownControlByControl) {
  panel->sync(st, true);
  EXPECT_FALSE(panel->isVisible());

  st.drive1_visible = st.dir1_visible = true;  // as for writing a record
  st.text_visible = true;
  panel->sync(st, true);
  EXPECT_TRUE(panel->isVisible());
  EXPECT_TRUE(panel->drive1()->isVisible());
  EXPECT_TRUE(panel->dir1()->isVisible());
  EXPECT_FALSE(panel->file1()->isVisible());
  for (int i = 1; i <= 4; ++i) EXPECT_TRUE(panel->text(i)->isVisible());
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(panel->label1(i)->isVisible());
  EXPECT_TRUE(panel->command1()->isVisible());

  st = PanelState{};
  panel->sync(st, true);
  EXPECT_FALSE(panel->isVisible());
}

TEST_F(Panel, LabelsAndButtonCarryTheirCaptions) {
  const char* captions[4] = {"対 局 名：", "先    手 ：", "後    手 ：", "ﾌｧｲﾙ名 ："};
  const int beside[4] = {2, 3, 4, 1};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(panel->label1(i)->text().toStdString(), captions[i]);
    EXPECT_EQ(panel->label1(i)->buddy(), panel->text(beside[i]));
  }
  EXPECT_EQ(panel->command1()->text(), "RETURN");
  EXPECT_EQ(panel->command1()->objectName(), "Command1");
}

TEST_F(Panel, ListsOnlyRecordFilesAndReportsTheChosenOne) {
  st.drive1_visible = st.dir1_visible = st.file1_visible = true;
  std::string chosen;
  panel->on_file = [&](const std::string& n) { chosen = n; };
  panel->sync(st, true);
  QListWidget* files = panel->file1();
  ASSERT_EQ(files->count(), 2);
  EXPECT_EQ(files->item(0)->text().toStdString(), "a.棋譜");
  EXPECT_EQ(files->item(1)->text().toStdString(), "b.棋譜");
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                    files->visualItemRect(files->item(1)).center());
  EXPECT_EQ(chosen, "b.棋譜");
}

TEST_F(Panel, OpensAFolderFromTheFolderList) {
  st.dir1_visible = true;
  std::string opened;
  panel->on_folder = [&](const std::string& p) { opened = p; };
  panel->sync(st, true);
  QListWidget* dirs = panel->dir1();
  QListWidgetItem* games = nullptr;
  for (int i = 0; i < dirs->count(); ++i)
    if (dirs->item(i)->text().trimmed() == "games") games = dirs->item(i);
  ASSERT_NE(games, nullptr);
  emit dirs->itemActivated(games);
  EXPECT_EQ(opened, QDir(dir.filePath("games")).absolutePath().toStdString());
  // Its own path is listed from the root down, so any parent can be opened.
  EXPECT_EQ(dirs->item(0)->data(Qt::UserRole).toString(), QDir::rootPath());
}

TEST_F(Panel, TextsGoBothWays) {
  st.text_visible = true;
  st.Text2 = "名人戦";
  std::vector<std::pair<int, std::string>> typed;
  panel->on_text = [&](int i, const std::string& s) { typed.emplace_back(i, s); };
  panel->sync(st, true);
  EXPECT_EQ(panel->text(2)->text().toStdString(), "名人戦");
  QTest::keyClicks(panel->text(1), "ab");
  ASSERT_EQ(typed.size(), 2u);
  EXPECT_EQ(typed.back(), (std::pair<int, std::string>{1, "ab"}));
  int returns = 0;
  panel->on_return = [&] { ++returns; };
  QTest::mouseClick(panel->command1(), Qt::LeftButton);
  EXPECT_EQ(returns, 1);
  // Enter (either key) in any text box presses RETURN too.
  for (int i = 1; i <= 4; ++i) QTest::keyClick(panel->text(i), Qt::Key_Return);
  QTest::keyClick(panel->text(1), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(returns, 6);
}

TEST(PanelInWindow, TypingReachesTheGameStateAndCommandsReachTheBoxes) {
  test::ScriptedDialogs dialogs;
  test::VirtualClock clock;
  test::SeqRandom random;
  SilentSound sound;
  Form1 form({&dialogs, &clock, &random, &sound, false});
  form.Form_Load();
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  auto& st = form.game().st;
  ASSERT_TRUE(form.choose_menu("KIFU_WRITE", true));
  EXPECT_TRUE(form.file_panel()->isVisible());
  EXPECT_TRUE(form.file_panel()->text(3)->isVisible());
  EXPECT_FALSE(form.file_panel()->file1()->isVisible());
  QTest::keyClicks(form.file_panel()->text(3), "Hanako");
  EXPECT_EQ(st.Text3, "Hanako");
  st.Text1 = "kifu01";
  form.sync();
  EXPECT_EQ(form.file_panel()->text(1)->text(), "kifu01");
  EXPECT_FALSE(st.dir_path.empty()) << "the folder list opens somewhere";
  // Enter after the file name saves; with no moves there is nothing to save.
  QTest::keyClick(form.file_panel()->text(1), Qt::Key_Return);
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown.back().text, "保存するデータがありません");
  // Esc still ends the program while a text box has the keyboard.
  QTest::keyClick(form.file_panel()->text(3), Qt::Key_Escape);
  EXPECT_TRUE(form.ended());
}

}  // namespace
}  // namespace zv::shell
