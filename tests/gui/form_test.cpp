// The main window: its menu tree, start-up, the ways it ends, and the check
// marks that follow the game state.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "model/constants.h"
#include "play/play.h"
#include "play/qt/board_view.h"
#include "play/qt/file_panel.h"
#include "play/qt/form1.h"
#include "play/qt/held_dialogs.h"
#include "play/qt/menu_tree.h"
#include "record/autosave.h"
#include "record/record.h"
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
  const std::set<std::string> checkable = {"LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4",
                                           "MIDORI", "TATAMI", "TAKE",   "UCHU",
                                           "RENGA",  "SIDOU",  "KEIKA",  "BGM"};
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

TEST_F(Window, PlacedInTheMiddleOfTheScreenAtItsDesignSize) {
  load();
  QScreen* scr = form->screen();
  const QRect room = scr->availableGeometry();
  EXPECT_EQ(form->width(), std::lround(WINDOW_W * scr->logicalDotsPerInchX() / TWIPS_PER_INCH));
  EXPECT_EQ(form->height(), std::lround(WINDOW_H * scr->logicalDotsPerInchY() / TWIPS_PER_INCH));
  // Centred as well as the frame, unknown before the window is first shown, allows.
  const QRect f = form->frameGeometry();
  const int frame_w = f.width() - form->width(), frame_h = f.height() - form->height();
  EXPECT_NEAR(f.left() - room.left(), room.right() - f.right(), frame_w + 1) << "left and right";
  EXPECT_NEAR(f.top() - room.top(), room.bottom() - f.bottom(), frame_h + 1) << "above and below";
  EXPECT_TRUE(room.contains(f)) << "title bar on screen";
}

// The sound card fails while loading: its boxes wait until the window is on
// screen, then come in order, over it.
TEST_F(Window, BoxesAskedForWhileLoadingComeOverTheShownWindow) {
  struct FailingSound final : SoundSystem {
    void play(SoundId) override {}
    void loop(SoundId) override {}
    void stop(SoundId) override {}
    void shutdown() override {}
    void set_observer(Observer) override {}
    void start(Dialogs& d) override {
      d.show("1", "Zorvane.dll", Buttons::Ok);
      d.show("2", "Zorvane.dll", Buttons::Ok);
    }
  } failing;
  struct Seen final : Dialogs {
    QWidget* window = nullptr;
    std::string boxes;
    Answer show(std::string_view text, std::string_view, Buttons) override {
      boxes += std::string(text) + (window->isVisible() ? "+" : "-");
      return Answer::Ok;
    }
  } seen;
  HeldDialogs boxes(seen);
  form = std::make_unique<Form1>(Form1::Setup{&boxes, &clock, &random, &failing, false});
  seen.window = form.get();
  ASSERT_TRUE(open_main_window(*form, boxes));
  EXPECT_EQ(seen.boxes, "") << "nothing before the window";
  QTRY_COMPARE(seen.boxes, std::string("1+2+"));
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

// Quitting in the middle of a game keeps it, silently, as a record that
// replays to the position on the board; the one kept before stays beside it.
TEST_F(Window, EscMidGameKeepsTheGameAsALoadableRecord) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("zv_autosave_" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  std::ofstream(dir / GAME_BEFORE_FILE) << "an older game";
  std::ofstream(dir / LAST_GAME_FILE) << "the game before";
  load();
  st().data_dir = dir.string();
  ASSERT_TRUE(form->choose_menu("START", true));
  auto click = [&](int q, int r) {
    Form_MouseDown(form->game(), BUTTON_LEFT, 0, X0 + CELL_W * (q + 0.5), Y0 + CELL_H * (r + 0.5));
  };
  click(3, 7), click(3, 6), click(7, 3), click(7, 4), click(2, 7), click(2, 6);
  ASSERT_EQ(st().move_number, 3);
  const Grid on_board = st().board;
  const size_t boxes = dialogs.shown.size();
  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_TRUE(form->ended());
  EXPECT_EQ(dialogs.shown.size(), boxes) << "quitting asks nothing";

  std::ifstream in(dir / LAST_GAME_FILE, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  test::TestGame replay;
  ASSERT_TRUE(load_record_bytes(replay.g(), bytes));
  for (int k = 0; k < 3; ++k) AFTER_Click(replay.g());
  EXPECT_EQ(replay.s().board, on_board);
  std::ifstream before(dir / GAME_BEFORE_FILE);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(before), {}), "the game before");
  std::filesystem::remove_all(dir);
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
