// A long soak: many games played through the window the way a scripted session
// plays them (menu commands and mouse clicks on squares), human against human
// and against the computer at every level, with warps, drops, promotions,
// king captures, saves and loads. After every move (the computer's included,
// seen through the history) the position must hold together:
//   - each warp colour stands on two squares or on none;
//   - the hand totals are the sums of the hands;
//   - each side has one king until it is captured, and the other 38 pieces
//     are all on the board or in a hand.
// `make soak` builds it with the address and undefined-behaviour sanitizers.
//   zorvane_soak [MOVES [SEED]]      (default 100000 moves, seed 1)
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "model/moves.h"
#include "model/rules.h"
#include "play/play.h"
#include "play/qt/form1.h"
#include "play/qt/random.h"
#include "play/qt/script.h"
#include "play/qt/script_ports.h"
#include "play/qt/sound_factory.h"

namespace zv::soak {
namespace {

constexpr int PIECES_BUT_KINGS = 38;
constexpr int GAME_MOVES_MAX = 420;  // below the history's 500, so a game ends by our choice

struct Figures {
  long moves = 0, human_moves = 0, computer_moves = 0, games = 0, king_captures = 0;
  long warps = 0, drops = 0, promotions = 0, captures = 0, saves = 0, loads = 0;
  long refused = 0, failures = 0;
};

// Message boxes: every Yes/No is answered yes; the last text is kept.
class Boxes final : public Dialogs {
 public:
  Answer show(std::string_view text, std::string_view, Buttons buttons) override {
    last = std::string(text);
    ++count;
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
  std::string last;
  long count = 0;
};

struct Move {
  int fx, fy, tx, ty, code;
  bool drop, capture, king;
};

bool mine(const GameState& s, int code) {
  return s.turn == s.man_side ? code <= SITA_MAX : code >= UE_MIN;
}

std::vector<Move> legal_moves(const GameState& s) {
  std::vector<Move> out;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      const int c = s.board[x][y];
      if (c == EMPTY || !mine(s, c)) continue;
      for (int tx = 1; tx <= BAN_SIZE; ++tx)
        for (int ty = 1; ty <= BAN_SIZE; ++ty)
          if (移動チェック(s, x, y, tx, ty, c) == YES) {
            const int t = s.board[tx][ty];
            out.push_back({x, y, tx, ty, c, false, t != EMPTY, std::abs(t) == UE_OU});
          }
    }
  const bool lower = s.turn == s.man_side;
  const Hand& hand = lower ? s.man_hand : s.com_hand;
  for (int slot = 1; slot <= HAND_SLOTS; ++slot) {
    if (hand[slot] <= 0) continue;
    const int code = lower ? -SLOT_CODE[slot] : SLOT_CODE[slot];
    const int fx = lower ? MAN_HAND_X : COM_HAND_X;
    const int fy = lower ? slot + MAN_HAND_ROW_OFFSET : slot;
    for (int tx = 1; tx <= BAN_SIZE; ++tx)
      for (int ty = 1; ty <= BAN_SIZE; ++ty)
        if (移動チェック(s, fx, fy, tx, ty, code) == YES)
          out.push_back({fx, fy, tx, ty, code, true, false, false});
  }
  return out;
}

// Empty when the position holds together, else what is wrong.
std::string broken(const Grid& board, const Grid& warp, const Hand& man, const Hand& com) {
  int per_colour[IRVU_LAST + 1] = {};
  int kings_up = 0, kings_down = 0, others = 0;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      const int w = warp[x][y];
      if (w != 0 && (w < IRVU_FIRST || w > IRVU_LAST)) return "a warp code " + std::to_string(w);
      if (w != 0) ++per_colour[w];
      const int c = board[x][y];
      if (c == UE_OU)
        ++kings_up;
      else if (c == SITA_OU)
        ++kings_down;
      else if (c != EMPTY)
        ++others;
    }
  for (int w = IRVU_FIRST; w <= IRVU_LAST; ++w)
    if (per_colour[w] != 0 && per_colour[w] != 2)
      return "warp colour " + std::to_string(w) + " on " + std::to_string(per_colour[w]) +
             " squares";
  if (kings_up > 1 || kings_down > 1) return "two kings of one side";
  for (int k = 1; k <= HAND_SLOTS; ++k) {
    if (man[k] < 0 || com[k] < 0) return "a negative hand";
    others += man[k] + com[k];
  }
  // A captured king leaves the board without entering a hand.
  if (others != PIECES_BUT_KINGS) return std::to_string(others) + " pieces besides the kings";
  return {};
}

std::string broken_now(const GameState& s) {
  std::string why = broken(s.board, s.warp_map, s.man_hand, s.com_hand);
  if (!why.empty()) return why;
  int man = 0, com = 0, kings = 0;
  for (int k = 1; k <= HAND_SLOTS; ++k) {
    man += s.man_hand[k];
    com += s.com_hand[k];
  }
  if (man != s.man_hand_total || com != s.com_hand_total) return "hand totals out of step";
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) kings += std::abs(s.board[x][y]) == UE_OU;
  if (kings < 2 && s.winner == 0) return "a king is gone but the game goes on";
  return {};
}

