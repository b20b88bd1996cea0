#include "settings/settings_file.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "model/cp932.h"
#include "model/safe_file.h"

namespace zv {

namespace fs = std::filesystem;

std::optional<std::vector<SettingsLine>> parse_settings(std::string_view bytes) {
  std::vector<SettingsLine> lines;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(pos, end - pos);
    pos = end;
    if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
    if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    // "=" is never the second byte of a Shift-JIS character, so the bytes can
    // be split before they are decoded.
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    lines.push_back({cp932_to_utf8(line.substr(0, eq)), cp932_to_utf8(line.substr(eq + 1))});
  }
  return lines;
}

fs::path default_settings_config_dir() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return fs::path(xdg) / "zorvane";  // relative ones are to be ignored
  const char* home = std::getenv("HOME");
  if (home && home[0] != '\0') return fs::path(home) / ".config" / "zorvane";
  return {};
}

SettingsPlaces settings_places(const GameState& s) {
  SettingsPlaces p;
  p.current = s.settings_dir.empty() ? fs::path(".") : fs::path(s.settings_dir);
  p.config = s.settings_config_dir.empty() ? default_settings_config_dir()
                                           : fs::path(s.settings_config_dir);
  return p;
}

namespace {

bool regular(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

bool present(const fs::path& p) {
  std::error_code ec;
  return fs::exists(p, ec);
}

bool is_link(const fs::path& p) {
  std::error_code ec;
  return fs::is_symlink(p, ec);
}

enum class Put { Written, Failed, LinkRefused };

// A link is the player's own arrangement: it is written through only when it
// leads to a settings file, so a link to another document is never clobbered.
Put put(const fs::path& path, std::string_view bytes) {
  if (is_link(path)) {
    std::optional<std::string> old = read_settings_file(path);
    if (!old || !settings_file_whole(*old)) return Put::LinkRefused;
  }
  return write_file_replacing(path.string(), bytes) == FileError::None ? Put::Written : Put::Failed;
}

}  // namespace

fs::path settings_read_path(const SettingsPlaces& places) {
  fs::path here = places.current / SETTINGS_FILE_NAME;
  fs::path there = places.config.empty() ? fs::path() : places.config / SETTINGS_FILE_NAME;
  bool there_ok = !there.empty() && regular(there);
  if (regular(here) && (::access(here.c_str(), W_OK) == 0 || !there_ok)) return here;
  if (there_ok) return there;
  if (present(here)) return here;  // something that is not a file: unreadable
  return {};
}

std::optional<std::string> read_settings_file(const fs::path& path) {
  std::string bytes;
  if (read_regular_file(path.string(), SETTINGS_MAX_BYTES, bytes) != FileError::None)
    return std::nullopt;
  return bytes;
}

SettingsWritten write_settings_file(const SettingsPlaces& places, std::string_view bytes) {
  const fs::path here = places.current / SETTINGS_FILE_NAME;
  switch (put(here, bytes)) {
    case Put::Written:
      return {here, false};
    case Put::LinkRefused:
      return {{}, true};
    case Put::Failed:
      break;
  }
  if (places.config.empty()) return {};
  std::error_code ec;
  fs::create_directories(places.config, ec);
  const fs::path there = places.config / SETTINGS_FILE_NAME;
  switch (put(there, bytes)) {
    case Put::Written:
      return {there, false};
    case Put::LinkRefused:
      return {{}, true};
    case Put::Failed:
      break;
  }
  return {};
}

}  // namespace zv
