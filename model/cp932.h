// Conversion between the game's UTF-8 text and the Shift-JIS (code page 932)
// text of record and settings files, so that files move between Windows and here.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zv {

// Nothing when the text cannot be converted whole (an invalid or cut-off character).
std::optional<std::string> utf8_to_cp932(std::string_view utf8);
std::optional<std::string> cp932_to_utf8(std::string_view cp932);

}  // namespace zv
