// SPDX-License-Identifier: MIT
#include "calc/problem.h"

#include <gtest/gtest.h>

#include <clocale>

#include "core/power_root.h"

namespace {

Cplx Cart(double re, double im) {
  Cplx z{re, im, 0, 0};
  SyncCplx(z, 0);
  return z;
}

ProblemInputs BinaryOf(const Cplx& z1, const Cplx& z2) {
  ProblemInputs in;
  in.BinZ1 = z1;
  in.BinZ2 = z2;
  for (OpCode op = 0; op < 4; ++op) in.BinaryResults[static_cast<std::size_t>(op)] = CplxOp(op, z1, z2);
  return in;
}

}  // namespace

TEST(BinaryProblem, PosesTheFourOperationsAndAnswersEachOnItsOwnLine) {
  const Problem p = FesPrbl(ProblemBinary, BinaryOf(Cart(1, 2), Cart(3, -1)));
  EXPECT_EQ(p.Statement, "If z1 = 1+2i and z2 = 3-1i calculate: z1+z2, z1-z2, z1*z2, z1/z2.");
  // (1+2i)+(3-i) = 4+i, (1+2i)-(3-i) = -2+3i, (1+2i)(3-i) = 5+5i, (1+2i)/(3-i) = 0.1+0.7i.
  // The product's argument is the sum 63.4° + (-18.4°).
  EXPECT_EQ(p.Answer,
            "\r\n Z1 + Z2= 4+1i = 4.12 , 14\u00b0"
            "\r\n Z1 - Z2= -2+3i = 3.61 , 123.7\u00b0"
            "\r\n Z1 \u00b7 Z2= 5+5i = 7.07 , 45\u00b0"
            "\r\n Z1 \u00f7 Z2= 0.1+0.7i = 0.71 , 81.9\u00b0");
}

TEST(BinaryProblem, UsesTheCaptionsItIsGiven) {
  ProblemInputs in = BinaryOf(Cart(0, 0), Cart(1, 0));
  in.OpCaptions = {"A", "B", "C", "D"};
  const Problem p = FesPrbl(ProblemBinary, in);
  EXPECT_EQ(p.Answer.substr(0, 6), "\r\nA= 1");
  EXPECT_NE(p.Answer.find("\r\nD= 0+0i = 0 , 0\u00b0"), std::string::npos);
}

TEST(PowerProblem, WritesTheExponentAsAPlainNumberInStatementAndAnswer) {
  struct Case {
    double base_re, base_im, exponent;
    const char* statement;
    const char* answer;
  };
  const Case cases[] = {
      {1, 1, 2, "Find the power 2 of Z= 1+1i", " Z^2 = 0+2i = 2 , 90\u00b0"},
      {8, 0, 1.0 / 3, "Find the power 0.333333333333333 of Z= 8+0i", " Z^0.333333333333333 = 2+0i = 2 , 0\u00b0"},
      {0, 4, 0.5, "Find the power 0.5 of Z= 0+4i", " Z^0.5 = 1.41+1.41i = 2 , 45\u00b0"},
      {0, 2, -1, "Find the power -1 of Z= 0+2i", " Z^-1 = 0-0.5i = 0.5 , -90\u00b0"},
  };
  for (const Case& c : cases) {
    ProblemInputs in;
    in.PowBase = Cart(c.base_re, c.base_im);
    in.PowExponent = c.exponent;
    in.PowResult = CplxPower(in.PowBase, c.exponent);
    const Problem p = FesPrbl(ProblemPower, in);
    EXPECT_EQ(p.Statement, c.statement);
    EXPECT_EQ(p.Answer, c.answer);
  }
}

