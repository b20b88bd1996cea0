// The game in progress is kept when the program ends, so quitting loses nothing.
#pragma once
#include <filesystem>

#include "model/state.h"

namespace zv {

inline constexpr const char* LAST_GAME_FILE = "前回の対局.棋譜";
inline constexpr const char* GAME_BEFORE_FILE = "前々回の対局.棋譜";

// data_dir when set; else $XDG_DATA_HOME/zorvane, else ~/.local/share/zorvane.
std::filesystem::path autosave_folder(const GameState& s);

// Writes the game on the board as LAST_GAME_FILE in the autosave folder (the
// one there before is kept as GAME_BEFORE_FILE) when there is a game that
// 書込 could save. Never asks anything. True when a record was written.
bool save_game_on_exit(const GameState& s);

}  // namespace zv
