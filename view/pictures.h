// Every picture the board is painted from: its code and the image control it
// comes from. The window builds its image sources by walking this table.
#pragma once
#include <array>
#include <string_view>

#include "model/constants.h"

namespace zv {

struct PictureInfo {
  int code;
  std::string_view control;  // image control name
  int index;                 // 0 plain / 1 promoted for two-picture controls, -1 for single ones
};

inline constexpr int NO_INDEX = -1;

inline constexpr std::array<PictureInfo, 39> PICTURES = {{
    {PIC_KARA, "KARA_MASU", NO_INDEX},
    {SITA_HU, "SITA_HU", 0},
    {SITA_TO, "SITA_HU", 1},
    {SITA_KYOU, "SITA_KYOU", 0},
    {SITA_NARIKYOU, "SITA_KYOU", 1},
    {SITA_KEI, "SITA_KEI", 0},
    {SITA_NARIKEI, "SITA_KEI", 1},
    {SITA_GIN, "SITA_GIN", 0},
    {SITA_NARIGIN, "SITA_GIN", 1},
    {SITA_KIN, "SITA_KIN", NO_INDEX},
    {SITA_KAKU, "SITA_KAKU", 0},
    {SITA_UMA, "SITA_KAKU", 1},
    {SITA_SYA, "SITA_SYA", 0},
    {SITA_RYU, "SITA_SYA", 1},
    {SITA_OU, "SITA_OU", NO_INDEX},
    {UE_HU, "UE_HU", 0},
    {UE_TO, "UE_HU", 1},
    {UE_KYOU, "UE_KYOU", 0},
    {UE_NARIKYOU, "UE_KYOU", 1},
    {UE_KEI, "UE_KEI", 0},
    {UE_NARIKEI, "UE_KEI", 1},
    {UE_GIN, "UE_GIN", 0},
    {UE_NARIGIN, "UE_GIN", 1},
    {UE_KIN, "UE_KIN", NO_INDEX},
    {UE_KAKU, "UE_KAKU", 0},
    {UE_UMA, "UE_KAKU", 1},
    {UE_SYA, "UE_SYA", 0},
    {UE_RYU, "UE_SYA", 1},
    {UE_OU, "UE_OU", NO_INDEX},
    {PIC_ZORVANE, "ZORVANE", NO_INDEX},
    {HAIKEI_MIDORI, "HAIKEI_MIDORI", NO_INDEX},
    {HAIKEI_TATAMI, "HAIKEI_TATAMI", NO_INDEX},
    {HAIKEI_TAKE, "HAIKEI_TAKE", NO_INDEX},
    {HAIKEI_UCHU, "HAIKEI_UCHU", NO_INDEX},
    {HAIKEI_RENGA, "HAIKEI_RENGA", NO_INDEX},
    {IRVU_KURO, "IRVU_KURO", NO_INDEX},
    {IRVU_AKA, "IRVU_AKA", NO_INDEX},
    {IRVU_AO, "IRVU_AO", NO_INDEX},
    {IRVU_MURA, "IRVU_MURA", NO_INDEX},
}};

// The entry of a code, or nullptr when the code has no picture (±111 among them).
constexpr const PictureInfo* find_picture(int code) {
  for (const PictureInfo& p : PICTURES)
    if (p.code == code) return &p;
  return nullptr;
}

constexpr bool is_picture_code(int code) {
  return find_picture(code) != nullptr;
}

}  // namespace zv
