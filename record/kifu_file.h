// Reading a record file whole, and replacing one without ever leaving a
// half-written file in its place (model/safe_file.h).
#pragma once
#include <string>
#include <string_view>

#include "model/safe_file.h"

namespace zv {

// A record of 500 moves is about 260 KB; anything far larger is no record.
inline constexpr size_t KIFU_FILE_MAX_BYTES = 4u << 20;

// Only a regular file is read: a pipe or a device named "*.棋譜" is refused
// at once (FileError::Open) instead of hanging the game.
FileError read_record_file(const std::string& path, std::string& bytes);

}  // namespace zv
