// The one plain struct that holds the whole game. The window owns it; every
// procedure reads and writes it directly.
#pragma once
#include <array>
#include <string>

#include "model/constants.h"
#include "model/maps.h"
#include "model/search_state.h"

namespace zv {

using Grid = std::array<std::array<int, 10>, 10>;  // (X, Y), index 0 unused
using Hand = std::array<int, HAND_SLOTS + 1>;      // slots 1..7

// Menu items that carry a check mark.
enum MenuCheck {
  M_LEVEL1,
  M_LEVEL2,
  M_LEVEL3,
  M_LEVEL4,
  M_MIDORI,
  M_TATAMI,
  M_TAKE,
  M_UCHU,
  M_RENGA,
  M_SIDOU,
  M_KEIKA,
  M_BGM,
  MENU_CHECK_COUNT
};

struct BoardState {
  Grid board{};
  Grid warp_map{};
  Hand man_hand{};
  Hand com_hand{};
  int man_hand_total = 0;
  int com_hand_total = 0;

  int turn = NO_TURN;
  int man_side = GOTE;
  int com_side = SENTE;
  int winner = 0;
  int game_mode = MODE_NONE;
  int com_level = 3;
  int move_number = 0;
  int history_index = 0;
  int history_last = 0;
  int handicap_level = 0;
  int handicap_set = 0;
  int kifu_mode = 0;
  int piece_selected = 0;
  int reversed_once = 0;
  int guidance_on = 0;
  int clock_pending = 0;
  int man_king_x = 5, man_king_y = 9;
  int com_king_x = 5, com_king_y = 1;
  int promoted_code = 0;
};

// The human's half-made move (two clicks).
struct SelectionState {
  int 元X = 0, 元Y = 0, 先X = 0, 先Y = 0;
  int 選択駒 = 0;
  int last_click_x = 0, last_click_y = 0;
};

// Window variables and menu check marks.
struct WindowState {
  bool checked[MENU_CHECK_COUNT] = {false, false, false, false, false, true /* TATAMI */};
  int background = HAIKEI_TATAMI;   // current background picture code, as the ticked item
  int guidance_colour = COL_WHITE;  // outline of a clicked piece that may not move now
  bool font_bold = false;           // the board coordinates switch the font to bold for good
  bool timer1_enabled = false;
  // Folders of the settings file: the current folder and, when that cannot be
  // written, the user's configuration folder. Empty = the usual ones.
  std::string settings_dir, settings_config_dir;
  // Where the game in progress is kept when the program ends. Empty = the
  // user's data folder.
  std::string data_dir;

  // What a full redraw paints again as it was: the move texts beside the board
  // ([0] the upper side's, left; [1] the lower side's, right) and the move number.
  struct MoveText {
    bool shown = false;
    int x = 0, y = 0, piece = 0, colour = 0;
  };
  MoveText move_text[2];
  int shown_move_number = -1;  // none
  int shown_move_number_colour = COL_WHITE;
  // The squares the last-move marker is painted on (origin, square chosen,
  // landing square after a warp); 0 = none.
  std::array<std::array<int, 2>, 3> marker_drawn{};
  // The player has been told (once) that the settings last only this session.
  bool settings_session_only_told = false;
};

// Elapsed-time clock, seconds.
struct ClockState {
  double com_total_seconds = 0;  // upper side
  double man_total_seconds = 0;  // lower side
  double turn_start_time = 0;    // seconds since midnight
  double turn_seconds = 0;
  int shown_second = -1;
};

// Time columns of a history entry: each side's total before and after the move.
enum HistTime { 前秒M, 後秒M, 前秒C, 後秒C };
using HistTimes = std::array<double, 4>;

// Position history: entry k is the position before move k + 1.
struct HistoryState {
  std::array<Grid, HISTORY_MAX + 1> hist_board{};
  std::array<Hand, HISTORY_MAX + 1> hist_man_hand{};
  std::array<Hand, HISTORY_MAX + 1> hist_com_hand{};
  std::array<Grid, HISTORY_MAX + 1> hist_warp{};
  std::array<int, HISTORY_MAX + 1> hist_dest_x{};
  std::array<int, HISTORY_MAX + 1> hist_dest_y{};
  std::array<int, HISTORY_MAX + 1> hist_piece{};
  std::array<HistTimes, HISTORY_MAX + 1> hist_time{};
  // Entries 0..history_filled - 1 hold positions of the game on the board;
  // later entries may be left over from an earlier game.
  int history_filled = 0;
};

// The record file panel inside the window.
struct PanelState {
  bool drive1_visible = false, dir1_visible = false, file1_visible = false;
  bool text_visible = false;  // Text1..Text4, Label1(0..3), Command1
  std::string Text1, Text2, Text3, Text4;
  std::string drive;          // chosen volume (mount point)
  std::string dir_path;       // Dir1's path; File1 lists "*.棋譜" in it
  int file_list_version = 0;  // bumped when File1 must read its folder again
};

struct GameState : BoardState,
                   SelectionState,
                   WindowState,
                   ClockState,
                   HistoryState,
                   PanelState,
                   EngineMaps,
                   SearchState {};

}  // namespace zv
