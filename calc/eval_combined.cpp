// SPDX-License-Identifier: MIT
#include "calc/eval_combined.h"

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/power_root.h"
#include "text/eval_real.h"
#include "text/formula_text.h"
#include "text/parse.h"

namespace {

constexpr std::string_view Operators = "+-*/^'";

bool Eval(std::string_view s, const ComplexStore& store, Cplx& z, int depth);

// "*" and "/" group to the right (a/b/c is a/(b/c)), and when they are the loosest operators
// present the right side splits again at the next one. A right side could first lose a pair of
// outer parentheses and read otherwise only if the text closes more parentheses than it opens,
// so for any other text the chain is folded from the right in one pass, which keeps long
// products off the stack and out of repeated scans.
bool FoldProducts(std::string_view s, const ComplexStore& store, Cplx& z, int depth) {
  std::vector<std::size_t> splits;
  std::ptrdiff_t level = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '(') {
      ++level;
    } else if (s[i] == ')') {
      --level;
    } else if (level == 0 && OperatorClass(s[i]) == 1) {
      splits.push_back(i);
    }
  }
  Cplx right;
  if (!Eval(s.substr(splits.back() + 1), store, right, depth + 1)) return false;
  for (std::size_t j = splits.size(); j-- > 0;) {
    const std::size_t from = j == 0 ? 0 : splits[j - 1] + 1;
    Cplx left;
    if (!Eval(s.substr(from, splits[j] - from), store, left, depth + 1)) return false;
    right = CplxOp(s[splits[j]] == '*' ? OpMultiply : OpDivide, left, right);
  }
  z = right;
  return true;
}

bool Eval(std::string_view s, const ComplexStore& store, Cplx& z, int depth) {
  if (s.empty() || depth > MaxEvalCombinedDepth) return false;

  // One pair of outer parentheses goes, but only when no other "(" follows the first: (a)+(b)
  // stays whole, and ((a+b)) is not unwrapped at all.
  if (s.front() == '(' && s.back() == ')' && s.find('(', 1) == std::string_view::npos) {
    s = s.substr(1, s.size() - 2);
  }

  if (s.find_first_of(Operators) == std::string_view::npos) {
    // "3i" reads as the real 3; the constant 0 does not exist, so "0" goes on and fails below.
    const double x = LeadingNumber(s);
    z = MakeCplx(x, 0);
    if (x != 0) return true;
  }

  if (s.size() == 1) {
    const int k = static_cast<unsigned char>(s.front()) - 64;
    if (k < 0 || k > 64 || k > store.Count()) return false;
    z = store.At(k);
    return true;
  }

  // The first top-level operator of the loosest class present; nothing is looser than class 0.
  std::ptrdiff_t level = 0;
  std::size_t split = std::string_view::npos;
  int splitClass = 4;
  const char* const begin = s.data();
  for (const char* p = begin; p != begin + s.size() && splitClass > 0; ++p) {
    if (*p == '(') {
      ++level;
    } else if (*p == ')') {
      --level;
    } else if (level == 0) {
      const int opClass = OperatorClass(*p);
      if (opClass >= 0 && opClass < splitClass) {
        split = static_cast<std::size_t>(p - begin);
        splitClass = opClass;
      }
    }
  }
  if (split == std::string_view::npos) return false;
  // The scan went to the end (only class 0 stops it early), so level is the final depth.
  if (splitClass == 1 && level >= 0) return FoldProducts(s, store, z, depth);

  const std::string_view left = s.substr(0, split);
  const std::string_view right = s.substr(split + 1);
  const char op = s[split];
  if (op == '^') {
    // The exponent is read after upper-casing, so "pi" and "x" mean nothing in it.
    double n = 0;
    if (!ParseReal(StripParens(right), n)) return false;
    if (!Eval(left, store, z, depth + 1)) return false;
    z = CplxPower(z, n);
    return true;
  }
  if (op == '\'') {
    // Whatever follows the conjugate is ignored.
    if (!Eval(left, store, z, depth + 1)) return false;
    z = Conjugate(z);
    return true;
  }
  Cplx l;
  Cplx r;
  if (!Eval(right, store, r, depth + 1) || !Eval(left, store, l, depth + 1)) return false;
  z = CplxOp(static_cast<OpCode>(Operators.find(op)), l, r);
  return true;
}

}  // namespace

bool EvalCombined(const std::string& text, const ComplexStore& store, Cplx& z) {
  std::string upper = text;
  // Upper-casing once here is the same as at every level: the steps before it ignore case.
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  try {
    return Eval(upper, store, z, 0);
  } catch (const ArithmeticError&) {
    return false;
  }
}
