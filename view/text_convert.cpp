// Number-to-text conversions: board coordinates, move notation and the
// coded labels (handicap ranks, "手目").
#include <array>
#include <string>
#include <string_view>

#include "model/constants.h"
#include "view/draw.h"
#include "view/text_tables.h"

namespace zv {

namespace {
constexpr std::array<std::string_view, 9> FULL_WIDTH_DIGITS = {"１", "２", "３", "４", "５",
                                                               "６", "７", "８", "９"};
constexpr std::array<std::string_view, 9> KANJI_DIGITS = {"一", "二", "三", "四", "五",
                                                          "六", "七", "八", "九"};

struct PieceName {
  int code;
  std::string_view name;
};
constexpr std::array<PieceName, 14> PIECE_NAMES = {{
    {UE_HU, "歩"},
    {UE_TO, "と"},
    {UE_KYOU, "香"},
    {UE_NARIKYOU, "香成"},
    {UE_KEI, "桂"},
    {UE_NARIKEI, "桂成"},
    {UE_GIN, "銀"},
    {UE_NARIGIN, "銀成"},
    {UE_KIN, "金"},
    {UE_KAKU, "角"},
    {UE_UMA, "角成"},
    {UE_SYA, "飛"},
    {UE_RYU, "飛成"},
    {UE_OU, "王"},
}};

// Handicap rank labels for the codes -10 .. 10.
constexpr std::array<std::string_view, 21> HANDICAP_LABELS = {
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"};
constexpr int HANDICAP_FIRST = -10, HANDICAP_LAST = 10;
}  // namespace

std::string_view kanji_digit(int n) {
  return n >= 1 && n <= 9 ? KANJI_DIGITS[n - 1] : std::string_view{};
}

std::string_view coded_text(int code) {
  if (code >= HANDICAP_FIRST && code <= HANDICAP_LAST)
    return HANDICAP_LABELS[code - HANDICAP_FIRST];
  if (code == TEXT_TEMOKU) return "手目";
  return {};
}

std::string 文字列変換(int value) {
  if (value >= 1 && value <= 9) return std::string(FULL_WIDTH_DIGITS[value - 1]);
  if (value >= RANK_BASE + 1 && value <= RANK_BASE + 9)
    return std::string(kanji_digit(value - RANK_BASE));
  const long long kind =
      value < 0 ? -static_cast<long long>(value) : value;  // both sides share the names
  for (const PieceName& p : PIECE_NAMES)
    if (p.code == kind) return std::string(p.name);
  return {};
}

}  // namespace zv
