// Make/unmake, the Zobrist key and the conversion from the game's state.
#include "engine/search4_position.h"

#include <cstdlib>

#include "engine/search4_tables.h"

namespace zv::s4 {

namespace {

inline std::uint64_t piece_key(int s, int piece) {
  return ZOBRIST.piece[s][piece + PIECE_INDEX_OFFSET];
}
inline int hand_key_index(int count) {
  return count < MAX_HAND_COUNT ? count : MAX_HAND_COUNT - 1;
}
inline std::uint64_t hand_key(int side, int slot, int count) {
  return ZOBRIST.hand[side][slot][hand_key_index(count)];
}

// The pawn-column counts follow every pawn that appears on or leaves a square.
inline void pawn_arrives(Position& p, int piece, int s) {
  if (kind_of(piece) == FU) ++p.pawns[side_of(piece)][x_of(s)];
}
inline void pawn_leaves(Position& p, int piece, int s) {
  if (kind_of(piece) == FU) --p.pawns[side_of(piece)][x_of(s)];
}

inline void put(Position& p, int s, int piece) {
  p.sq[s] = static_cast<std::int8_t>(piece);
  p.key ^= piece_key(s, piece);
  pawn_arrives(p, piece, s);
}
inline void lift(Position& p, int s) {
  const int piece = p.sq[s];
  p.sq[s] = 0;
  p.key ^= piece_key(s, piece);
  pawn_leaves(p, piece, s);
}

inline void hand_add(Position& p, int side, int slot, int delta) {
  p.key ^= hand_key(side, slot, p.hand[side][slot]);
  p.hand[side][slot] = static_cast<std::uint8_t>(p.hand[side][slot] + delta);
  p.key ^= hand_key(side, slot, p.hand[side][slot]);
}

// A taken piece goes to the hand of the side it does not belong to (so a
// piece a warp lands on goes to the opponent even when it is the mover's own);
// a taken king decides the game.
void take(Position& p, int s) {
  const int c = p.sq[s];
  lift(p, s);
  const int owner = side_of(c);
  if (kind_of(c) == OU) {
    p.winner = 1 - owner;
    p.king[owner] = NO_SQ;
  } else {
    hand_add(p, 1 - owner, base_kind(kind_of(c)), +1);
  }
}

// Unmake's twin of take(); the key is restored as a whole afterwards.
void give_back(Position& p, int s, int c) {
  p.sq[s] = static_cast<std::int8_t>(c);
  pawn_arrives(p, c, s);
  if (kind_of(c) != OU) --p.hand[1 - side_of(c)][base_kind(kind_of(c))];
}

}  // namespace

void Position::link_colour(int colour) {
  int first = NO_SQ, second = NO_SQ;
  for (int t = 0; t < NSQ; ++t) {
    if (warp[t] != colour) continue;
    if (first == NO_SQ)
      first = t;
    else if (second == NO_SQ)
      second = t;
  }
  for (int t = 0; t < NSQ; ++t)
    if (warp[t] == colour) pair[t] = static_cast<std::int8_t>(t == first ? second : first);
}

std::uint64_t Position::compute_key() const {
  std::uint64_t k = 0;
  for (int s = 0; s < NSQ; ++s) {
    if (sq[s] != 0) k ^= piece_key(s, sq[s]);
    if (warp[s] != 0) k ^= ZOBRIST.warp[s][warp_index(warp[s])];
  }
  for (int side = 0; side < 2; ++side)
    for (int slot = 1; slot <= HAND_SLOTS; ++slot) k ^= hand_key(side, slot, hand[side][slot]);
  if (side == LOWER) k ^= ZOBRIST.side;
  return k;
}

void Position::make(Move m, Undo& u) {
  const int us = side;
  const int from = move_from(m), to = move_to(m);
  u.move = m;
  u.key = key;
  u.king[0] = king[0];
  u.king[1] = king[1];
  u.winner = static_cast<std::int8_t>(winner);
  u.captured = u.captured2 = 0;
  u.warp_colour = 0;

  int piece;
  if (move_is_drop(m)) {
    piece = piece_of(us, drop_kind(m));
    hand_add(*this, us, drop_kind(m), -1);
  } else {
    piece = sq[from];
    lift(*this, from);
  }
  u.moved = static_cast<std::int8_t>(piece);
  const int placed = move_promotes(m) ? piece_of(us, promoted_kind(kind_of(piece))) : piece;

  if (sq[to] != 0) {
    u.captured = sq[to];
    take(*this, to);
  }
  put(*this, to, placed);
  int land = to;

  const int pt = partner(to);
  if (pt != NO_SQ) {
    // The used pair is taken off the map: where the game puts it anew is
    // chance, so the search does not guess.
    const int colour = warp[to];
    u.warp_colour = static_cast<std::uint8_t>(colour);
    u.warp_bits[0] = u.warp_bits[1] = 0;
    for (int t = 0; t < NSQ; ++t)
      if (warp[t] == colour) {
        u.warp_bits[t >> 6] |= 1ull << (t & 63);
        warp[t] = 0;
        pair[t] = NO_SQ;
        key ^= ZOBRIST.warp[t][warp_index(colour)];
      }
    if (sq[pt] != 0) {
      u.captured2 = sq[pt];
      take(*this, pt);
    }
    lift(*this, to);
    put(*this, pt, placed);
    land = pt;
  }
  u.land = static_cast<std::int8_t>(land);
  if (kind_of(placed) == OU) king[us] = static_cast<std::int8_t>(land);
  side = 1 - us;
  key ^= ZOBRIST.side;
}

void Position::unmake(const Undo& u) {
  side = 1 - side;
  const int us = side;
  const Move m = u.move;
  const int from = move_from(m), to = move_to(m);
  const int land = u.land;
  const int placed = sq[land];

  sq[land] = 0;
  pawn_leaves(*this, placed, land);
  if (land != to) {
    if (u.captured2 != 0) give_back(*this, land, u.captured2);
    for (int t = 0; t < NSQ; ++t)
      if (u.warp_bits[t >> 6] & (1ull << (t & 63))) warp[t] = u.warp_colour;
    link_colour(u.warp_colour);
  }
  if (u.captured != 0) give_back(*this, to, u.captured);
  if (move_is_drop(m)) {
    ++hand[us][drop_kind(m)];
  } else {
    sq[from] = u.moved;
    pawn_arrives(*this, u.moved, from);
  }
  key = u.key;
  king[0] = u.king[0];
  king[1] = u.king[1];
  winner = u.winner;
}

int piece_from_code(int code) {
  int kind;
  switch (std::abs(code)) {
    case UE_HU:
      kind = FU;
      break;
    case UE_TO:
      kind = TO;
      break;
    case UE_KYOU:
      kind = KY;
      break;
    case UE_NARIKYOU:
      kind = NY;
      break;
    case UE_KEI:
      kind = KE;
      break;
    case UE_NARIKEI:
      kind = NK;
      break;
    case UE_GIN:
      kind = GI;
      break;
    case UE_NARIGIN:
      kind = NG;
      break;
    case UE_KIN:
    case UE_NARIKIN:
      kind = KI;
      break;
    case UE_KAKU:
      kind = KA;
      break;
    case UE_UMA:
      kind = UM;
      break;
    case UE_SYA:
      kind = HI;
      break;
    case UE_RYU:
      kind = RY;
      break;
    case UE_OU:
      kind = OU;
      break;
    default:
      return 0;
  }
  return code > 0 ? kind : -kind;
}

int game_code(int piece) {
  static constexpr int CODES[KIND_COUNT] = {0,           UE_HU,      UE_KYOU,    UE_KEI, UE_GIN,
                                            UE_KIN,      UE_KAKU,    UE_SYA,     UE_OU,  UE_TO,
                                            UE_NARIKYOU, UE_NARIKEI, UE_NARIGIN, UE_UMA, UE_RYU};
  const int c = CODES[kind_of(piece)];
  return piece < 0 ? -c : c;
}

Position from_board(const BoardState& s, int side_code) {
  Position p;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      const int t = sq_of(x, y);
      const int piece = piece_from_code(s.board[x][y]);
      p.sq[t] = static_cast<std::int8_t>(piece);
      const int w = s.warp_map[x][y];
      p.warp[t] = static_cast<std::uint8_t>(w >= IRVU_FIRST && w <= IRVU_LAST ? w : 0);
      if (piece == 0) continue;
      if (kind_of(piece) == FU) ++p.pawns[side_of(piece)][x];
      if (kind_of(piece) == OU) p.king[side_of(piece)] = static_cast<std::int8_t>(t);
    }
  for (int k = 1; k <= HAND_SLOTS; ++k) {
    p.hand[UPPER][k] = static_cast<std::uint8_t>(s.com_hand[k] > 0 ? s.com_hand[k] : 0);
    p.hand[LOWER][k] = static_cast<std::uint8_t>(s.man_hand[k] > 0 ? s.man_hand[k] : 0);
  }
  for (int colour = IRVU_FIRST; colour <= IRVU_LAST; ++colour) p.link_colour(colour);
  p.side = side_code > 0 ? UPPER : LOWER;
  p.key = p.compute_key();
  return p;
}

}  // namespace zv::s4
