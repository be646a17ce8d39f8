// SPDX-License-Identifier: MIT
#include "graphics/draw_formula.h"

#include <cmath>

namespace {
const QString Digits = QStringLiteral("0123456789");

// The state of one pass over the text.
struct Pass {
  Surface& surface;
  double s;  // base font size, in points
  double u;  // the base size in surface units: the unit of the offsets and of the line advance
  double& y;
  bool sup = false;
  bool sub = false;
  bool normal = true;

  void ApplyStyle() {
    surface.SetFontSize(normal ? s : s * 4 / 5);
    surface.CurrentY = y;
    if (sup) surface.CurrentY = y - u / 5;
    if (sub) surface.CurrentY = y + u * 2 / 3;  // with both set, the subscript wins
  }

  void EndGroup() {
    sup = false;
    sub = false;
    normal = true;
    ApplyStyle();
  }
};

// The surface's next height when the text runs off its bottom: the old height plus one line,
// cut to whole units. With a tiny font that adds nothing, so at least one unit is added; and
// steps that a reprint would only repeat are taken at once, up to the height that holds the
// line at `lineTop`.
double GrownHeight(const Surface& surface, double lineTop, double u) {
  const double step = u * 1.1;
  const double border = surface.Height() - surface.ScaleHeight();
  double height = surface.Height();
  // Each step keeps the rule of one line at a time; the bound only guards against absurd sizes.
  for (int i = 0; i < 100000; ++i) {
    double next = std::trunc(height + step);
    if (!(next > height)) next = std::floor(height) + 1;
    height = next;
    if (height - border - lineTop >= u) return height;
  }
  return std::ceil(lineTop + u + border);
}
}  // namespace

namespace {
// One line only: no wrapping, no growing.
double PrintFormula(Surface& surface, double x, double& y, const QString& text, bool oneLine) {
  const double s = surface.FontSize();
  // Offsets and line advance are measured in points of the base size, turned into the surface's
  // twips; counting them in bare twips would raise a superscript by less than a pixel and stack
  // wrapped lines on top of each other.
  const double u = s * TwipsPerPoint;
  const double y0 = y;
  // Each growth makes room for at least the line that did not fit, so the passes end; the bound
  // is a second guard.
  for (int passes = 0; passes < 10000; ++passes) {
    Pass pass{surface, s, u, y};
    surface.CurrentX = x;
    surface.CurrentY = y;
    int depth = 0;
    QChar prev = QLatin1Char(' ');
    bool grown = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
      const QChar c = text[i];
      // A character outside the basic plane is printed whole, never as half a surrogate pair.
      QString glyph(c);
      if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) glyph += text[++i];
      pass.normal = !(pass.sup || pass.sub);
      pass.ApplyStyle();
      if (c == QLatin1Char('^')) {
        pass.sup = true;
      } else if (c == QLatin1Char('_')) {
        pass.sub = true;
      } else if (c == QLatin1Char('(')) {
        ++depth;
        if (prev != QLatin1Char('^') && prev != QLatin1Char('_')) surface.Print(QString(c));
      } else if (c == QLatin1Char(')')) {
        if (depth == 1 && !pass.normal) pass.EndGroup();
        else surface.Print(QString(c));
        --depth;
      } else {
        if (!Digits.contains(c) && depth == 0 && !pass.normal) pass.EndGroup();
        surface.Print(glyph);
      }
      prev = c;
      if (oneLine) continue;
      if (surface.CurrentX > 0.98 * surface.ScaleWidth() && pass.normal) {
        surface.CurrentX = x;
        y += u * 1.1;
        surface.CurrentY = y;
      }
      if (surface.ScaleHeight() - y < u) {
        surface.SetOuterSize(surface.Width(), GrownHeight(surface, y, u));
        surface.Clear();
        y = y0;
        grown = true;
        break;
      }
    }
    if (!grown) break;
  }
  surface.SetFontSize(s);
  return surface.CurrentX;
}
}  // namespace

void DrawFormula(Surface& surface, double x, double& y, const QString& text) { PrintFormula(surface, x, y, text, false); }

double DrawFormulaLine(Surface& surface, double x, double y, const QString& text) {
  return PrintFormula(surface, x, y, text, true);
}
