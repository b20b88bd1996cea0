// Shift-JIS (code page 932) text, as the settings file is written.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zv {

// Nothing when the text cannot be converted.
std::optional<std::string> utf8_to_cp932(std::string_view utf8);
std::optional<std::string> cp932_to_utf8(std::string_view cp932);

}  // namespace zv
