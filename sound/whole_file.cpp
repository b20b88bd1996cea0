#include "sound/whole_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zv {

namespace {

constexpr const char* TOO_LARGE = "ファイルが大きすぎます";
constexpr const char* CUT_SHORT = "ファイルが途中で終わっています";

}  // namespace

WholeFile::WholeFile(const std::string& path, std::size_t limit) {
  if (!map(path, limit) && error_.empty()) read(path, limit);
}

WholeFile::~WholeFile() {
  if (mapped_) munmap(const_cast<unsigned char*>(mapped_), mapped_size_);
}

// Only a plain file with a size can be mapped; anything else (an empty file,
// a file of /proc) is read the ordinary way, which also finds its error.
bool WholeFile::map(const std::string& path, std::size_t limit) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool mapped = false;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
    const auto size = static_cast<std::size_t>(st.st_size);
    if (size > limit) {
      error_ = TOO_LARGE;
    } else if (void* p = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0); p != MAP_FAILED) {
      mapped_ = static_cast<const unsigned char*>(p);
      mapped_size_ = size;
      mapped = true;
    }
  }
  close(fd);
  return mapped;
}

void WholeFile::read(const std::string& path, std::size_t limit) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    error_ = std::strerror(errno);
    return;
  }
  long size = -1;
  if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
  if (size < 0 || std::fseek(f, 0, SEEK_SET) != 0) {
    error_ = std::strerror(errno ? errno : EIO);
  } else if (static_cast<unsigned long>(size) > limit) {
    error_ = TOO_LARGE;
  } else {
    read_.resize(static_cast<std::size_t>(size));
    if (size > 0 && std::fread(read_.data(), 1, read_.size(), f) != read_.size())
      error_ = std::ferror(f) ? std::strerror(errno ? errno : EIO) : CUT_SHORT;
  }
  std::fclose(f);
}

}  // namespace zv
