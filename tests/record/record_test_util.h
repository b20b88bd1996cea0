// Small helpers for the record tests: a scratch folder and ready positions.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "record/kifu_format.h"
#include "support/fakes.h"

namespace zv::test {

struct ScratchDir {
  std::string path;
  ScratchDir() {
    std::string t = std::filesystem::temp_directory_path().string() + "/zv_record_XXXXXX";
    path = ::mkdtemp(t.data()) ? t : std::string();
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::string file(const std::string& name) const { return path + "/" + name; }
};

inline std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void write_bytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// The starting position with one warp pair of each colour.
inline KifuEntry start_entry() {
  KifuEntry e;
  constexpr int back[10] = {0,     UE_KYOU, UE_KEI, UE_GIN, UE_KIN,
                            UE_OU, UE_KIN,  UE_GIN, UE_KEI, UE_KYOU};
  for (int x = 1; x <= BAN_SIZE; ++x) {
    e.board[x][1] = back[x];
    e.board[x][3] = UE_HU;
    e.board[x][7] = SITA_HU;
    e.board[x][9] = -back[x];
  }
  e.board[2][2] = UE_SYA;
  e.board[8][2] = UE_KAKU;
  e.board[2][8] = SITA_KAKU;
  e.board[8][8] = SITA_SYA;
  e.warp[1][4] = e.warp[9][6] = IRVU_KURO;
  e.warp[2][5] = e.warp[7][4] = IRVU_AKA;
  e.warp[3][6] = e.warp[8][5] = IRVU_AO;
  e.warp[4][4] = e.warp[6][6] = IRVU_MURA;
  return e;
}

// A record of `n` positions: pawns of the lower side taken one by one
// into the upper hand, with growing times.
inline KifuRecord sample_record(int n) {
  KifuRecord r;
  r.title = "名人戦";
  r.upper_name = "後手";
  r.lower_name = "先手";
  for (int k = 0; k < n; ++k) {
    KifuEntry e = start_entry();
    const int taken = k % 10;
    for (int x = 1; x <= taken; ++x) e.board[x][7] = EMPTY;
    e.com_hand[SLOT_HU] = taken;
    e.time = {double(k), double(k + 1), double(2 * k), double(2 * k)};
    r.entries.push_back(e);
  }
  return r;
}

inline std::string sample_bytes(int n) {
  std::string bytes;
  EXPECT_TRUE(encode_kifu(sample_record(n), bytes).ok());
  return bytes;
}

}  // namespace zv::test
