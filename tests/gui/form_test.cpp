// The main window: its menu tree, start-up, the ways it ends, and the check
// marks that follow the game state.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "model/constants.h"
#include "play/play.h"
#include "play/qt/board_view.h"
#include "play/qt/file_panel.h"
#include "play/qt/form1.h"
#include "play/qt/menu_tree.h"
#include "sound/module1.h"
#include "support/fakes.h"

namespace zv::shell {
namespace {

// Records the window's requests in the order they come.
struct RecordingSoundSystem final : SoundSystem {
  std::vector<std::string> calls;
  void play(SoundId id) override { add("play", id); }
  void loop(SoundId id) override { add("loop", id); }
  void stop(SoundId id) override { add("stop", id); }
  void start(Dialogs&) override { calls.push_back("start"); }
  void shutdown() override { calls.push_back("shutdown"); }
  void set_observer(Observer) override {}
  void add(const char* op, SoundId id) {
    calls.push_back(std::string(op) + ' ' + std::string(sound_file_name(id)));
  }
  int count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
  }
};

class Window : public ::testing::Test {
 protected:
  test::ScriptedDialogs dialogs;
  test::VirtualClock clock;
  test::SeqRandom random;
  RecordingSoundSystem sound;
  std::unique_ptr<Form1> form;
  void make(bool timer = false) {
    form = std::make_unique<Form1>(Form1::Setup{&dialogs, &clock, &random, &sound, timer});
  }
  void load() {
    make();
    form->Form_Load();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  GameState& st() { return form->game().st; }
};

// The menu tree as the user sees it: name, caption, parent.
struct Item {
  const char* name;
  const char* caption;
  const char* parent;
};
const Item TREE[] = {
    {"TAIKYOKU", "対局", ""},
    {"MATCH_MAN", "対局(人間)", "TAIKYOKU"},
    {"START", "スタート", "MATCH_MAN"},
    {"START2", "対局(COM)", "TAIKYOKU"},
    {"SENTE", "先手", "START2"},
    {"GOTE", "後手", "START2"},
    {"LEVEL", "COM対局ﾚﾍﾞﾙ", "TAIKYOKU"},
    {"LEVEL1", "LEVEL1", "LEVEL"},
    {"LEVEL2", "LEVEL2", "LEVEL"},
    {"LEVEL3", "LEVEL3", "LEVEL"},
    {"LEVEL4", "LEVEL4", "LEVEL"},
    {"OWARI", "終わり", "TAIKYOKU"},
    {"STOP", "局面", ""},
    {"CANCEL", "最初", "STOP"},
    {"REVERSE", "反転", "STOP"},
    {"REPLAY", "戻", ""},
    {"AFTER", "進", ""},
    {"LBEL_UP", "△", ""},
    {"LEBEL_DOWN", "▽", ""},
    {"KIFU", "棋譜", ""},
    {"KIFU_READ", "読込", "KIFU"},
    {"KIFU_WRITE", "書込", "KIFU"},
    {"OPTION", "ｵﾌﾟｼｮﾝ", ""},
    {"HAIKEI_GA", "背景画", "OPTION"},
    {"MIDORI", "緑", "HAIKEI_GA"},
    {"TATAMI", "畳", "HAIKEI_GA"},
    {"TAKE", "竹", "HAIKEI_GA"},
    {"UCHU", "宇宙", "HAIKEI_GA"},
    {"RENGA", "煉瓦", "HAIKEI_GA"},
    {"SIDOU", "移動指導", "OPTION"},
    {"KEIKA", "経過時間", "OPTION"},
    {"BGM", "BGM", "OPTION"},
    {"HINT", "ヒント", "OPTION"},
    {"VER", "その他", ""},
};

TEST_F(Window, EveryMenuEntryWithItsCaptionInItsPlace) {
  make();
  EXPECT_EQ(form->windowTitle(), "Zorvane");
  ASSERT_EQ(menu_tree().size(), std::size(TREE));
  std::map<std::string, QList<QAction*>> children;
  for (const Item& it : TREE) {
    QAction* a = form->action(it.name);
    ASSERT_NE(a, nullptr) << it.name;
    EXPECT_EQ(a->objectName().toStdString(), it.name);
    EXPECT_EQ(a->text().toStdString(), it.caption) << it.name;
    children[it.parent].push_back(a);
  }
  // In menu order under each parent; the top level is the menu bar itself.
  for (auto& [parent, actions] : children) {
    const QList<QAction*> shown =
        parent.empty() ? form->menuBar()->actions() : form->submenu(parent)->actions();
    EXPECT_EQ(shown, actions) << "under '" << parent << "'";
  }
}

TEST_F(Window, CheckMarksOnlyWhereTheGameKeepsThem) {
  make();
  const std::set<std::string> checkable = {"LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4", "MIDORI", "TATAMI",
                                           "TAKE",   "UCHU",   "RENGA",  "SIDOU",  "KEIKA",  "BGM"};
  for (const Item& it : TREE)
    EXPECT_EQ(form->action(it.name)->isCheckable(), checkable.count(it.name) == 1) << it.name;
}

TEST_F(Window, LoadsInOrderAndStartsWithLevel3) {
  load();
  ASSERT_FALSE(sound.calls.empty());
  EXPECT_EQ(sound.calls[0], "start") << "sound first, before the settings may start the music";
  EXPECT_TRUE(form->action("LEVEL3")->isChecked());
  EXPECT_FALSE(form->action("LEVEL1")->isChecked());
  EXPECT_FALSE(form->action("LEVEL2")->isChecked());
  EXPECT_EQ(st().com_level, 3);
  EXPECT_EQ(st().turn, NO_TURN);
  EXPECT_EQ(st().board[5][9], SITA_OU) << "the starting position is set up";
  EXPECT_GT(form->board_view()->display_list().alive_count(), 81u) << "and painted";
}

TEST_F(Window, PlacedTopLeftAtItsDesignSize) {
  load();
  QScreen* scr = form->screen();
  EXPECT_EQ(form->pos(), scr->availableGeometry().topLeft());
  EXPECT_EQ(form->width(), std::lround(WINDOW_W * scr->logicalDotsPerInchX() / TWIPS_PER_INCH));
  EXPECT_EQ(form->height(), std::lround(WINDOW_H * scr->logicalDotsPerInchY() / TWIPS_PER_INCH));
}

TEST_F(Window, AMaximisedWindowKeepsItsSize) {
  make();
  form->resize(700, 650);
  form->move(30, 40);
  form->setWindowState(Qt::WindowMaximized);
  const QRect before = form->geometry();
  form->Form_Load();
  EXPECT_EQ(form->geometry(), before);
}

TEST_F(Window, CheckMarksFollowTheGameStateNotTheToolkit) {
  load();
  st().checked[M_KEIKA] = true;
  st().checked[M_BGM] = false;
  form->sync();
  EXPECT_TRUE(form->action("KEIKA")->isChecked());
  EXPECT_FALSE(form->action("BGM")->isChecked());
  // Choosing an item runs its command; the mark then shows what the command decided.
  for (const char* name : {"SIDOU", "LEVEL1", "MIDORI", "KEIKA"}) {
    form->action(name)->trigger();
    const MenuEntry* e = find_menu(name);
    EXPECT_EQ(form->action(name)->isChecked(), st().checked[e->check]) << name;
  }
}

TEST_F(Window, EscEndsFreeingTheSixBuffersInOrder) {
  load();
  QTest::keyClick(form.get(), Qt::Key_A);
  QTest::keyClick(form.get(), Qt::Key_Return);
  EXPECT_FALSE(form->ended());
  EXPECT_EQ(sound.count("shutdown"), 0);
  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_TRUE(form->ended());
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(sound.count("shutdown"), 1);
  form->close();  // closing afterwards does not shut down again
  EXPECT_EQ(sound.count("shutdown"), 1);
}

TEST_F(Window, OwariAndClosingEndTheSameWay) {
  load();
  EXPECT_TRUE(form->choose_menu("OWARI", true));
  EXPECT_TRUE(form->ended());
  EXPECT_EQ(sound.count("shutdown"), 1);

  sound.calls.clear();
  load();
  form->close();
  EXPECT_TRUE(form->ended());
  EXPECT_EQ(sound.count("shutdown"), 1);
  form->Form_KeyPress(KEY_ESC);
  form->choose_menu("OWARI", true);
  EXPECT_EQ(sound.count("shutdown"), 1) << "only once";
}

// Opening 対局, 局面 or ｵﾌﾟｼｮﾝ closes the record file panel.
TEST_F(Window, OpeningSomeMenusClosesTheFilePanel) {
  load();
  for (const char* name : {"TAIKYOKU", "STOP", "OPTION"}) {
    ASSERT_TRUE(form->choose_menu("KIFU_READ", true));
    ASSERT_TRUE(st().file1_visible);
    emit form->submenu(name)->aboutToShow();
    EXPECT_FALSE(st().drive1_visible || st().dir1_visible || st().file1_visible ||
                 st().text_visible)
        << name;
    EXPECT_TRUE(form->file_panel()->isHidden()) << name;
  }
  // 棋譜 itself leaves it open.
  ASSERT_TRUE(form->choose_menu("KIFU_READ", true));
  emit form->submenu("KIFU")->aboutToShow();
  EXPECT_TRUE(st().file1_visible);
}

TEST_F(Window, UnknownMenuNamesAreRefused) {
  load();
  EXPECT_FALSE(form->choose_menu("NOPE", true));
  EXPECT_TRUE(form->choose_menu("VER", true));
}

TEST_F(Window, Timer1TicksEvery50ms) {
  make(true);
  auto* timer = form->findChild<QTimer*>("Timer1");
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->interval(), 50);
  EXPECT_TRUE(timer->isActive());
  form->Form_KeyPress(KEY_ESC);
  EXPECT_FALSE(timer->isActive()) << "stopped at the end";
}

TEST_F(Window, AClickBeforeAnyGameAsksToStartOne) {
  load();
  const QPointF centre(X0 + CELL_W * 5.5, Y0 + CELL_H * 7.5);
  QTest::mouseClick(form->board_view(), Qt::LeftButton, {},
                    form->board_view()->to_widget(centre).toPoint());
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown.back().text, "「対局」で始めて下さい");
  EXPECT_EQ(dialogs.shown.back().title, "開始");
  EXPECT_EQ(sound.calls.back(), "play 禁止.wav");
}

}  // namespace
}  // namespace zv::shell