TEST(PlainNumber, FifteenSignificantDigitsWithAPointWhateverTheLocale) {
  // A locale with a decimal comma must not leak into the exercise.
  const char* const old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  std::setlocale(LC_ALL, "de_DE.UTF-8");
  EXPECT_EQ(PlainNumber(2.5), "2.5");
  EXPECT_EQ(PlainNumber(2.0 / 3), "0.666666666666667");
  EXPECT_EQ(PlainNumber(-1), "-1");
  EXPECT_EQ(PlainNumber(-0.0), "0");
  EXPECT_EQ(PlainNumber(123456789012345678.0), "1.23456789012346e+17");
  EXPECT_EQ(PlainNumber(0.1 + 0.2), "0.3");
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(RootsProblem, ListsEveryRootFromThePrincipalOneByIncreasingArgument) {
  ProblemInputs in;
  in.RootRadicand = Cart(-8, 0);
  in.RootIndex = 3;
  in.RootFirst = CplxRoot(in.RootRadicand, 3, in.RootStep);
  const Problem p = FesPrbl(ProblemRoots, in);
  EXPECT_EQ(p.Statement, "Find the roots of index 3 of Z= -8+0i");
  EXPECT_EQ(p.Answer,
            "\r\n1+1.73i = 2 , 60\u00b0"
            "\r\n-2+0i = 2 , 180\u00b0"
            "\r\n1-1.73i = 2 , 300\u00b0");
}

TEST(RootsProblem, SquareRootsOfANegativeImaginary) {
  ProblemInputs in;
  in.RootRadicand = Cart(0, -4);
  in.RootIndex = 2;
  in.RootFirst = CplxRoot(in.RootRadicand, 2, in.RootStep);
  const Problem p = FesPrbl(ProblemRoots, in);
  EXPECT_EQ(p.Statement, "Find the roots of index 2 of Z= 0-4i");
  // -4i has the argument -90°: the principal root lies at -45°, the other half a turn on.
  EXPECT_EQ(p.Answer, "\r\n1.41-1.41i = 2 , -45\u00b0\r\n-1.41+1.41i = 2 , 135\u00b0");
}

TEST(CombinedProblem, ListsEachLetterAsOftenAsItOccursInLowerCase) {
  ComplexStore store;
  store.Count = 2;
  store.StoreSlots[1] = Cart(1, 2);
  store.StoreSlots[2] = Cart(3, -1);
  ProblemInputs in;
  in.Store = &store;
  // A is a, c lies beyond the store (its slot was never used), the e of 2.5e1 names slot 5.
  in.Formula = "A*a+b'/c-2.5e1";
  in.ResultCart = "1.5-2i";
  in.ResultPolar = "2.5 , 306.9\u00b0";
  const Problem p = FesPrbl(ProblemCombined, in);
  EXPECT_EQ(p.Statement,
            "Calculate A*a+b'/c-2.5e1 . Where:\r\n"
            "a = 1+2i\r\na = 1+2i\r\nb = 3-1i\r\nc = 0+0i\r\ne = 0+0i\r\n");
  // The answer is what the result boxes show, even when it does not match the formula.
  EXPECT_EQ(p.Answer, " cart.: 1.5-2i  polar: 2.5 , 306.9\u00b0");
}

TEST(CombinedProblem, StaleSlotBeyondTheCountIsWrittenAsItStands) {
  ComplexStore store;
  store.Count = 1;
  store.StoreSlots[1] = Cart(1, 0);
  store.StoreSlots[2] = Cart(7, 7);  // left behind by a deletion
  ProblemInputs in;
  in.Store = &store;
  in.Formula = "a+b";
  const Problem p = FesPrbl(ProblemCombined, in);
  EXPECT_EQ(p.Statement, "Calculate a+b . Where:\r\na = 1+0i\r\nb = 7+7i\r\n");
  EXPECT_EQ(p.Answer, " cart.:   polar: ");
}

TEST(Problem, AnUnknownKindGivesNothing) {
  const Problem p = FesPrbl(4, BinaryOf(Cart(1, 1), Cart(1, 1)));
  EXPECT_TRUE(p.Statement.empty());
  EXPECT_TRUE(p.Answer.empty());
}
