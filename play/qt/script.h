// Scripted sessions: the command language and the transcript lines. Nothing
// here needs a window, so parser and formatting are tested on their own.
//
// One command a line (lines end with CR LF, LF or a lone CR); blank lines are
// skipped. A line whose first non-blank
// character is '#' is a comment, and " #" ends any command except text,
// folder and file, whose value is the rest of the line taken literally.
//
//   seed N, time SECONDS     before every other command: applied before start-up
//                            (defaults 1 and 36000); later: reseed, set the clock
//   menu NAME                the menu entry by control name; the menus above it
//                            are opened first, as a user must
//   click left|right X Y     a mouse click at twips (X, Y), anywhere at all
//   square left|right Q R    the same at the centre of grid cell (Q, R)
//   answer yes|no            the answer to the next Yes/No box (default yes)
//   key N                    a key press with code N (27 is Esc)
//   wait SECONDS             the clock moves on; Timer1 ticks every 50 ms of it
//                            (only the last tick is run: the earlier ones
//                            would be painted over unseen)
//   text TextN VALUE, folder PATH, file NAME, press Command1
//                            the file panel; refused while the control is hidden
//   board C1..C81, warp W1..W81 (X outer, Y inner), hands M1..M7 U1..U7
//                            a position set up directly and redrawn
//   set NAME VALUE           a scalar of the game state (dump's names and more)
//   com, dump, shot FILE     the computer's turn, the state, a PNG of the window
//   drawn                    what the window shows now: every text, and the
//                            squares that carry the last-move marker
//   size W H                 the window's size in pixels (160..4000 each)
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/game.h"

namespace zv::script {

enum class Op {
  Seed,
  Time,
  Menu,
  Click,
  Square,
  Answer,
  Key,
  Wait,
  Text,
  Folder,
  File,
  Press,
  Board,
  Warp,
  Hands,
  Set,
  Com,
  Dump,
  Drawn,
  Shot,
  Size,
  Invalid,  // a line that cannot be run; `why` says why
};

struct Command {
  Op op = Op::Invalid;
  int line = 0;
  std::string name;          // menu, text box, set variable, press target
  std::string value;         // text value, folder, file name, shot file
  int button = 0;            // click/square: 1 left, 2 right; answer: 1 yes, 0 no
  std::vector<double> nums;  // coordinates, seconds, codes
  std::string why;
};

std::vector<Command> parse(std::string_view source);

// The leading seed/time commands apply before start-up.
struct StartOptions {
  std::uint32_t seed = 1;
  double time = 36000;
  std::size_t first_command = 0;  // index of the first command run after start-up
};
StartOptions start_options(const std::vector<Command>& commands);

// Transcript lines (without the newline):
//   box title="…" text="…" buttons=ok          an OK box (no answer is printed)
//   box title="…" text="…" buttons=yesno answer=yes|no
//   sound play|loop|stop|free FILE
//   error LINE: WHY                            a script line that could not run
//   end                                        the program has ended
// Texts escape \ " CR LF and TAB as \\ \" \r \n \t.
std::string escape(std::string_view text);
std::string box_line(std::string_view title, std::string_view text, Buttons buttons, Answer answer);
std::string sound_line(std::string_view op, std::string_view file);
std::string error_line(int line, std::string_view why);
std::string dump(const GameState& s);  // four lines, each ending in '\n'

// Setting up a position directly.
// Empty on success, else why the value was not set.
std::string set_scalar(GameState& s, std::string_view name, int value);
void set_board(GameState& s, const std::vector<double>& codes);  // 81 codes, X outer
void set_warp(GameState& s, const std::vector<double>& codes);
void set_hands(GameState& s, const std::vector<double>& counts);  // 7 lower, 7 upper
// Hand totals and the kings' squares follow the board and hands.
void settle_position(GameState& s);

// Twips of the centre of grid cell (q, r).
double cell_centre_x(double q);
double cell_centre_y(double r);

}  // namespace zv::script
