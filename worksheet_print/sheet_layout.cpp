// SPDX-License-Identifier: MIT
#include "worksheet_print/sheet_layout.h"

#include <QHash>
#include <QStringList>
#include <functional>
#include <algorithm>
#include <cmath>

#include "graphics/draw_formula.h"
#include "graphics/operation_graphs.h"
#include "platform/qtext.h"
#include "platform/surface.h"
#include "text/complex_text.h"
#include "worksheet_print/twips_painter.h"

namespace {

const QString Sans = QStringLiteral("DejaVu Sans");
const QColor Grey(110, 110, 110);
const QColor RuleGrey(150, 150, 150);
const QColor FrameGrey(190, 190, 190);

constexpr double Margin = 1134;        // 2 cm all round
constexpr double NumberWidth = 600;    // room for "100." before the text
constexpr double TextPoints = 11;
constexpr double FormulaPoints = 12;
constexpr double TitlePoints = 16;
constexpr double SmallPoints = 8;
constexpr double LineHeight = 1.45;    // a line of text, in font sizes
constexpr double ExerciseGap = 300;
constexpr double AnswerGap = 220;
constexpr double GraphSize = 1700;     // a graph is 1.18 inch square
constexpr double GraphGap = 260;
constexpr double ColumnGap = 360;

double Pt(double points) { return points * TwipsPerPoint; }

// Text and lines placed relative to the top left corner of a block that is kept on one page.
struct Block {
  std::vector<SheetRun> Runs;
  std::vector<SheetLine> Lines;
  double Height = 0;

  void Add(const Block& other, double dx, double dy) {
    for (SheetRun r : other.Runs) {
      r.X += dx;
      r.Baseline += dy;
      Runs.push_back(std::move(r));
    }
    for (SheetLine l : other.Lines) {
      l.X1 += dx;
      l.X2 += dx;
      l.Y1 += dy;
      l.Y2 += dy;
      Lines.push_back(l);
    }
  }
};

SheetRun Run(double x, double top, const QString& text, double points, bool bold = false, QColor color = Qt::black) {
  const QFont font = TwipsFont(Sans, points, bold);
  return {x, top + TwipsAscent(font), text, Sans, points, bold, color};
}

// Plain text broken between words so that every line fits `width`.
Block WrappedText(const QString& text, double points, double width) {
  const QFont font = TwipsFont(Sans, points);
  Block block;
  QString line;
  double top = 0;
  const auto flush = [&] {
    block.Runs.push_back(Run(0, top, line, points));
    top += Pt(points) * LineHeight;
    line.clear();
  };
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && TwipsTextWidth(font, longer) > width) {
      flush();
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.isEmpty()) flush();
  block.Height = top;
  return block;
}

// Typesets formulas with the formula renderer on a scratch surface and keeps what it drew, so
// that the same drawing reaches paper as text runs. Formulas that come again (the labels of
// every binary answer) are set once.
class FormulaSetter {
 public:
  Block Set(const QString& markup, double points, double width) {
    const QString key = markup + QChar(0x1f) + QString::number(points) + QChar(0x1f) + QString::number(width);
    if (const auto found = cache_.constFind(key); found != cache_.constEnd()) return *found;
    const double u = Pt(points);
    if (surface_.ScaleWidth() != width) surface_.SetScaleSize(width, 3 * u);
    surface_.Clear();
    surface_.SetForeColor(Qt::black);
    surface_.SetFontSize(points);
    surface_.StartRecording();
    double y = 0;
    DrawFormula(surface_, 0, y, markup);
    Block block = FromSurface(surface_, 0, 0);
    block.Height = y + u * LineHeight;
    cache_.insert(key, block);
    return block;
  }

  // What a surface recorded since its last clear: its lines, and its texts joined into runs of
  // one size on one line.
  static Block FromSurface(const Surface& surface, double dx, double dy, double lineWidth = 10) {
    Block block;
    // The surface advanced its texts by their widths on the screen; on paper each piece follows
    // the one before by its width on paper, so a line neither gapes nor overlaps.
    double pen = 0;
    double lastX = 0;
    bool first = true;
    for (const SurfaceOp& op : surface.Recorded()) {
      switch (op.What) {
        case SurfaceOp::Kind::Clear:
          block = Block{};
          first = true;
          break;
        case SurfaceOp::Kind::Line:
          block.Lines.push_back(
              {op.X1 + dx, op.Y1 + dy, op.X2 + dx, op.Y2 + dy, op.Color, op.Dotted || op.Dashed, lineWidth * op.Width});
          break;
        case SurfaceOp::Kind::Text: {
          const double top = op.Y1 + dy;
          // A text that does not start where the one before ended stands on its own: a new line
          // of a wrapped formula, or a label of a graph.
          const bool continued = !first && std::fabs(op.X1 - lastX) <= 0.5;
          if (!continued) pen = op.X1 + dx;
          first = false;
          lastX = op.X2;
          const double x = pen;
          pen += TwipsTextWidth(TwipsFont(op.FontName, op.FontSize), op.Text);
          if (continued && !block.Runs.empty()) {
            SheetRun& last = block.Runs.back();
            if (last.Points == op.FontSize && last.FontName == op.FontName && last.Color == op.Color &&
                last.Baseline == top + TwipsAscent(TwipsFont(op.FontName, op.FontSize))) {
              last.Text += op.Text;
              break;
            }
          }
          const QFont font = TwipsFont(op.FontName, op.FontSize);
          block.Runs.push_back({x, top + TwipsAscent(font), op.Text, op.FontName, op.FontSize, false, op.Color});
          break;
        }
      }
    }
    return block;
  }

