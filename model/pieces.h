// The board's vocabulary, written once: which squares are on the board, which
// codes are pieces, and which hand slot a captured piece goes to.
#pragma once
#include "model/constants.h"

namespace zv {

constexpr bool on_board(int x, int y) {
  return x >= 1 && x <= BAN_SIZE && y >= 1 && y <= BAN_SIZE;
}

// Every piece of the game as the upper side's code; the lower side's are the negatives.
inline constexpr int PIECE_KINDS[] = {UE_HU,      UE_TO,  UE_KYOU,    UE_NARIKYOU, UE_KEI,
                                      UE_NARIKEI, UE_GIN, UE_NARIGIN, UE_KIN,      UE_KAKU,
                                      UE_UMA,     UE_SYA, UE_RYU,     UE_OU};

// True for EMPTY and every piece code of either side.
constexpr bool is_piece_code(int code) {
  if (code == EMPTY) return true;
  for (int k : PIECE_KINDS)
    if (code == k || code == -k) return true;
  return false;
}

// Hand slot of a captured piece: promoted pieces return to their plain slot.
// 0 for the kings and for anything that is not a piece.
constexpr int hand_slot_of(int code) {
  const int a = code < 0 ? -code : code;
  if (a == UE_OU || !is_piece_code(code) || code == EMPTY) return 0;
  const int plain = a - a % 10;
  for (int k = 1; k <= HAND_SLOTS; ++k)
    if (SLOT_CODE[k] == plain) return k;
  return 0;
}

}  // namespace zv
