#include "model/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

namespace zv {

namespace {

constexpr std::string_view TEMP_SUFFIX = ".XXXXXX";

bool write_all(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The mode a newly created file gets under the process's umask.
mode_t new_file_mode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool ends_with(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool alnum(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The file that really gets replaced: `path` itself, or the regular file a
// link points to. `mode` is the mode to give the new file; `old` tells whether
// a file was there.
struct Target {
  std::string path;
  struct stat old {};
  bool exists = false;
};

FileError find_target(const std::string& path, Target& t) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) {
    if (errno != ENOENT) return FileError::Create;
    t.path = path;
    return FileError::None;
  }
  t.path = path;
  if (S_ISLNK(st.st_mode)) {
    // A dangling link or a link to a folder or pipe is not ours to replace.
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return FileError::NotAFile;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return FileError::NotAFile;
    t.path = real;
    std::free(real);
  }
  if (!S_ISREG(st.st_mode)) return FileError::NotAFile;
  // The owner's write bit is what the player set; the superuser would pass access().
  if ((st.st_mode & S_IWUSR) == 0 || ::access(t.path.c_str(), W_OK) != 0)
    return FileError::ReadOnly;
  t.old = st;
  t.exists = true;
  return FileError::None;
}

void sync_folder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // the rename survives a crash; a folder that cannot sync still holds the file
  ::close(fd);
}

}  // namespace

FileError read_regular_file(const std::string& path, std::size_t max_bytes, std::string& bytes) {
  bytes.clear();
  // Without O_NONBLOCK, opening a pipe waits for a writer that never comes.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return FileError::Open;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return FileError::Open;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  char buffer[65536];
  FileError result = FileError::None;
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      result = FileError::Read;
      break;
    }
    if (n == 0) break;
    if (bytes.size() + static_cast<std::size_t>(n) > max_bytes) {
      result = FileError::TooLarge;
      break;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  if (result != FileError::None) bytes.clear();
  return result;
}

bool is_temporary_name(std::string_view name, std::string_view family) {
  if (name.size() < 1 + TEMP_SUFFIX.size() + 1 || name.front() != '.') return false;
  const std::string_view tail = name.substr(name.size() - TEMP_SUFFIX.size());
  if (tail.front() != '.') return false;
  for (char c : tail.substr(1))
    if (!alnum(c)) return false;
  const std::string_view inner = name.substr(1, name.size() - 1 - TEMP_SUFFIX.size());
  return !inner.empty() && ends_with(inner, family);
}

int remove_stale_temporaries(const std::string& folder, std::string_view family, std::time_t now) {
  DIR* d = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!d) return 0;
  std::vector<std::string> stale;
  while (const dirent* e = ::readdir(d)) {
    if (!is_temporary_name(e->d_name, family)) continue;
    struct stat st {};
    // lstat: a link of that name is not one of ours, whatever it points to.
    const std::string p = folder + "/" + e->d_name;
    if (::lstat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
    if (now - st.st_mtime < STALE_TEMPORARY_SECONDS) continue;  // another save may be writing it
    stale.push_back(p);
  }
  ::closedir(d);
  int removed = 0;
  for (const std::string& p : stale) removed += ::unlink(p.c_str()) == 0;
  return removed;
}

FileError write_file_replacing(const std::string& path, std::string_view bytes,
                               std::string_view family) {
  Target target;
  if (const FileError e = find_target(path, target); e != FileError::None) return e;
  const std::size_t slash = target.path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.path.substr(0, slash);
  const std::string base = slash == std::string::npos ? target.path : target.path.substr(slash + 1);
  const std::string dir = folder.empty() ? "/" : folder;
  remove_stale_temporaries(dir, family.empty() ? std::string_view(base) : family,
                           std::time(nullptr));

  std::string temp = (dir == "/" ? "" : dir) + "/." + base + std::string(TEMP_SUFFIX);
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return FileError::Create;
  temp = name.data();
  // mkstemp makes the file private; the new file takes the old one's mode, or
  // the usual mode of a new document. A mode or owner that cannot be set is no
  // reason to lose the save.
  if (target.exists) {
    if (::fchown(fd, target.old.st_uid, target.old.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), target.old.st_gid) != 0) {
    }
    if (::fchmod(fd, target.old.st_mode & 07777) != 0) {
    }
  } else if (::fchmod(fd, new_file_mode()) != 0) {
  }
  bool ok = write_all(fd, bytes) && ::fsync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok && ::rename(temp.c_str(), target.path.c_str()) != 0) ok = false;
  if (!ok) {
    ::unlink(temp.c_str());
    return FileError::Write;
  }
  sync_folder(dir);
  return FileError::None;
}

}  // namespace zv