 private:
  Surface surface_{1000, 1000};
  QHash<QString, Block> cache_;
};

Block Frame(double w, double h, const QColor& color) {
  Block b;
  b.Lines = {{0, 0, w, 0, color, false, 10}, {w, 0, w, h, color, false, 10},
             {w, h, 0, h, color, false, 10}, {0, h, 0, 0, color, false, 10}};
  b.Height = h;
  return b;
}

// The graphs of an answer, drawn as the graph windows and the graph panel draw them.
std::vector<Block> Graphs(const SheetExercise& e) {
  std::vector<Block> graphs;
  const auto draw = [&graphs](const std::function<void(Surface&)>& paint) {
    Surface surface(GraphSize, GraphSize);
    surface.StartRecording();
    paint(surface);
    Block graph = FormulaSetter::FromSurface(surface, 0, 0, 12);
    graph.Add(Frame(GraphSize, GraphSize, FrameGrey), 0, 0);
    graph.Height = GraphSize;
    graphs.push_back(std::move(graph));
  };
  switch (e.Kind) {
    case ExerciseKind::Binary:
      for (std::size_t op = 0; op < 4; ++op)
        draw([&](Surface& s) { DrawBinaryGraph(s, static_cast<OpCode>(op), e.Operands[0], e.Operands[1], e.Answers[op]); });
      break;
    case ExerciseKind::Power:
      draw([&](Surface& s) { DrawPowerGraph(s, e.Operands[0], e.Exponent, e.Answers[0]); });
      break;
    case ExerciseKind::Roots:
      draw([&](Surface& s) { DrawRootsGraph(s, e.Answers[0], e.RootStep, e.RootIndex); });
      break;
    case ExerciseKind::Combined:
      draw([&](Surface& s) {
        s.SetForeColor(ProjectionGrey);
        if (!ShowInGraphPanel(s, e.Answers[0])) ResetGraphPanel(s);
      });
      break;
  }
  return graphs;
}

QString NumberText(std::size_t index) { return QString::number(index + 1) + QLatin1Char('.'); }

Block StatementBlock(std::size_t index, const SheetExercise& e, double width, FormulaSetter& setter) {
  Block block;
  block.Runs.push_back(Run(0, 0, NumberText(index), TextPoints, true));
  const double textWidth = width - NumberWidth;
  double top = 0;
  QStringList lines = ToQ(e.Text.Statement).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  if (e.Kind == ExerciseKind::Combined && lines.size() > 1) {
    // The letters on one line, each once, however often the formula names it.
    QStringList letters = lines.mid(1);
    letters.removeDuplicates();
    lines = QStringList{lines.front(), letters.join(QStringLiteral(", "))};
  }
  for (const QString& line : lines) {
    const QString markup = StatementMarkup(e, line);
    const bool typeset = markup.contains(QLatin1Char('^')) || markup.contains(QLatin1Char('_'));
    const Block piece = typeset ? setter.Set(markup, TextPoints, textWidth) : WrappedText(markup, TextPoints, textWidth);
    block.Add(piece, NumberWidth, top);
    top += piece.Height;
  }
  const QString formula = ExerciseFormulaMarkup(e);
  if (!formula.isEmpty()) {
    top += Pt(TextPoints) * 0.25;
    const Block piece = setter.Set(formula, FormulaPoints, textWidth - NumberWidth);
    block.Add(piece, 2 * NumberWidth, top);
    top += piece.Height;
  }
  block.Height = top;
  return block;
}