class Soak {
 public:
  Soak(unsigned seed, const std::string& folder, shell::SoundSystem& sound)
      : rng_(seed),
        clock_(36000),
        random_(seed),
        form_(shell::Form1::Setup{&boxes_, &clock_, &random_, &sound, false}),
        folder_(folder) {
    form_.Form_Load();
  }

  void play_game(long target) {
    const int kind = static_cast<int>(f.games % 4);
    ++f.games;
    GameState& s = form_.game().st;
    const bool computer = kind == 1 || kind == 2;
    menu("CANCEL");  // a fresh start, whether the last game ended or was cut short
    if (computer) {
      static constexpr const char* LEVELS[] = {"LEVEL1", "LEVEL2", "LEVEL3"};
      menu(LEVELS[(f.games / 4) % 3]);
      menu(kind == 1 ? "SENTE" : "GOTE");  // after GOTE the computer has opened
    } else {
      menu("START");
    }
    const int length = 40 + static_cast<int>(rng_() % (GAME_MOVES_MAX - 40));
    // Games between people are saved once, loaded back and played on.
    int save_at = kind == 3 ? static_cast<int>(rng_() % length) : -1;
    while (s.winner == 0 && s.turn != NO_TURN && s.history_index < length && f.moves < target) {
      if (s.history_index == save_at) {
        save_at = -1;
        save_and_load();
      }
      if (!human_move()) break;
    }
  }

  Figures f;

 private:
  void menu(const char* name) { form_.choose_menu(name, true); }

  void click(int button, int q, int r) {
    form_.mouse_down(button, 0, script::cell_centre_x(q), script::cell_centre_y(r));
  }

  void fail(const std::string& why) {
    ++f.failures;
    const GameState& s = form_.game().st;
    std::fprintf(stderr, "soak: game %ld, move %d: %s\n%s", f.games, s.history_index, why.c_str(),
                 script::dump(s).c_str());
  }

  // One human move by clicks (the computer's reply, if any, comes inside the
  // second click). False when the game cannot go on.
  bool human_move() {
    GameState& s = form_.game().st;
    const std::vector<Move> all = legal_moves(s);
    if (all.empty()) return false;
    // Now capture-hungry, now dropping, now anything; a king capture only
    // now and then, so that games run long enough.
    std::vector<Move> pick;
    const int mood = static_cast<int>(rng_() % 80);
    for (const Move& m : all)
      if (m.king ? mood == 0 : (mood < 32 && m.capture) || (mood >= 32 && mood < 52 && m.drop))
        pick.push_back(m);
    if (pick.empty())
      for (const Move& m : all)
        if (!m.king) pick.push_back(m);
    if (pick.empty()) pick = all;
    const Move m = pick[rng_() % pick.size()];

    int code = m.code;
    bool promote = false;
    if (!m.drop && 調査_駒成(s, m.fx, m.fy, m.tx, m.ty, code) == YES)
      promote = 移動後チェック(m.ty, code) == NO || rng_() % 2 == 0;
    const int before = s.history_index;
    const int warp = s.warp_map[m.tx][m.ty];
    // The upper side's hand is drawn bottom up: slot k on row COM_HAND_ROW_BASE - k.
    click(BUTTON_LEFT, m.fx, m.drop && m.fx == COM_HAND_X ? COM_HAND_ROW_BASE - m.fy : m.fy);
    click(promote ? BUTTON_RIGHT : BUTTON_LEFT, m.tx, m.ty);
    clock_.advance(1 + static_cast<double>(rng_() % 30));
    form_.timer_tick();

    const int made = s.history_index - before;
    if (made < 1) {
      ++f.refused;
      fail("the move " + std::to_string(m.fx) + "," + std::to_string(m.fy) + " -> " +
           std::to_string(m.tx) + "," + std::to_string(m.ty) + " was refused: " + boxes_.last);
      if (s.piece_selected) click(BUTTON_LEFT, 20, 20);  // let go of the choice
      return false;
    }
    f.moves += made;
    f.human_moves += 1;
    f.computer_moves += made - 1;
    f.drops += m.drop;
    f.captures += m.capture;
    f.promotions += promote;
    f.warps += warp != 0;
    f.king_captures += s.winner != 0;
    // The positions the history kept after each move made here, then now.
    for (int k = before + 1; k < s.history_index; ++k) {
      const std::string why =
          broken(s.hist_board[k], s.hist_warp[k], s.hist_man_hand[k], s.hist_com_hand[k]);
      if (!why.empty()) fail("history entry " + std::to_string(k) + ": " + why);
    }
    if (const std::string why = broken_now(s); !why.empty()) fail(why);
    return f.failures == 0;
  }

