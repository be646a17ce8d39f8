// SPDX-License-Identifier: MIT
#include "calc/problem.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/power_root.h"
#include "platform/testing/store_of.h"

TEST(BinaryProblem, PosesTheFourOperationsAndAnswersEachOnItsOwnLine) {
  const Problem p = FesPrbl(CalcBinary(MakeCplx(1, 2), MakeCplx(3, -1)));
  EXPECT_EQ(p.Statement, "If z1 = 1+2i and z2 = 3-1i calculate: z1+z2, z1-z2, z1*z2, z1/z2.");
  // (1+2i)+(3-i) = 4+i, (1+2i)-(3-i) = -2+3i, (1+2i)(3-i) = 5+5i, (1+2i)/(3-i) = 0.1+0.7i.
  // The product's argument is the sum 63.4° + (-18.4°).
  EXPECT_EQ(p.Answer,
            "\r\n Z1 + Z2= 4+1i = 4.12 , 14\u00b0"
            "\r\n Z1 - Z2= -2+3i = 3.61 , 123.7\u00b0"
            "\r\n Z1 \u00b7 Z2= 5+5i = 7.07 , 45\u00b0"
            "\r\n Z1 \u00f7 Z2= 0.1+0.7i = 0.71 , 81.9\u00b0");
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
    const Problem p = FesPrbl(CalcPower(MakeCplx(c.base_re, c.base_im), c.exponent));
    EXPECT_EQ(p.Statement, c.statement);
    EXPECT_EQ(p.Answer, c.answer);
  }
}

// Numbers written with a decimal comma for the life of the object: de_DE.UTF-8 as the system has
// it, else a locale of that one rule built with localedef into a temporary folder (most systems
// generate no locale with a comma).
class CommaNumbers {
 public:
  CommaNumbers() : saved_(std::setlocale(LC_NUMERIC, nullptr)) {
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) return;
    std::string folder = (std::filesystem::temp_directory_path() / "zorbit-locale-XXXXXX").string();
    if (!mkdtemp(folder.data())) return;
    folder_ = folder;
    std::ofstream(folder_ + "/comma") << "LC_NUMERIC\ndecimal_point \"<U002C>\"\nthousands_sep \"<U002E>\"\n"
                                         "grouping 3;3\nEND LC_NUMERIC\n";
    const std::string build = "localedef -c -i " + folder_ + "/comma -f UTF-8 " + folder_ + "/comma.UTF-8 >/dev/null 2>&1";
    if (std::system(build.c_str()) == -1) return;
    setenv("LOCPATH", folder_.c_str(), 1);
    std::setlocale(LC_NUMERIC, "comma.UTF-8");
  }
  ~CommaNumbers() {
    std::setlocale(LC_NUMERIC, saved_.c_str());
    if (folder_.empty()) return;
    unsetenv("LOCPATH");
    std::filesystem::remove_all(folder_);
  }
  static bool InForce() { return *std::localeconv()->decimal_point == ','; }

 private:
  std::string saved_;
  std::string folder_;
};

TEST(PlainNumber, FifteenSignificantDigitsWithAPointWhateverTheLocale) {
  // A locale with a decimal comma must not leak into the exercise.
  const CommaNumbers comma;
  if (!comma.InForce()) GTEST_SKIP() << "no locale with a decimal comma: de_DE.UTF-8 is missing and localedef cannot build one";
  EXPECT_EQ(PlainNumber(2.5), "2.5");
  EXPECT_EQ(PlainNumber(2.0 / 3), "0.666666666666667");
  EXPECT_EQ(PlainNumber(-1), "-1");
  EXPECT_EQ(PlainNumber(-0.0), "0");
  EXPECT_EQ(PlainNumber(123456789012345678.0), "1.23456789012346e+17");
  EXPECT_EQ(PlainNumber(0.1 + 0.2), "0.3");
}

TEST(RootsProblem, ListsEveryRootFromThePrincipalOneByIncreasingArgument) {
  const Problem p = FesPrbl(CalcRoots(MakeCplx(-8, 0), 3));
  EXPECT_EQ(p.Statement, "Find the roots of index 3 of Z= -8+0i");
  EXPECT_EQ(p.Answer,
            "\r\n1+1.73i = 2 , 60\u00b0"
            "\r\n-2+0i = 2 , 180\u00b0"
            "\r\n1-1.73i = 2 , 300\u00b0");
}

