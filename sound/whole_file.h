// A whole file's bytes in memory for as long as the object lives: mapped from
// the file where the system can (no copy, no zero-filled buffer), read into
// memory otherwise.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace zv {

class WholeFile {
 public:
  // `limit`: a larger file is refused. error() is empty when the bytes are there.
  WholeFile(const std::string& path, std::size_t limit);
  ~WholeFile();
  WholeFile(const WholeFile&) = delete;
  WholeFile& operator=(const WholeFile&) = delete;

  const unsigned char* data() const { return mapped_ ? mapped_ : read_.data(); }
  std::size_t size() const { return mapped_ ? mapped_size_ : read_.size(); }
  const std::string& error() const { return error_; }

 private:
  bool map(const std::string& path, std::size_t limit);
  void read(const std::string& path, std::size_t limit);

  const unsigned char* mapped_ = nullptr;
  std::size_t mapped_size_ = 0;
  std::vector<unsigned char> read_;
  std::string error_;
};

}  // namespace zv
