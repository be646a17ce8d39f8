// SPDX-License-Identifier: MIT
#include "core/power_root.h"

#include <gtest/gtest.h>

#include "platform/testing/complex_values.h"

namespace {

TEST(CplxPower, SquareOfOnePlusIIsExactlyTwoI) {
  const Cplx r = CplxPower(MakeCplx(1, 1), 2);
  EXPECT_NEAR(r.Mod, 2, 1e-12);
  EXPECT_NEAR(r.Arg, 90, 1e-12);
  EXPECT_EQ(r.Re, 0);
  EXPECT_NEAR(r.Im, 2, 1e-12);
}

TEST(CplxPower, ReducesOnlyArgumentsFrom360) {
  const Cplx i4 = CplxPower(MakeCplx(0, 1), 4);
  EXPECT_EQ(i4.Arg, 0);
  EXPECT_EQ(i4.Re, 1);
  EXPECT_EQ(i4.Im, 0);
  const Cplx minusI4 = CplxPower(MakeCplx(0, -1), 4);
  EXPECT_EQ(minusI4.Arg, -360);
  EXPECT_EQ(minusI4.Re, 1);
  EXPECT_EQ(minusI4.Im, 0);
}

TEST(CplxPower, RealExponents) {
  const Cplx inv = CplxPower(Polar(4, 30), -1);
  EXPECT_EQ(inv.Mod, 0.25);
  EXPECT_EQ(inv.Arg, -30);
  const Cplx half = CplxPower(Polar(4, 300), 0.5);  // one root only: half the stored argument
  EXPECT_EQ(half.Mod, 2);
  EXPECT_EQ(half.Arg, 150);
  EXPECT_EQ(CplxPower(MakeCplx(0, 0), 0).Mod, 1);
}

TEST(CplxPower, FailsForZeroToANegativePowerAndOverflow) {
  EXPECT_THROW(CplxPower(MakeCplx(0, 0), -1), ArithmeticError);
  EXPECT_THROW(CplxPower(MakeCplx(10, 0), 400), ArithmeticError);
}

TEST(CplxRoot, GivesThePrincipalRootAndTheStep) {
  double step = 0;
  const Cplx r = CplxRoot(MakeCplx(-8, 0), 3, step);
  EXPECT_NEAR(r.Mod, 2, 1e-12);
  EXPECT_NEAR(r.Arg, 60, 1e-12);
  EXPECT_EQ(step, 120);
  EXPECT_NEAR(NthRootReal(32, 5), 2, 1e-12);
}

TEST(CplxRoot, FailsForModulusZeroAndLeavesTheStep) {
  double step = -1;
  EXPECT_THROW(CplxRoot(MakeCplx(0, 0), 2, step), ArithmeticError);
  EXPECT_EQ(step, -1);
  EXPECT_THROW(CplxRoot(MakeCplx(2, 0), 0, step), ArithmeticError);
  EXPECT_THROW(NthRootReal(-1, 2), ArithmeticError);
}

TEST(AllRoots, ListsThePrincipalFirstThenGrowingArguments) {
  const std::vector<Cplx> cube = AllRoots(MakeCplx(-8, 0), 3);
  ASSERT_EQ(cube.size(), 3u);
  const double args[] = {60, 180, 300};
  const double res[] = {1, -2, 1};
  const double ims[] = {1.7320508, 0, -1.7320508};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_NEAR(cube[k].Arg, args[k], 1e-9) << k;
    EXPECT_NEAR(cube[k].Re, res[k], 1e-6) << k;
    EXPECT_NEAR(cube[k].Im, ims[k], 1e-6) << k;
  }

  const std::vector<Cplx> square = AllRoots(MakeCplx(-4, 0), 2);
  EXPECT_EQ(square[1].Arg, 270);  // not reduced
  EXPECT_EQ(square[0].Re, 0);
  EXPECT_EQ(square[1].Im, -2);

  const std::vector<Cplx> fourth = AllRoots(MakeCplx(1, 0), 4);
  for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(fourth[k].Arg, 90.0 * static_cast<double>(k));

  EXPECT_THROW(AllRoots(MakeCplx(1, 0), 0), ArithmeticError);
  EXPECT_THROW(AllRoots(MakeCplx(0, 0), 3), ArithmeticError);
}

}  // namespace
