#include "base/numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

TEST(Numbers, IntegerOperationsAtTheEdges) {
  EXPECT_EQ(BitAnd(0x0F0F, 0x00FF), 0x000F);
  EXPECT_EQ(BitAnd(-1, INT_MIN), INT_MIN);
  EXPECT_EQ(ShiftLeft(1, 4), 16);
  EXPECT_EQ(ShiftLeft(1, 31), INT_MIN);
  EXPECT_EQ(ShiftLeft(-1, 1), -2);
  EXPECT_EQ(ShiftLeft(INT_MAX, 1), -2);
  EXPECT_EQ(ShiftLeft(5, 0), 5);
  EXPECT_EQ(ShiftLeft(5, -3), 5);
  EXPECT_EQ(ShiftLeft(5, 32), 0);
  EXPECT_EQ(ShiftLeft(5, INT_MAX), 0);
  EXPECT_EQ(ShiftRight(256, 4), 16);
  EXPECT_EQ(ShiftRight(-256, 4), -16);
  EXPECT_EQ(ShiftRight(INT_MIN, 31), -1);
  EXPECT_EQ(ShiftRight(-1, 40), -1);
  EXPECT_EQ(ShiftRight(INT_MAX, 32), 0);
  EXPECT_EQ(ShiftRight(7, INT_MIN), 7);
  EXPECT_EQ(ToByte(0x1234), 0x34);
  EXPECT_EQ(ToByte(-1), 0xFF);
  EXPECT_EQ(ToByte(INT_MIN), 0);
}

TEST(Numbers, ModuloIsSignedAsTheDividend) {
  EXPECT_DOUBLE_EQ(Modulo(7.5, 2), 1.5);
  EXPECT_DOUBLE_EQ(Modulo(-7.5, 2), -1.5);
  EXPECT_DOUBLE_EQ(Modulo(7.5, -2), 1.5);
  EXPECT_DOUBLE_EQ(Modulo(0.25, 1), 0.25);
  EXPECT_TRUE(std::isnan(Modulo(1, 0)));
}

}  // namespace
