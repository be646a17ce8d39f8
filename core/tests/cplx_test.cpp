// SPDX-License-Identifier: MIT
#include "core/cplx.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/testing/complex_values.h"

namespace {

TEST(ArgDegrees, CoversTheAxesAndQuadrants) {
  EXPECT_EQ(ArgDegrees(0, 0), 0);
  EXPECT_EQ(ArgDegrees(0, 2), 90);
  EXPECT_EQ(ArgDegrees(0, -3), -90);
  EXPECT_EQ(ArgDegrees(-1, 0), 180);  // never -180
  EXPECT_EQ(ArgDegrees(-1, -0.0), 180);
  EXPECT_NEAR(ArgDegrees(-1, -1), -135, 1e-9);
  EXPECT_NEAR(ArgDegrees(-1, 1), 135, 1e-9);
  EXPECT_NEAR(ArgDegrees(3, 4), 53.130102354156, 1e-9);
}

TEST(ArgDegrees, UsesTheFifteenDigitPi) {
  // atan(1) / 3.14159265358979 * 180 differs from 45 in the last bits.
  EXPECT_DOUBLE_EQ(ArgDegrees(1, 1), std::atan(1.0) / 3.14159265358979 * 180);
  EXPECT_DOUBLE_EQ(DegToRad(180), 3.14159265358979);
}

// Only the noise of the conversion is cut, relative to the modulus: the axes come out exact at
// any size, and a tiny number keeps its digits.
TEST(PolarToCart, CutsOnlyTheNoiseOfTheConversion) {
  const double exact[][4] = {{2, 90, 0, 2},           {1, 180, -1, 0},        {3, -90, 0, -3}, {1e-9, 90, 0, 1e-9},
                             {1e300, 270, 0, -1e300}, {5, 3690, 0, 5},       {1e-7, 0, 1e-7, 0}};
  for (const auto& [mod, arg, x, y] : exact) {
    EXPECT_EQ(PolarToCart(mod, arg).First, x) << mod << " at " << arg;
    EXPECT_EQ(PolarToCart(mod, arg).Second, y) << mod << " at " << arg;
  }
  // 5e-7 at 53.13° is 3e-7+4e-7i, not 0; a part a billionth of the modulus stays too.
  const RealPair small = PolarToCart(5e-7, ArgDegrees(3, 4));
  EXPECT_NEAR(small.First, 3e-7, 1e-20);
  EXPECT_NEAR(small.Second, 4e-7, 1e-20);
  EXPECT_NEAR(PolarToCart(1, 5.729577951e-8).Second, 1e-9, 1e-18);
}

// The modulus of a number near either end of the doubles is a value, not an overflow.
TEST(CartToPolar, ReachesTheWholeDoubleRange) {
  for (const double scale : {1e200, 1e-200}) EXPECT_DOUBLE_EQ(CartToPolar(3 * scale, -4 * scale).First, 5 * scale);
  EXPECT_EQ(CartToPolar(1e-170, 0).First, 1e-170);
  EXPECT_EQ(CartToPolar(-1e-300, -1e300).Second, -90);
  EXPECT_THROW(CartToPolar(1.5e308, 1.5e308), ArithmeticError);
}

TEST(SyncCplx, FillsOnlyTheOtherPair) {
  Cplx z;
  z.Re = 3;
  z.Im = 4;
  z.Arg = 999;
  SyncCplx(z, SyncFrom::Cartesian);
  EXPECT_EQ(z.Re, 3);
  EXPECT_EQ(z.Mod, 5);
  EXPECT_NEAR(z.Arg, 53.13, 0.01);

  const Cplx p = Polar(1e-7, 30);
  EXPECT_EQ(p.Mod, 1e-7);
  EXPECT_NEAR(p.Im, 5e-8, 1e-22);
  EXPECT_EQ(p.Arg, 30);
}

TEST(Reduce360, TouchesOnlyAnglesFrom360Up) {
  EXPECT_EQ(Reduce360(359.5), 359.5);
  EXPECT_EQ(Reduce360(-340), -340);
  EXPECT_EQ(Reduce360(-720), -720);
  EXPECT_EQ(Reduce360(360), 0);
  EXPECT_NEAR(Reduce360(400), 40, 1e-9);
  EXPECT_NEAR(Reduce360(1090), 10, 1e-9);
}

TEST(CplxOp, AddsAndSubtractsOnTheCartesianPair) {
  const Cplx a = MakeCplx(1, 2);
  const Cplx b = MakeCplx(3, -1);
  const Cplx sum = CplxOp(OpAdd, a, b);
  EXPECT_EQ(sum.Re, 4);
  EXPECT_EQ(sum.Im, 1);
  EXPECT_NEAR(sum.Mod, std::sqrt(17.0), 1e-12);
  const Cplx diff = CplxOp(OpSubtract, a, b);
  EXPECT_EQ(diff.Re, -2);
  EXPECT_EQ(diff.Im, 3);
  // The inputs are never changed.
  EXPECT_EQ(a.Re, 1);
  EXPECT_EQ(b.Im, -1);
}

TEST(CplxOp, ProductArgumentIsReducedOnlyFrom360) {
  EXPECT_NEAR(CplxOp(OpMultiply, Polar(1, 170), Polar(1, 170)).Arg, 340, 1e-9);
  EXPECT_NEAR(CplxOp(OpMultiply, Polar(1, -170), Polar(1, -170)).Arg, -340, 1e-9);
  EXPECT_NEAR(CplxOp(OpMultiply, Polar(1, 200), Polar(1, 200)).Arg, 40, 1e-9);
  const Cplx p = CplxOp(OpMultiply, MakeCplx(1, 2), MakeCplx(3, -1));
  EXPECT_NEAR(p.Re, 5, 1e-9);
  EXPECT_NEAR(p.Im, 5, 1e-9);
}

TEST(CplxOp, QuotientArgumentIsNotReduced) {
  const Cplx q = CplxOp(OpDivide, Polar(4, -170), Polar(2, 170));
  EXPECT_EQ(q.Mod, 2);
  EXPECT_EQ(q.Arg, -340);
  const Cplx zero = CplxOp(OpDivide, MakeCplx(0, 0), Polar(2, 30));
  EXPECT_EQ(zero.Mod, 0);
  EXPECT_EQ(zero.Arg, -30);
  EXPECT_EQ(zero.Re, 0);
}

TEST(CplxOp, FailuresDeliverNoValue) {
  EXPECT_THROW(CplxOp(OpDivide, MakeCplx(1, 1), MakeCplx(0, 0)), ArithmeticError);
  EXPECT_THROW(CplxOp(OpDivide, MakeCplx(0, 0), MakeCplx(0, 0)), ArithmeticError);
  EXPECT_THROW(CplxOp(OpMultiply, Polar(1e200, 0), Polar(1e200, 0)), ArithmeticError);
  EXPECT_THROW(CplxOp(OpDivide, Polar(1e200, 0), Polar(1e-200, 0)), ArithmeticError);
  EXPECT_THROW(CplxOp(OpAdd, MakeCplx(1e308, 0), MakeCplx(1e308, 0)), ArithmeticError);
  EXPECT_THROW(CplxOp(7, MakeCplx(1, 0), MakeCplx(1, 0)), ArithmeticError);
  EXPECT_THROW(MakeCplx(std::numeric_limits<double>::quiet_NaN(), 0), ArithmeticError);
}

TEST(Conjugate, RecomputesTheArgument) {
  const Cplx c = Conjugate(MakeCplx(-1, 0));
  EXPECT_EQ(c.Arg, 180);
  const Cplx d = Conjugate(MakeCplx(1, 2));
  EXPECT_EQ(d.Im, -2);
  EXPECT_NEAR(d.Arg, -63.43, 0.01);
}

TEST(LargestComponent, IsTheLargestAbsolutePart) {
  EXPECT_EQ(LargestComponent(MakeCplx(1, -2), MakeCplx(0, 0), MakeCplx(-7, 3)), 7);
  EXPECT_EQ(LargestComponent(MakeCplx(0, 0), MakeCplx(0, 0), MakeCplx(0, 0)), 0);
}

}  // namespace
