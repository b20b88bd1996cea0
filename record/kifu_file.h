// Reading a record file whole, and replacing one without ever leaving a
// half-written file in its place.
#pragma once
#include <string>
#include <string_view>

namespace zv {

// A record of 500 moves is about 260 KB; anything far larger is no record.
inline constexpr size_t KIFU_FILE_MAX_BYTES = 4u << 20;

enum class FileError { None, Open, Read, TooLarge, Create, Write };

FileError read_record_file(const std::string& path, std::string& bytes);

// Writes a temporary file beside `path` and renames it over `path`; on any
// failure the temporary file is removed and an old file at `path` is untouched.
FileError write_file_replacing(const std::string& path, std::string_view bytes);

}  // namespace zv
