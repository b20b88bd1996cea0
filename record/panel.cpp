#include "record/panel.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace zv {

namespace {

bool ends_with(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool starts_with(std::string_view s, std::string_view head) {
  return s.size() >= head.size() && s.substr(0, head.size()) == head;
}

// /proc/mounts writes blanks and some other bytes as \ooo.
bool octal(char c) {
  return c >= '0' && c <= '7';
}

std::string unescape_mount(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && s.size() - i >= 4 && octal(s[i + 1]) && octal(s[i + 2]) &&
        octal(s[i + 3])) {
      out += static_cast<char>((s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0'));
      i += 3;
    } else {
      out += s[i];
    }
  }
  return out;
}

// Removable media and extra disks are mounted under these folders.
bool user_mount(std::string_view dir) {
  if (dir == "/home") return true;
  for (std::string_view root : {"/media/", "/run/media/", "/mnt/", "/home/"})
    if (starts_with(dir, root) && dir.size() > root.size()) return true;
  return false;
}

bool is_directory(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::vector<std::string> list_record_files(const std::string& folder) {
  std::vector<std::string> names;
  DIR* d = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!d) return names;
  while (const dirent* e = ::readdir(d)) {
    std::string_view name = e->d_name;
    if (name.size() <= KIFU_EXTENSION.size() || !ends_with(name, KIFU_EXTENSION)) continue;
    struct stat st;
    const std::string path = folder + "/" + std::string(name);
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    names.emplace_back(name);
  }
  ::closedir(d);
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> parse_volumes(std::string_view mounts) {
  std::vector<std::string> found;
  std::istringstream in{std::string(mounts)};
  std::string device, dir, type;
  std::string rest;
  while (in >> device >> dir >> type) {
    std::getline(in, rest);
    const std::string point = unescape_mount(dir);
    if (user_mount(point)) found.push_back(point);
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  found.erase(std::remove(found.begin(), found.end(), "/"), found.end());
  found.insert(found.begin(), "/");
  return found;
}

std::vector<std::string> list_volumes() {
  std::ifstream in("/proc/mounts");
  if (!in) return {"/"};
  std::ostringstream text;
  text << in.rdbuf();
  return parse_volumes(text.str());
}

std::string volume_of(const std::string& path, const std::vector<std::string>& volumes) {
  std::string best = "/";
  for (const std::string& v : volumes) {
    const bool inside =
        path == v || (starts_with(path, v) && (v.back() == '/' || path[v.size()] == '/'));
    if (inside && v.size() > best.size()) best = v;
  }
  return best;
}

std::string initial_folder(const std::string& cwd, const std::string& home,
                           const std::string& documents) {
  if (!cwd.empty() && cwd != "/") return cwd;
  if (!documents.empty() && is_directory(documents)) return documents;
  if (!home.empty()) return home;
  return "/";
}

std::string initial_folder() {
  std::string cwd;
  if (char* p = ::getcwd(nullptr, 0)) {
    cwd = p;
    std::free(p);
  }
  const char* home = std::getenv("HOME");
  const char* docs = std::getenv("XDG_DOCUMENTS_DIR");
  std::string h = home ? home : "";
  std::string d = docs ? docs : (h.empty() ? "" : h + "/Documents");
  return initial_folder(cwd, h, d);
}

RecordName check_record_name(std::string_view name) {
  if (name.empty()) return RecordName::Empty;
  if (name.find("..") != std::string_view::npos) return RecordName::BadCharacter;
  for (unsigned char c : name)
    if (c < 0x20 || c == 0x7F || c == '/' || c == '\\') return RecordName::BadCharacter;
  if (name.size() > RECORD_NAME_MAX_BYTES) return RecordName::TooLong;
  return RecordName::Ok;
}

std::string record_path(const std::string& folder, std::string_view name) {
  std::string path = folder;
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
  path += KIFU_EXTENSION;
  return path;
}

bool folder_readable(const std::string& path) {
  if (!is_directory(path)) return false;
  DIR* d = ::opendir(path.c_str());
  if (!d) return false;
  ::closedir(d);
  return true;
}

}  // namespace zv