Block AnswerBlock(std::size_t index, const SheetExercise& e, int decimals, double width, bool graphs,
                  FormulaSetter& setter) {
  Block block;
  block.Runs.push_back(Run(0, 0, NumberText(index), TextPoints, true));
  const QFont font = TwipsFont(Sans, TextPoints);
  // Three columns: what is computed, its cartesian form, its polar form.
  double labelWidth = 0, cartWidth = 0;
  std::vector<Block> labels;
  QStringList carts, polars;
  for (std::size_t k = 0; k < e.Answers.size(); ++k) {
    labels.push_back(setter.Set(AnswerLabelMarkup(e, k), TextPoints, width));
    double right = 0;
    for (const SheetRun& r : labels.back().Runs) right = std::max(right, r.X + TwipsTextWidth(TwipsFont(r.FontName, r.Points), r.Text));
    labelWidth = std::max(labelWidth, right);
    carts << QStringLiteral("= ") + ToQ(CartText(e.Answers[k], decimals));
    polars << QStringLiteral("= ") + ToQ(PolarText(e.Answers[k], decimals));
    cartWidth = std::max(cartWidth, TwipsTextWidth(font, carts.back()));
  }
  const double cartX = NumberWidth + std::max(2000.0, labelWidth + ColumnGap);
  double polarX = cartX + std::max(2800.0, cartWidth + ColumnGap);
  // Long answers put the polar form under the cartesian one.
  double polarWidth = 0;
  for (const QString& p : polars) polarWidth = std::max(polarWidth, TwipsTextWidth(font, p));
  const bool stacked = polarX + polarWidth > width;
  if (stacked) polarX = cartX;
  const double row = Pt(TextPoints) * LineHeight;
  double top = 0;
  for (std::size_t k = 0; k < e.Answers.size(); ++k) {
    block.Add(labels[k], NumberWidth, top);
    block.Runs.push_back(Run(cartX, top, carts[static_cast<qsizetype>(k)], TextPoints));
    if (stacked) top += row;
    block.Runs.push_back(Run(polarX, top, polars[static_cast<qsizetype>(k)], TextPoints));
    top += row;
  }
  if (graphs && e.Answers.size() > 0 && e.Kind != ExerciseKind::Binary && polarX + polarWidth + GraphGap <= width - GraphSize) {
    // One graph stands beside the answer lines, at the right edge.
    block.Add(Graphs(e).front(), width - GraphSize, 0);
    top = std::max(top, GraphSize);
  } else if (graphs) {
    top += 120;
    double x = NumberWidth;
    const std::vector<Block> drawn = Graphs(e);
    for (std::size_t g = 0; g < drawn.size(); ++g) {
      if (x + GraphSize > width) {
        x = NumberWidth;
        top += GraphSize + GraphGap + Pt(SmallPoints) * LineHeight;
      }
      block.Add(drawn[g], x, top);
      if (drawn.size() > 1) {
        // Under each graph of a binary exercise, the operation it shows.
        const Block caption = setter.Set(AnswerLabelMarkup(e, g), SmallPoints, GraphSize);
        block.Add(caption, x + 60, top + GraphSize + 40);
      }
      x += GraphSize + GraphGap;
    }
    top += GraphSize + (drawn.size() > 1 ? Pt(SmallPoints) * LineHeight + 40 : 0);
  }
  block.Height = top;
  return block;
}

// Places blocks down the pages, starting a new page when one does not fit.
class Pager {
 public:
  explicit Pager(SheetLayout& layout) : layout_(layout) {}

  SheetPage& NewPage() {
    layout_.Pages.emplace_back();
    y_ = Margin;
    return layout_.Pages.back();
  }

  void Heading(const QString& text, const QString& right) {
    SheetPage& page = NewPage();
    const Block title{{Run(Margin, y_, text, TitlePoints, true)}, {}, 0};
    for (const SheetRun& r : title.Runs) page.Runs.push_back(r);
    if (!right.isEmpty()) {
      const QFont font = TwipsFont(Sans, TextPoints);
      SheetRun run = Run(0, 0, right, TextPoints);
      run.X = layout_.Width - Margin - TwipsTextWidth(font, right);
      run.Baseline = page.Runs.back().Baseline;
      page.Runs.push_back(run);
    }
    y_ += Pt(TitlePoints) * 1.5;
    page.Lines.push_back({Margin, y_, layout_.Width - Margin, y_, RuleGrey, false, 15});
    y_ += 360;
  }

  void Place(const Block& block, double gap) {
    const double bottom = layout_.Height - Margin;
    if (y_ + block.Height > bottom && y_ > Margin) NewPage();
    SheetPage& page = layout_.Pages.back();
    for (SheetRun r : block.Runs) {
      r.X += Margin;
      r.Baseline += y_;
      page.Runs.push_back(std::move(r));
    }
    for (SheetLine l : block.Lines) {
      l.X1 += Margin;
      l.X2 += Margin;
      l.Y1 += y_;
      l.Y2 += y_;
      page.Lines.push_back(l);
    }
    y_ += block.Height + gap;
  }

