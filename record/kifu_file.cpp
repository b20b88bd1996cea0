#include "record/kifu_file.h"

namespace zv {

FileError read_record_file(const std::string& path, std::string& bytes) {
  return read_regular_file(path, KIFU_FILE_MAX_BYTES, bytes);
}

}  // namespace zv