TEST(RootsProblem, SquareRootsOfANegativeImaginary) {
  const Problem p = FesPrbl(CalcRoots(MakeCplx(0, -4), 2));
  EXPECT_EQ(p.Statement, "Find the roots of index 2 of Z= 0-4i");
  // -4i has the argument -90°: the principal root lies at -45°, the other half a turn on.
  EXPECT_EQ(p.Answer, "\r\n1.41-1.41i = 2 , -45\u00b0\r\n-1.41+1.41i = 2 , 135\u00b0");
}

TEST(CombinedProblem, ListsEachLetterAsOftenAsItOccursInLowerCase) {
  CombinedCalc calc{"A*a+b'/c-2.5e1", MakeCplx(1.5, -2), StoreOf({MakeCplx(1, 2), MakeCplx(3, -1)})};
  // A is a, c lies beyond the store (its slot was never used), the e of 2.5e1 names slot 5.
  const Problem p = FesPrbl(calc);
  EXPECT_EQ(p.Statement,
            "Calculate A*a+b'/c-2.5e1 . Where:\r\n"
            "a = 1+2i\r\na = 1+2i\r\nb = 3-1i\r\nc = 0+0i\r\ne = 0+0i\r\n");
  // The result as the result boxes show it, even when it does not match the formula.
  EXPECT_EQ(p.Answer, " cart.: 1.5-2i  polar: 2.5 , -53.1\u00b0");
}

TEST(CombinedProblem, StaleSlotBeyondTheCountIsWrittenAsItStands) {
  CombinedCalc calc{"a+b", MakeCplx(8, 7), StoreOf({MakeCplx(1, 0), MakeCplx(7, 7)})};
  calc.Store.Remove(2);  // 7+7i stays behind in slot b
  const Problem p = FesPrbl(calc);
  EXPECT_EQ(p.Statement, "Calculate a+b . Where:\r\na = 1+0i\r\nb = 7+7i\r\n");
}

TEST(Problem, EachKindReadsItsOwnLastCalculation) {
  LastCalculations last;
  last.Binary = CalcBinary(MakeCplx(1, 1), MakeCplx(1, 1));
  last.Power = CalcPower(MakeCplx(0, 1), 2);
  last.Roots = CalcRoots(MakeCplx(4, 0), 2);
  last.Combined = {"a", MakeCplx(5, 0), StoreOf({MakeCplx(5, 0)})};
  EXPECT_EQ(FesPrbl(ProblemKind::Binary, last).Statement, FesPrbl(last.Binary).Statement);
  EXPECT_EQ(FesPrbl(ProblemKind::Power, last).Answer, " Z^2 = -1+0i = 1 , 180\u00b0");
  EXPECT_EQ(FesPrbl(ProblemKind::Roots, last).Answer, "\r\n2+0i = 2 , 0\u00b0\r\n-2+0i = 2 , 180\u00b0");
  EXPECT_EQ(FesPrbl(ProblemKind::Combined, last).Statement, "Calculate a . Where:\r\na = 5+0i\r\n");
}

TEST(Calculations, AQuotientByZeroIsNotDefinedAndTheRestStands) {
  const BinaryCalc calc = CalcBinary(MakeCplx(1, 1), MakeCplx(0, 0));
  EXPECT_EQ(calc.Defined, (std::array<bool, 4>{true, true, true, false}));
  EXPECT_FALSE(calc.Complete());
  EXPECT_TRUE(std::isnan(calc.Results[3].Re));
  EXPECT_EQ(calc.Results[0].Re, 1);
  EXPECT_TRUE(CalcBinary(MakeCplx(1, 1), MakeCplx(0, 1)).Complete());
}

TEST(Calculations, ImpossiblePowersAndRootsGiveNoRecord) {
  EXPECT_THROW(CalcPower(MakeCplx(0, 0), -1), ArithmeticError);
  EXPECT_THROW(CalcRoots(MakeCplx(0, 0), 3), ArithmeticError);
  EXPECT_THROW(CalcRoots(MakeCplx(1, 0), 0), ArithmeticError);
}
