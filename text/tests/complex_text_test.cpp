// SPDX-License-Identifier: MIT
#include "text/complex_text.h"

#include <gtest/gtest.h>

namespace {

Cplx Polar(double mod, double arg) { return MakePolarCplx(mod, arg); }

TEST(CartText, SignComesFromTheValue) {
  EXPECT_EQ(CartText(MakeCplx(3, 4)), "3+4i");
  EXPECT_EQ(CartText(MakeCplx(3, -4)), "3-4i");
  EXPECT_EQ(CartText(MakeCplx(2.5, 0)), "2.5+0i");
  EXPECT_EQ(CartText(MakeCplx(0, 1)), "0+1i");
  EXPECT_EQ(CartText(MakeCplx(0, 0)), "0+0i");
  EXPECT_EQ(CartText(MakeCplx(3, -0.001)), "3-0i");
  // The conjugate of a real has a negative zero imaginary part: still one sign, not "+-0".
  EXPECT_EQ(CartText(Conjugate(MakeCplx(3, 0))), "3+0i");
  EXPECT_EQ(CartText(MakeCplx(1.0 / 3, 0), 5), "0.33333+0i");
}

TEST(PairText, IsWhatTheEntryBoxReads) {
  EXPECT_EQ(PairText(MakeCplx(3, 4)), "3 , 4");
  EXPECT_EQ(PairText(MakeCplx(0, 0)), "0 , 0");
  EXPECT_EQ(PairText(MakeCplx(-1.25, 2.0 / 3), 3), "-1.25 , 0.667");
}

TEST(PolarText, ArgumentHasAtMostOneDecimal) {
  EXPECT_EQ(PolarText(MakeCplx(3, 4)), "5 , 53.1\u00B0");
  EXPECT_EQ(PolarText(MakeCplx(1, 1)), "1.41 , 45\u00B0");
  EXPECT_EQ(PolarText(MakeCplx(3, 4), 9), "5 , 53.1\u00B0");
  EXPECT_EQ(PolarText(MakeCplx(0, 0)), "0 , 0\u00B0");
  EXPECT_EQ(PolarText(MakeCplx(-1, 0)), "1 , 180\u00B0");
  EXPECT_EQ(PolarText(Polar(1, 340)), "1 , 340\u00B0");
  EXPECT_EQ(PolarText(MakeCplx(1.0 / 3, 0), 5), "0.33333 , 0\u00B0");
}

TEST(CplxText, FormOneIsPolar) {
  const Cplx z = MakeCplx(3, 4);
  EXPECT_EQ(CplxText(z, 2, TextForm::Polar), "5 , 53.1\u00B0");
  EXPECT_EQ(CplxText(z, 2, TextForm::Cartesian), "3+4i");
  EXPECT_EQ(CplxText(z), "3+4i");
}

}  // namespace
