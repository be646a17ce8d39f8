// SPDX-License-Identifier: MIT
#include "text/complex_text.h"
#include "text/textbook_text.h"

#include <gtest/gtest.h>

#include "platform/testing/complex_values.h"

namespace {

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

// In radians the argument is converted, not reduced, and keeps at least three decimals.
TEST(PolarText, RadianArgumentIsMarkedRad) {
  EXPECT_EQ(PolarText(MakeCplx(3, 4), 2, AngleUnit::Radians), "5 , 0.927 rad");
  EXPECT_EQ(PolarText(MakeCplx(-1, 0), 1, AngleUnit::Radians), "1 , 3.142 rad");
  EXPECT_EQ(PolarText(Polar(1, 450), 2, AngleUnit::Radians), "1 , 7.854 rad");
  EXPECT_EQ(PolarText(MakeCplx(0, 1), 5, AngleUnit::Radians), "1 , 1.5708 rad");
  EXPECT_EQ(CplxText(MakeCplx(3, 4), 2, TextForm::Polar, AngleUnit::Radians), "5 , 0.927 rad");
}

TEST(CplxText, FormOneIsPolar) {
  const Cplx z = MakeCplx(3, 4);
  EXPECT_EQ(CplxText(z, 2, TextForm::Polar), "5 , 53.1\u00B0");
  EXPECT_EQ(CplxText(z, 2, TextForm::Cartesian), "3+4i");
  EXPECT_EQ(CplxText(z), "3+4i");
}

}  // namespace

TEST(TextbookText, WritesWhatATextbookWrites) {
  const std::string m = "\u2212";
  const struct {
    Cplx z;
    std::string cart;
  } cases[] = {
      {MakeCplx(4, -1), "4 " + m + " i"},   {MakeCplx(-3, 0), m + "3"},
      {MakeCplx(0, -2), m + "2i"},          {MakeCplx(0, 1), "i"},
      {MakeCplx(5, -12), "5 " + m + " 12i"}, {MakeCplx(0, 0), "0"},
      {MakeCplx(-0.0, -0.0), "0"},          {MakeCplx(-0.001, 0.004), "0"},
      {MakeCplx(-1, 1), m + "1 + i"},       {MakeCplx(2.5, -0.5), "2.5 " + m + " 0.5i"},
      {MakeCplx(1, -1.001), "1 " + m + " i"}, {MakeCplx(3, 0.004), "3"},
  };
  for (const auto& c : cases) EXPECT_EQ(TextbookCart(c.z, 2), c.cart) << c.z.Re << "," << c.z.Im;
  EXPECT_EQ(TextbookReal(-0.004, 2), "0");
  EXPECT_EQ(TextbookReal(-2.5, 1), m + "2.5");
  EXPECT_EQ(TextbookPolar(MakeCplx(3, 4), 2), "5\u222053.13\u00B0");
  EXPECT_EQ(TextbookPolar(MakePolarCplx(4, 150), 0), "4\u2220150\u00B0");
  EXPECT_EQ(TextbookPolar(MakePolarCplx(2, -325.3), 1), "2\u2220" + m + "325.3\u00B0");
  EXPECT_EQ(TextbookPolar(MakeCplx(0, 0), 2), "0");
}
