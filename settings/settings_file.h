// Zorvane.ini: where it lives, and its lines as bytes.
#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/game.h"

namespace zv {

inline constexpr std::string_view SETTINGS_FILE_NAME = "Zorvane.ini";
// A longer file is not one of ours; it is treated as unreadable.
inline constexpr std::size_t SETTINGS_MAX_BYTES = 64 * 1024;

struct SettingsLine {
  std::optional<std::string> key, value;  // UTF-8; nothing when not valid Shift-JIS
};

// The lines of a settings file; nothing when a line has no "=". Lines end
// with CR LF, CR or LF; nothing else is trimmed.
std::optional<std::vector<SettingsLine>> parse_settings(std::string_view bytes);

// Applies the file's lines to the menu and the window; false when the bytes
// are damaged, and then nothing has been changed.
bool apply_settings_bytes(Game& g, std::string_view bytes);

// The settings text for the current check marks, Shift-JIS with CR LF.
std::string settings_bytes(const GameState& s);

struct SettingsPlaces {
  std::filesystem::path current;  // the program's current folder
  std::filesystem::path config;   // used when the current folder cannot be written
};

// $XDG_CONFIG_HOME/zorvane, else ~/.config/zorvane; empty when neither is known.
std::filesystem::path default_settings_config_dir();
SettingsPlaces settings_places(const GameState& s);

// The file to read: the current folder's, unless it cannot be written and the
// configuration folder has one. Empty when there is none anywhere.
std::filesystem::path settings_read_path(const SettingsPlaces& places);
// Nothing when the file cannot be read whole (or is not a regular file).
std::optional<std::string> read_settings_file(const std::filesystem::path& path);

// Not damaged: not empty, every line with an "=", and a last line without a
// line end (which a hand-edited file may have) one the writer writes. What an
// interrupted write leaves, an empty file or a line cut off, is damaged.
// (Defined with the writer's lines, in settings.cpp.)
bool settings_file_whole(std::string_view bytes);

struct SettingsWritten {
  std::filesystem::path where;  // empty when nothing was written
  // The settings file is a link the game will not write through: it points
  // nowhere, or to something that does not read as a settings file.
  bool link_refused = false;
};
// Replaces the file in the current folder, else the one in the configuration
// folder (created when missing); a failed write leaves the old file whole.
// A link is written through only to a regular file that reads as a whole
// settings file; any other link stops the writing altogether.
SettingsWritten write_settings_file(const SettingsPlaces& places, std::string_view bytes);

}  // namespace zv
