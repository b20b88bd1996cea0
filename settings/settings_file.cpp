#include "settings/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "model/cp932.h"

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

// Opens only a plain file: a pipe or a device of that name must not hang the
// game or swallow the settings.
int open_plain(const fs::path& path, int flags) {
  int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool write_whole(const fs::path& path, std::string_view bytes) {
  int fd = open_plain(path, O_WRONLY | O_CREAT | O_TRUNC);
  if (fd < 0) return false;
  bool ok = true;
  size_t done = 0;
  while (ok && done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n > 0)
      done += static_cast<size_t>(n);
    else if (!(n < 0 && errno == EINTR))
      ok = false;
  }
  if (::close(fd) != 0) ok = false;
  return ok;
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
  int fd = open_plain(path, O_RDONLY);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  bool ok = true;
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    bytes.append(buffer, static_cast<size_t>(n));
    if (bytes.size() > SETTINGS_MAX_BYTES) {
      ok = false;
      break;
    }
  }
  ::close(fd);
  if (!ok) return std::nullopt;
  return bytes;
}

fs::path write_settings_file(const SettingsPlaces& places, std::string_view bytes) {
  fs::path here = places.current / SETTINGS_FILE_NAME;
  if (write_whole(here, bytes)) return here;
  if (places.config.empty()) return {};
  std::error_code ec;
  fs::create_directories(places.config, ec);
  fs::path there = places.config / SETTINGS_FILE_NAME;
  if (write_whole(there, bytes)) return there;
  return {};
}

}  // namespace zv
