// Named values shared by every part of the game. The integers are stored in
// record files and compared by sign and range, so they are fixed.
#pragma once

namespace zv {

// Answers of the rule checks.
inline constexpr int YES = 1;
inline constexpr int NO = 0;
inline constexpr int EMPTY = 0;
inline constexpr int BAN_SIZE = 9;

// Piece codes: the upper side (UE, the computer against a human) is positive,
// the lower side (SITA) negative; a promoted piece is its code + 1.
inline constexpr int UE_HU = 10, UE_TO = 11;
inline constexpr int UE_KYOU = 20, UE_NARIKYOU = 21;
inline constexpr int UE_KEI = 30, UE_NARIKEI = 31;
inline constexpr int UE_GIN = 100, UE_NARIGIN = 101;
inline constexpr int UE_KIN = 110, UE_NARIKIN = 111;
inline constexpr int UE_KAKU = 800, UE_UMA = 801;
inline constexpr int UE_SYA = 900, UE_RYU = 901;
inline constexpr int UE_OU = 950;
inline constexpr int SITA_HU = -UE_HU, SITA_TO = -UE_TO;
inline constexpr int SITA_KYOU = -UE_KYOU, SITA_NARIKYOU = -UE_NARIKYOU;
inline constexpr int SITA_KEI = -UE_KEI, SITA_NARIKEI = -UE_NARIKEI;
inline constexpr int SITA_GIN = -UE_GIN, SITA_NARIGIN = -UE_NARIGIN;
inline constexpr int SITA_KIN = -UE_KIN, SITA_NARIKIN = -UE_NARIKIN;
inline constexpr int SITA_KAKU = -UE_KAKU, SITA_UMA = -UE_UMA;
inline constexpr int SITA_SYA = -UE_SYA, SITA_RYU = -UE_RYU;
inline constexpr int SITA_OU = -UE_OU;
inline constexpr int PROMOTE = 1;  // code + PROMOTE is the promoted form

// code >= UE_MIN is an upper-side piece, code <= SITA_MAX a lower-side piece.
inline constexpr int UE_MIN = UE_HU;
inline constexpr int SITA_MAX = SITA_HU;

// Hand slots 1..7 and the pseudo-columns that address the hands.
inline constexpr int HAND_SLOTS = 7;
inline constexpr int SLOT_HU = 1, SLOT_KYOU = 2, SLOT_KEI = 3, SLOT_GIN = 4, SLOT_KIN = 5,
                     SLOT_KAKU = 6, SLOT_SYA = 7;
inline constexpr int MAN_HAND_X = 11;          // lower side's hand column (rows 3..9)
inline constexpr int COM_HAND_X = -1;          // upper side's hand column (rows 1..7)
inline constexpr int MAN_HAND_ROW_OFFSET = 2;  // row = slot + 2
inline constexpr int COM_HAND_ROW_BASE = 8;    // row = 8 - slot
// Unpromoted upper-side code of each hand slot (index 0 unused).
inline constexpr int SLOT_CODE[HAND_SLOTS + 1] = {0,      UE_HU,  UE_KYOU, UE_KEI,
                                                  UE_GIN, UE_KIN, UE_KAKU, UE_SYA};

// Warp colours.
inline constexpr int IRVU_KURO = 16, IRVU_AKA = 17, IRVU_AO = 18, IRVU_MURA = 19;
inline constexpr int IRVU_FIRST = IRVU_KURO, IRVU_LAST = IRVU_MURA;

// Picture codes besides pieces, warps and the empty square (0).
inline constexpr int PIC_KARA = 0;
inline constexpr int PIC_ZORVANE = 1;
inline constexpr int HAIKEI_MIDORI = 2, HAIKEI_TATAMI = 3, HAIKEI_TAKE = 4, HAIKEI_UCHU = 5,
                     HAIKEI_RENGA = 6;

// The sign of each side's piece codes.
inline constexpr int UE_SIGN = 1, SITA_SIGN = -1;

// Sides and turns.
inline constexpr int SENTE = 1, GOTE = -1, NO_TURN = 0;

// Computer levels: 1-3 the one-move searcher, 4 the searching player.
inline constexpr int COM_LEVEL_MIN = 1, COM_LEVEL_SEARCH = 4, COM_LEVEL_MAX = 4;

// Game modes.
inline constexpr int MODE_NONE = 0, MODE_HUMAN = 1, MODE_COM = 2;

// Palette numbers of the sixteen-colour palette.
inline constexpr int COL_BLACK = 0, COL_BLUE = 1, COL_GREEN = 2, COL_CYAN = 3, COL_RED = 4,
                     COL_MAGENTA = 5, COL_BROWN = 6, COL_LIGHTGREY = 7, COL_DARKGREY = 8,
                     COL_LIGHTBLUE = 9, COL_LIGHTGREEN = 10, COL_LIGHTCYAN = 11, COL_LIGHTRED = 12,
                     COL_LIGHTMAGENTA = 13, COL_YELLOW = 14, COL_WHITE = 15;
inline constexpr int COL_BOARD = COL_WHITE;  // square outline on every redraw
inline constexpr int COL_SHADOW = COL_BLACK;
inline constexpr int COL_HAND_COUNT = COL_LIGHTRED;
inline constexpr int COL_SELECTED = COL_LIGHTRED;
inline constexpr int COL_GUIDE = COL_YELLOW;
inline constexpr int COL_MARKER_DARK = COL_BLUE;        // last-move marker, outer frame
inline constexpr int COL_MARKER_LIGHT = COL_LIGHTCYAN;  // and inner frame

// Screen geometry in twips.
inline constexpr int X0 = 1050, Y0 = 100;
inline constexpr int CELL_W = 495, CELL_H = 615;
inline constexpr int WINDOW_W = 9300, WINDOW_H = 8000;
inline constexpr int TWIPS_PER_INCH = 1440;

// History capacity: entries 0..500.
inline constexpr int HISTORY_MAX = 500;

}  // namespace zv
