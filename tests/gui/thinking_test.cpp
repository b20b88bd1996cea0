// The window while the searching computer thinks: it keeps painting, takes
// no clicks or menu commands, and Esc ends the program at once.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QTimer>

#include "play/play.h"
#include "play/qt/board_view.h"
#include "play/qt/form1.h"
#include "play/qt/sound_system.h"
#include "support/fakes.h"

namespace zv::shell {
namespace {

struct QuietSoundSystem final : SoundSystem {
  int pieces = 0;
  void play(SoundId id) override { pieces += id == SoundId::Piece; }
  void loop(SoundId) override {}
  void stop(SoundId) override {}
  void start(Dialogs&) override {}
  void shutdown() override {}
  void set_observer(Observer) override {}
};

// Counts the paint events the board gets while the computer is thinking.
struct PaintCounter : QObject {
  const Form1* form = nullptr;
  int during_thinking = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint && form->worker().busy()) ++during_thinking;
    return false;
  }
};

class Thinking : public ::testing::Test {
 protected:
  test::ScriptedDialogs dialogs;
  test::VirtualClock clock;
  test::SeqRandom random;
  QuietSoundSystem sound;
  std::unique_ptr<Form1> form;
  void SetUp() override {
    // The wall clock limits the thinking, as in the real window.
    form = std::make_unique<Form1>(Form1::Setup{&dialogs, &clock, &random, &sound, false, true});
    form->Form_Load();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_TRUE(form->choose_menu("LEVEL4", true));
  }
  GameState& st() { return form->game().st; }
};

TEST_F(Thinking, TheWindowRepaintsAndIgnoresCommandsMeanwhile) {
  PaintCounter counter;
  counter.form = form.get();
  form->board_view()->installEventFilter(&counter);
  int level_seen = 0;
  QTimer::singleShot(200, form.get(), [&] {
    form->board_view()->update();
    form->choose_menu("LEVEL1", true);  // not taken while thinking
    level_seen = st().com_level;
  });
  ASSERT_TRUE(form->choose_menu("GOTE", true));  // the computer opens
  EXPECT_GT(form->worker().event_turns(), 0);
  EXPECT_GT(counter.during_thinking, 0);
  EXPECT_EQ(level_seen, COM_LEVEL_SEARCH);
  EXPECT_EQ(st().move_number, 1);
  EXPECT_EQ(st().turn, st().man_side);
  EXPECT_EQ(sound.pieces, 1);
}

TEST_F(Thinking, EscEndsTheProgramAtOnce) {
  QTimer::singleShot(150, form.get(), [&] { QTest::keyClick(form.get(), Qt::Key_Escape); });
  QElapsedTimer timer;
  timer.start();
  form->choose_menu("GOTE", true);
  EXPECT_LT(timer.elapsed(), 700) << "the search stopped well before its second";
  EXPECT_TRUE(form->ended());
  EXPECT_EQ(st().move_number, 0) << "no move is played after Esc";
  EXPECT_EQ(sound.pieces, 0);
}

}  // namespace
}  // namespace zv::shell
