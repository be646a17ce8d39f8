// SPDX-License-Identifier: MIT
// The plain and HTML forms of a working.
#include <map>
#include <string_view>

#include "text/ascii.h"
#include "working/working.h"

namespace {

// The UTF-8 characters of a text, one string each.
std::vector<std::string> Characters(std::string_view text) {
  std::vector<std::string> out;
  for (std::size_t k = 0; k < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[k]);
    const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    out.emplace_back(text.substr(k, length));
    k += length;
  }
  return out;
}

const std::map<std::string, std::string>& Raised() {
  static const std::map<std::string, std::string> table = {
      {"0", "⁰"}, {"1", "¹"}, {"2", "²"}, {"3", "³"}, {"4", "⁴"}, {"5", "⁵"}, {"6", "⁶"}, {"7", "⁷"},
      {"8", "⁸"}, {"9", "⁹"}, {"+", "⁺"}, {"−", "⁻"}, {"-", "⁻"}, {"(", "⁽"}, {")", "⁾"}, {"n", "ⁿ"},
      {"i", "ⁱ"}};
  return table;
}

const std::map<std::string, std::string>& Lowered() {
  static const std::map<std::string, std::string> table = {
      {"0", "₀"}, {"1", "₁"}, {"2", "₂"}, {"3", "₃"}, {"4", "₄"}, {"5", "₅"}, {"6", "₆"}, {"7", "₇"},
      {"8", "₈"}, {"9", "₉"}, {"+", "₊"}, {"−", "₋"}, {"-", "₋"}, {"k", "ₖ"}, {"n", "ₙ"}};
  return table;
}

// The text in raised or lowered characters, or "" when one of them has none.
std::string InUnicode(const std::string& text, Script place) {
  const auto& table = place == Script::Super ? Raised() : Lowered();
  std::string out;
  for (const std::string& c : Characters(text)) {
    const auto found = table.find(c);
    if (found == table.end()) return {};
    out += found->second;
  }
  return out;
}

// What stands before and after a run that Unicode cannot raise or lower, in plain text: "^0.5",
// "^(iπ/4)", "^(0.93i)"; only a bare number goes without parentheses.
std::pair<std::string, std::string> Marks(const std::string& text, Script place) {
  bool simple = true;
  for (std::size_t k = text.rfind("−", 0) == 0 ? 3 : 0; k < text.size(); ++k) {
    const char c = text[k];
    if (!(IsDigit(c) || c == '.')) simple = false;
  }
  const std::string mark = place == Script::Super ? "^" : "_";
  if (text.size() > 1 && text.front() == '(' && text.back() == ')') simple = true;
  return simple ? std::make_pair(mark, std::string()) : std::make_pair(mark + "(", std::string(")"));
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string LinePlain(const WorkingLine& line) {
  std::string out;
  for (const WorkingRun& run : line.Runs) {
    if (run.Place == Script::Normal) {
      out += run.Text;
      continue;
    }
    const std::string unicode = InUnicode(run.Text, run.Place);
    if (!unicode.empty()) {
      out += unicode;
      continue;
    }
    const auto [before, after] = Marks(run.Text, run.Place);
    out += before + run.Text + after;
  }
  return out;
}

std::string WorkingPlain(const Working& working) {
  std::string out;
  for (std::size_t k = 0; k < working.size(); ++k) {
    if (k > 0) out += "\n";
    out += LinePlain(working[k]);
  }
  return out;
}

std::string WorkingHtml(const Working& working) {
  // The marks of LinePlain stay in the text in tiny transparent type: the page shows a true
  // superscript, and the text copied or read from it shows "^(…)".
  const std::string hidden = "<span style=\"font-size:1px; color:transparent;\">";
  std::string out;
  for (const WorkingLine& line : working) {
    out += line.Heading ? "<p style=\"margin-top:8px; margin-bottom:2px;\"><b>" : "<p style=\"margin:0;\">";
    for (const WorkingRun& run : line.Runs) {
      if (run.Place == Script::Normal) {
        out += Escaped(run.Text);
        continue;
      }
      const std::string unicode = InUnicode(run.Text, run.Place);
      if (!unicode.empty()) {
        out += unicode;
        continue;
      }
      const auto [before, after] = Marks(run.Text, run.Place);
      const char* tag = run.Place == Script::Super ? "sup" : "sub";
      out += hidden + Escaped(before) + "</span><" + tag + ">" + Escaped(run.Text) + "</" + tag + ">";
      if (!after.empty()) out += hidden + after + "</span>";
    }
    out += line.Heading ? "</b></p>\n" : "</p>\n";
  }
  return out;
}
