// Conversion between the game's UTF-8 text and the Shift-JIS (code page 932)
// text of record files, so that records move between Windows and here.
#pragma once
#include <string>
#include <string_view>

namespace zv {

// False (and `out` unspecified) when the text cannot be converted whole.
bool utf8_to_cp932(std::string_view utf8, std::string& out);
bool cp932_to_utf8(std::string_view cp932, std::string& out);

}  // namespace zv
