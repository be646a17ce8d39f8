// SPDX-License-Identifier: MIT
// Every expected line below was worked out by hand.
#include "working/working.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calc/eval_combined.h"
#include "text/textbook_text.h"

namespace {

using ::testing::Contains;
using WL = WorkingLanguage;

std::vector<std::string> Lines(const Working& w) {
  std::vector<std::string> lines;
  for (const WorkingLine& line : w) lines.push_back(LinePlain(line));
  return lines;
}

struct Case {
  Working W;
  std::vector<std::string> Expected;
};

void ExpectLines(const std::vector<Case>& cases) {
  for (std::size_t k = 0; k < cases.size(); ++k) {
    const std::vector<std::string> lines = Lines(cases[k].W);
    for (const std::string& expected : cases[k].Expected) EXPECT_THAT(lines, Contains(expected)) << "case " << k;
  }
}

const Cplx A = MakeCplx(3, 4);
const Cplx B = MakeCplx(1, -2);
const Cplx C = MakeCplx(1, 1);

TEST(Working, BinaryOperandsOperationsAndZeroDivisor) {
  ExpectLines({
      {BinaryWorking(CalcBinary(A, B), 2, WL::English),
       {"first quadrant: θ = arctan(4/3) = 53.13°", "r = √(1² + (−2)²) = √5 = 2.24",
        "fourth quadrant: θ = −arctan(2/1) = −63.43°",
        "Z₁ + Z₂ = (3 + 4i) + (1 − 2i) = (3 + 1) + (4 + (−2))i = 4 + 2i",
        "Z₁·Z₂ = (3 + 4i)·(1 − 2i) = 3 − 6i + 4i − 8i² = 11 − 2i, since i² = −1",
        "in polar form: 5∠53.13° · 2.24∠−63.43° = (5·2.24)∠(53.13° + (−63.43°)) = 11.18∠−10.3°",
        "Z₁ ÷ Z₂ = (3 + 4i)(1 + 2i) ÷ ((1 − 2i)(1 + 2i)) = (−5 + 10i) ÷ 5 = −1 + 2i",
        "exponential form: Z₁ ÷ Z₂ = 2.24·e^(2.03i)"}},
      {BinaryWorking(CalcBinary(MakeCplx(-3, 4), MakeCplx(0, 0)), 2, WL::English),
       {"second quadrant: θ = 180° − arctan(4/3) = 126.87°",
        "Z₂ = 0: r = 0, θ = 0° (0 has no direction; its argument is taken as 0°)", "Z₁·Z₂ = (−3 + 4i)·0 = 0",
        "Z₂ = 0: dividing by 0 is not defined (the denominator would be 0² + 0² = 0), so the quotient does not "
        "exist"}},
      // A polar operand with an unreduced argument, and a product whose argument leaves (−180°, 180°].
      {BinaryWorking(CalcBinary(MakePolarCplx(2, -325.3), MakePolarCplx(1, -170)), 1, WL::English),
       {"Z₁ = 2∠−325.3° = 2∠34.7°", "a = r·cos θ = 2·cos(−325.3°) = 1.6", "b = r·sin θ = 2·sin(−325.3°) = 1.1",
        "third quadrant: θ = arctan(0.2/1) − 180° = −170°",
        "in polar form: 2∠−325.3° · 1∠−170° = (2·1)∠(−325.3° + (−170°)) = 2∠−495.3° = 2∠−135.3°"}},
  });
}

TEST(Working, PowerByDeMoivre) {
  ExpectLines({
      {PowerWorking(CalcPower(A, 3), 2, WL::English),
       {"rⁿ = 5³ = 125", "nθ = 3·53.13° = 159.39°", "z³ = 125(cos 159.39° + i sin 159.39°) = −117 + 44i"}},
      {PowerWorking(CalcPower(MakeCplx(-1, 1), -2), 2, WL::English),
       {"a negative exponent: rⁿ = 1/r^|n|", "rⁿ = 1.41⁻² = 0.5", "nθ = −2·135° = −270° = 90°",
        "z⁻² = 0.5(cos(−270°) + i sin(−270°)) = 0.5i", "exponential form: z⁻² = 0.5·e^(iπ/2)"}},
      {PowerWorking(CalcPower(MakeCplx(0, 4), 0.5), 2, WL::English),
       {"on the positive imaginary axis: θ = 90°", "rⁿ = 4^0.5 = 2", "nθ = 0.5·90° = 45°",
        "z^0.5 = 2(cos 45° + i sin 45°) = 1.41 + 1.41i", "trigonometric form: z^0.5 = 2(cos π/4 + i sin π/4)"}},
  });
}

TEST(Working, RootsEveryK) {
  ExpectLines({
      {RootsWorking(CalcRoots(MakeCplx(0, 8), 3), 2, WL::English),
       {"³√r = ³√8 = 2", "θₖ = (θ + 360°·k)/n = (90° + 360°·k)/3, k = 0, 1, 2",
        "k = 0: θ₀ = (90° + 360°·0)/3 = 30°, w₀ = 2∠30° = 1.73 + i",
        "k = 2: θ₂ = (90° + 360°·2)/3 = 270° = −90°, w₂ = 2∠270° = 2∠−90° = −2i"}},
      {RootsWorking(CalcRoots(MakeCplx(-16, 0), 4), 2, WL::English),
       {"on the negative real axis: θ = 180°", "⁴√r = ⁴√16 = 2",
        "k = 1: θ₁ = (180° + 360°·1)/4 = 135°, w₁ = 2∠135° = −1.41 + 1.41i"}},
      {RootsWorking(CalcRoots(MakeCplx(1, 0), 5), 1, WL::English),
       {"on the positive real axis: θ = 0°", "θₖ = (θ + 360°·k)/n = (0° + 360°·k)/5, k = 0, 1, …, 4",
        "k = 0: θ₀ = (0° + 360°·0)/5 = 0°, w₀ = 1∠0° = 1"}},
  });
}

TEST(Working, FormulaInTheReadersOrder) {
  ExpectLines({
      {CombinedWorking("a*b+c'", {A, B, C}, 2, WL::English),
       {"a·b + c′ = 12 − 3i", "t₂ = c′ = 1 − i (the conjugate changes the sign of the imaginary part)",
        "t₃ = t₁ + t₂ = (11 − 2i) + (1 − i) = (11 + 1) + (−2 + (−1))i = 12 − 3i",
        "result: a·b + c′ = t₃ = 12 − 3i = 12.37∠−14.04°"}},
      {CombinedWorking("(a+b)^2/c-a^-1", {A, B, C}, 2, WL::English),
       {"t₂ = t₁² = 4.47²∠(2·26.57°) = 20∠53.13° = 12 + 16i",
        "t₃ = t₂ ÷ c = (12 + 16i)(1 − i) ÷ ((1 + i)(1 − i)) = (28 + 4i) ÷ 2 = 14 + 2i",
        "t₄ = a⁻¹ = 5⁻¹∠((−1)·53.13°) = 0.2∠−53.13° = 0.12 − 0.16i"}},
      // The sign takes the power: -a^2 is -(a^2).
      {CombinedWorking("-a^2", {MakeCplx(0, 1)}, 2, WL::English),
       {"t₁ = a² = 1²∠(2·90°) = 1∠180° = −1", "t₂ = −t₁ = 0 − (−1) = 1"}},
      {CombinedWorking("a/(b-b)", {A, B}, 2, WL::English),
       {"t₂ = a ÷ t₁",
        "t₁ = 0: dividing by 0 is not defined (the denominator would be 0² + 0² = 0), so the quotient does not "
        "exist"}},
      {CombinedWorking("a+q", {A}, 2, WL::English), {"the formula cannot be read"}},
      {CombinedWorking(std::string(100000, '(') + "a" + std::string(100000, ')'), {A}, 2, WL::English),
       {"the formula cannot be read"}},
  });
}

// The working reaches the value the formula reader gives.
TEST(Working, FormulaEndsAtTheReadersValue) {
  ComplexStore store;
  for (const Cplx& z : {A, B, C}) store.Append(z);
  for (const std::string formula : {"a-b-c", "a/b/c*a", "a^2^(1/2)", "-a'+b^-2", "((a))''*2.5-c^(1,5)"}) {
    Cplx value;
    ASSERT_TRUE(EvalCombined(formula, store, value)) << formula;
    const std::vector<std::string> lines = Lines(CombinedWorking(CombinedCalc{formula, value, store}, 3, WL::English));
    const std::string wanted = " = " + TextbookCart(value, 3) + " = ";
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
      return line.rfind("result: ", 0) == 0 && line.find(wanted) != std::string::npos;
    })) << formula;
  }
}

TEST(Working, HtmlRaisesWhatUnicodeCannot) {
  const std::string html = WorkingHtml(PowerWorking(CalcPower(MakeCplx(0, 4), 0.5), 2, WL::English));
  EXPECT_NE(html.find("e<span style=\"font-size:1px; color:transparent;\">^(</span><sup>iπ/4</sup>"),
            std::string::npos);
  EXPECT_NE(html.find("<b>Power</b>"), std::string::npos);
}

}  // namespace