  // Saves the game, loads it back, steps to its last position and takes it up.
  void save_and_load() {
    GameState& s = form_.game().st;
    const int at = s.history_index;
    if (at < 2) return;  // the last move's position enters the history with the next
    const Grid board = s.hist_board[at - 1];
    const std::string name = "soak" + std::to_string(f.games % 7);
    menu("KIFU_WRITE");
    form_.choose_folder(folder_);
    form_.type_text(2, "耐久試験");
    form_.type_text(3, "先手");
    form_.type_text(4, "後手");
    form_.type_text(1, name);
    form_.press_return();
    if (boxes_.last != "棋譜を書き込みました") return fail("not saved: " + boxes_.last);
    ++f.saves;
    menu("KIFU_READ");
    form_.choose_file(name + ".棋譜");
    if (s.kifu_mode != 1) return fail("not loaded: " + boxes_.last);
    ++f.loads;
    // The record holds the positions after moves 1..at-1 (the last move's
    // position enters the history with the next move).
    for (int k = 0; k < s.history_last; ++k) menu("AFTER");
    if (s.history_last != at - 1)
      fail("the record holds " + std::to_string(s.history_last) + " positions");
    if (s.board != board) fail("the last position of the record is not the one saved");
    menu("START");
    if (s.kifu_mode != 0 || s.turn == NO_TURN) fail("the loaded game was not taken up");
  }

  std::mt19937 rng_;
  Boxes boxes_;
  script::ScriptClock clock_;
  shell::MtRandom random_;
  shell::Form1 form_;
  std::string folder_;
};

}  // namespace
}  // namespace zv::soak

int main(int argc, char** argv) {
  const long target = argc > 1 ? std::atol(argv[1]) : 100000;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1u;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication app(argc, argv);
  // The settings file and the records go to a folder of the soak's own.
  const auto folder =
      std::filesystem::temp_directory_path() / ("zorvane_soak_" + std::to_string(seed));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  auto sound = zv::shell::make_sound_system();
  zv::soak::Soak soak(seed, folder.string(), *sound);
  const auto start = std::chrono::steady_clock::now();
  while (soak.f.moves < target && soak.f.failures == 0) soak.play_game(target);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const auto& f = soak.f;
  std::printf(
      "soak: %ld moves (%ld human, %ld computer) in %ld games, %.0f s (%.0f moves/s)\n"
      "soak: %ld warps, %ld drops, %ld promotions, %ld captures, %ld kings captured, "
      "%ld saves, %ld loads\n"
      "soak: %ld refused moves, %ld failures\n",
      f.moves, f.human_moves, f.computer_moves, f.games, seconds, f.moves / seconds, f.warps,
      f.drops, f.promotions, f.captures, f.king_captures, f.saves, f.loads, f.refused, f.failures);
  std::filesystem::current_path(std::filesystem::temp_directory_path());
  std::filesystem::remove_all(folder);
  return f.failures == 0 && f.moves >= target ? 0 : 1;
}
