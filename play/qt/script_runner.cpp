#include "play/qt/script_runner.h"

#include <QApplication>
#include <QPixmap>
#include <cmath>
#include <set>
#include <utility>

#include "engine/engine.h"
#include "model/constants.h"
#include "play/play.h"
#include "play/qt/board_view.h"
#include "play/qt/file_panel.h"
#include "play/qt/form1.h"
#include "play/qt/random.h"
#include "play/qt/script.h"
#include "play/qt/script_ports.h"
#include "view/draw.h"

namespace zv::shell {

namespace {

constexpr double TICK_SECONDS = 0.05;  // Timer1's interval

class Session {
 public:
  Session(const script::StartOptions& start, SoundSystem& sound, std::ostream& out)
      : out_(out),
        clock_(start.time),
        random_(start.seed),
        dialogs_(out),
        form_(Form1::Setup{&dialogs_, &clock_, &random_, &sound, false, false}) {
    sound.set_observer([&out](std::string_view op, std::string_view file) {
      out << script::sound_line(op, file) << '\n';
    });
  }

  void start() {
    form_.Form_Load();
    form_.show();
    QApplication::processEvents();
  }

  bool ended() const { return form_.ended(); }

  void finish() {
    if (!form_.ended()) form_.close();
    out_ << "end\n";
    out_.flush();
  }

  void run(const script::Command& c) {
    using script::Op;
    Game& g = form_.game();
    auto& st = g.st;
    switch (c.op) {
      case Op::Invalid:
        return error(c, c.why);
      case Op::Seed:
        random_.reseed(static_cast<std::uint32_t>(c.nums[0]));
        return;
      case Op::Time:
        clock_.set(c.nums[0]);
        return;
      case Op::Menu:
        if (!form_.choose_menu(c.name, true)) error(c, "no such menu: " + c.name);
        return;
      case Op::Click:
        form_.mouse_down(c.button, 0, c.nums[0], c.nums[1]);
        return;
      case Op::Square:
        form_.mouse_down(c.button, 0, script::cell_centre_x(c.nums[0]),
                         script::cell_centre_y(c.nums[1]));
        return;
      case Op::Answer:
        dialogs_.queue_answer(c.button ? Answer::Yes : Answer::No);
        return;
      case Op::Key:
        form_.Form_KeyPress(static_cast<int>(c.nums[0]));
        return;
      case Op::Wait:
        return wait(c.nums[0]);
      case Op::Text:
        if (!st.text_visible) return error(c, c.name + " is not shown");
        form_.type_text(c.name.back() - '0', c.value);
        return;
      case Op::Folder:
        if (!st.dir1_visible) return error(c, "Dir1 is not shown");
        form_.choose_folder(c.value);
        return;
      case Op::File:
        if (!st.file1_visible) return error(c, "File1 is not shown");
        form_.choose_file(c.value);
        return;
      case Op::Press:
        if (!st.text_visible) return error(c, "Command1 is not shown");
        form_.press_return();
        return;
      case Op::Board:
        script::set_board(st, c.nums);
        return position_changed();
      case Op::Warp:
        script::set_warp(st, c.nums);
        return position_changed();
      case Op::Hands:
        script::set_hands(st, c.nums);
        return position_changed();
      case Op::Set: {
        const std::string why = script::set_scalar(st, c.name, static_cast<int>(c.nums[0]));
        if (!why.empty()) return error(c, why);
        script::settle_position(st);
        form_.sync();
        return;
      }
      case Op::Com:
        com_ban(g);
        form_.sync();
        return;
      case Op::Dump:
        out_ << script::dump(st);
        return;
      case Op::Drawn:
        print_drawn();
        return;
      case Op::Size:
        form_.resize(static_cast<int>(c.nums[0]), static_cast<int>(c.nums[1]));
        QApplication::processEvents();
        return;
      case Op::Shot: {
        QApplication::processEvents();
        if (!form_.grab().save(QString::fromStdString(c.value), "PNG"))
          error(c, "cannot write " + c.value);
        return;
      }
    }
  }

 private:
  // Texts in painting order, then the marked squares in board order. A text
  // whose first corner a later picture covers is no longer seen.
  void print_drawn() {
    const DisplayList& list = form_.board_view()->display_list();
    auto covered = [&](std::size_t i) {
      const TwipRect& a = list.at(i).area;
      for (std::size_t j = i + 1; j < list.size(); ++j) {
        const PaintOp& p = list.at(j);
        if (list.alive(j) && p.kind == PaintOp::Picture && a.x1 >= p.area.x1 && a.x1 < p.area.x2 &&
            a.y1 >= p.area.y1 && a.y1 < p.area.y2)
          return true;
      }
      return false;
    };
    std::set<std::pair<int, int>> marked;
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (!list.alive(i)) continue;
      const PaintOp& op = list.at(i);
      if (op.kind == PaintOp::Text && op.code != COL_SHADOW && !covered(i)) {
        out_ << "drawn text \"" << op.text << "\"\n";
      } else if (op.kind == PaintOp::Box && op.code == COL_MARKER_DARK) {
        marked.insert({static_cast<int>((op.area.x1 - X0) / CELL_W),
                       static_cast<int>((op.area.y1 - Y0) / CELL_H)});
      }
    }
    for (const auto& [q, r] : marked) out_ << "drawn marker " << q << ' ' << r << '\n';
  }

  void error(const script::Command& c, const std::string& why) {
    out_ << script::error_line(c.line, why) << '\n';
  }

  void position_changed() {
    script::settle_position(form_.game().st);
    画面_再描画(form_.game());
    form_.sync();
  }

  // The timer fires every 50 ms of virtual time while the script waits. A tick
  // only shows the clock as it is at that moment, and nothing else runs in
  // between, so only the last tick can be seen: the clock jumps to it at once
  // (a wait of a day would otherwise run 1.7 million ticks).
  void wait(double seconds) {
    const double ticks = std::floor(seconds / TICK_SECONDS + 1e-9);
    if (ticks >= 1 && !form_.ended()) {
      clock_.advance(ticks * TICK_SECONDS);
      form_.timer_tick();
    }
    const double rest = seconds - ticks * TICK_SECONDS;
    if (rest > 1e-7) clock_.advance(rest);
  }

  std::ostream& out_;
  script::ScriptClock clock_;
  MtRandom random_;
  script::ScriptDialogs dialogs_;
  Form1 form_;
};

}  // namespace

void run_script(const std::string& source, SoundSystem& sound, std::ostream& out) {
  const auto commands = script::parse(source);
  const auto start = script::start_options(commands);
  Session session(start, sound, out);
  session.start();
  for (std::size_t i = start.first_command; i < commands.size() && !session.ended(); ++i) {
    session.run(commands[i]);
    QApplication::processEvents();
  }
  session.finish();
}

}  // namespace zv::shell
