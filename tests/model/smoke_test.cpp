#include <gtest/gtest.h>

#include "model/setup.h"
#include "support/fakes.h"

namespace zv {
TEST(Setup, StartingKings) {
  test::TestGame t;
  初期設定(t.g());
  EXPECT_EQ(t.s().board[5][9], SITA_OU);
  EXPECT_EQ(t.s().board[5][1], UE_OU);
}
}  // namespace zv