 private:
  SheetLayout& layout_;
  double y_ = Margin;
};

}  // namespace

QString StatementMarkup(const SheetExercise& e, const QString& line) {
  QString markup = line;
  switch (e.Kind) {
    case ExerciseKind::Binary:
      markup.replace(QStringLiteral("z1"), QStringLiteral("z_1")).replace(QStringLiteral("z2"), QStringLiteral("z_2"));
      markup.replace(QStringLiteral("_1*z"), QStringLiteral("_1\u00b7z"));
      break;
    case ExerciseKind::Combined:
      markup.replace(QLatin1Char('*'), QChar(0x00b7));
      break;
    default:
      break;
  }
  return markup;
}

QString ExerciseFormulaMarkup(const SheetExercise& e) {
  const QString base = QLatin1Char('(') + ToQ(CartText(e.Operands.front())) + QLatin1Char(')');
  switch (e.Kind) {
    case ExerciseKind::Power: {
      QString exponent = ToQ(PlainNumber(e.Exponent));
      if (e.Exponent == 0.5) exponent = QStringLiteral("1/2");
      const bool plain = exponent.size() == 1;
      return QStringLiteral("Z^") + (plain ? exponent : QLatin1Char('(') + exponent + QLatin1Char(')')) +
             QStringLiteral(" = ") + base + QLatin1Char('^') + (plain ? exponent : QLatin1Char('(') + exponent + QLatin1Char(')'));
    }
    case ExerciseKind::Roots:
      // A raised index before the radical sign; the square root goes without one.
      return (e.RootIndex == 2 ? QString() : QLatin1Char('^') + QString::number(e.RootIndex)) + QChar(0x221a) + base;
    default:
      return {};
  }
}

QString AnswerLabelMarkup(const SheetExercise& e, std::size_t answer) {
  switch (e.Kind) {
    case ExerciseKind::Binary: {
      static const QString ops[] = {QStringLiteral("+"), QStringLiteral("\u2212"), QStringLiteral("\u00b7"),
                                    QStringLiteral("\u00f7")};
      return QStringLiteral("z_1 ") + ops[std::min<std::size_t>(answer, 3)] + QStringLiteral(" z_2");
    }
    case ExerciseKind::Power: {
      const QString formula = ExerciseFormulaMarkup(e);
      return formula.left(formula.indexOf(QStringLiteral(" = ")));
    }
    case ExerciseKind::Roots: return QStringLiteral("w_") + QString::number(answer);
    case ExerciseKind::Combined: return StatementMarkup(e, ToQ(e.Formula));
  }
  return {};
}

SheetLayout LayOutWorksheet(const Worksheet& sheet, const LayoutOptions& options) {
  SheetLayout layout;
  layout.PageSize = options.PageSize;
  const QSizeF points = options.PageSize.size(QPageSize::Point);
  layout.Width = points.width() * TwipsPerPoint;
  layout.Height = points.height() * TwipsPerPoint;
  const double width = layout.Width - 2 * Margin;

  FormulaSetter setter;
  Pager pager(layout);
  pager.Heading(SheetTitle, QStringLiteral("Name: ") + QString(24, QLatin1Char('_')));
  for (std::size_t i = 0; i < sheet.Exercises.size(); ++i)
    pager.Place(StatementBlock(i, sheet.Exercises[i], width, setter), ExerciseGap);

  pager.Heading(QStringLiteral("Answers"), QString());
  layout.FirstAnswerPage = static_cast<int>(layout.Pages.size()) - 1;
  for (std::size_t i = 0; i < sheet.Exercises.size(); ++i)
    pager.Place(AnswerBlock(i, sheet.Exercises[i], sheet.Decimals, width, options.Graphs, setter), AnswerGap);

  // The foot of every page: the seed that makes the sheet again, and the page number.
  const int count = static_cast<int>(layout.Pages.size());
  const QFont small = TwipsFont(Sans, SmallPoints);
  const double foot = layout.Height - Margin + 500;
  for (int p = 0; p < count; ++p) {
    SheetPage& page = layout.Pages[static_cast<std::size_t>(p)];
    SheetRun left = Run(Margin, 0, SheetTitle + QStringLiteral("  \u00b7  seed ") + QString::number(sheet.Seed),
                        SmallPoints, false, Grey);
    left.Baseline = foot;
    const QString number = QStringLiteral("Page %1 of %2").arg(p + 1).arg(count);
    SheetRun right = Run(layout.Width - Margin - TwipsTextWidth(small, number), 0, number, SmallPoints, false, Grey);
    right.Baseline = foot;
    page.Runs.push_back(left);
    page.Runs.push_back(right);
  }
  return layout;
}
