// Lookups behind the text drawing, shared by the view files.
#pragma once
#include <string_view>

namespace zv {

inline constexpr int RANK_BASE = 1000;  // 文字列変換(RANK_BASE + y) is the rank in kanji
inline constexpr int TEXT_TEMOKU = 99;  // 描画_文字列 code of "手目"

// "一".."九" for 1..9, empty otherwise.
std::string_view kanji_digit(int n);
// Text of a 描画_文字列 code, empty for codes without one.
std::string_view coded_text(int code);

}  // namespace zv
