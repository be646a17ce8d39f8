// SPDX-License-Identifier: MIT
#include "worksheet_print/sheet_layout.h"

#include <QFontMetricsF>
#include <QStringList>
#include <functional>
#include <algorithm>
#include <cmath>

#include "graphics/operation_graphs.h"
#include "platform/qtext.h"
#include "platform/surface.h"
#include "graphics/draw_formula.h"
#include "worksheet/sheet_text.h"
#include "worksheet_print/twips_painter.h"

namespace {

const QString Sans = QStringLiteral("DejaVu Sans");
const QColor Grey(110, 110, 110);
const QColor RuleGrey(150, 150, 150);
const QColor WorkingGrey(60, 60, 60);
const QColor FrameGrey(190, 190, 190);

constexpr double Margin = 1134;        // 2 cm all round
constexpr double NumberWidth = 600;    // room for "100." before the text
constexpr double TextPoints = 11;
constexpr double WorkingPoints = 9.5;
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
Block WrappedText(const QString& text, double points, double width, bool bold = false) {
  const QFont font = TwipsFont(Sans, points, bold);
  Block block;
  QString line;
  double top = 0;
  const auto flush = [&] {
    block.Runs.push_back(Run(0, top, line, points, bold));
    top += Pt(points) * LineHeight;
    line.clear();
  };
  // Most lines fit as they are: one measurement instead of one a word.
  const QString simplified = text.simplified();
  if (TwipsTextWidth(font, simplified) <= width) {
    line = simplified;
    if (!line.isEmpty()) flush();
    block.Height = top;
    return block;
  }
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

// What a surface recorded since its last clear: its lines, and its texts joined into runs of one
// size on one line.
Block FromSurface(const Surface& surface, double lineWidth) {
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
        block.Lines.push_back({op.X1, op.Y1, op.X2, op.Y2, op.Color, op.Dotted, lineWidth});
        break;
      case SurfaceOp::Kind::Text: {
        const double top = op.Y1;
        // A text left of the one before starts a new line.
        if (first || op.X1 < lastX) pen = op.X1;
        first = false;
        lastX = op.X1;
        const double x = pen;
        const QFont font = TwipsFont(op.FontName, op.FontSize);
        pen += TwipsTextWidth(font, op.Text);
        if (!block.Runs.empty()) {
          SheetRun& last = block.Runs.back();
          if (last.Points == op.FontSize && last.FontName == op.FontName && last.Color == op.Color &&
              last.Baseline == top + TwipsAscent(font)) {
            last.Text += op.Text;
            break;
          }
        }
        block.Runs.push_back({x, top + TwipsAscent(font), op.Text, op.FontName, op.FontSize, false, op.Color});
        break;
      }
    }
  }
  return block;
}

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
    Block graph = FromSurface(surface, 12);
    graph.Add(Frame(GraphSize, GraphSize, FrameGrey), 0, 0);
    graph.Height = GraphSize;
    graphs.push_back(std::move(graph));
  };
  switch (e.Kind) {
    case ExerciseKind::Binary:
      for (std::size_t op = 0; op < 4; ++op)
        draw([&](Surface& s) { DrawBinaryGraph(s, e.Operands[0], e.Operands[1], e.Answers[op]); });
      break;
    case ExerciseKind::Power:
      // The base as an operand, the power as the result.
      draw([&](Surface& s) { DrawBinaryGraph(s, e.Operands[0], e.Operands[0], e.Answers[0]); });
      break;
    case ExerciseKind::Roots:
      draw([&](Surface& s) { DrawRootsGraph(s, e.Answers[0], e.RootStep, e.RootIndex); });
      break;
    case ExerciseKind::Combined:
    case ExerciseKind::Forms:
      draw([&](Surface& s) {
        s.SetForeColor(ProjectionGrey);
        if (!ShowInGraphPanel(s, e.Answers[0])) ResetGraphPanel(s);
      });
      break;
  }
  return graphs;
}

QString NumberText(std::size_t index) { return QString::number(index + 1) + QLatin1Char('.'); }

double SpaceHeight(WorkSpace space) {
  switch (space) {
    case WorkSpace::None: return 0;
    case WorkSpace::Some: return 2000;   // 3.5 cm
    case WorkSpace::Much: return 4800;   // 8.5 cm
  }
  return 0;
}

Block StatementBlock(std::size_t index, const SheetExercise& e, int language, double width, WorkSpace space) {
  Block block;
  block.Runs.push_back(Run(0, 0, NumberText(index), TextPoints, true));
  const Block text = WrappedText(ToQ(StatementText(e, language)), TextPoints, width - NumberWidth);
  block.Add(text, NumberWidth, 0);
  block.Height = text.Height + SpaceHeight(space);
  return block;
}

Block AnswerBlock(std::size_t index, const SheetExercise& e, const Worksheet& sheet, double width, bool graphs) {
  Block block;
  block.Runs.push_back(Run(0, 0, NumberText(index), TextPoints, true));
  const QFont font = TwipsFont(Sans, TextPoints);
  // Three columns: what is computed, its cartesian form, its polar form.
  const std::vector<AnswerLine> lines = AnswerLines(e, sheet.Decimals);
  double labelWidth = 0, cartWidth = 0, polarWidth = 0;
  QStringList labels, carts, polars;
  for (const AnswerLine& line : lines) {
    labels << ToQ(line.Label);
    carts << QStringLiteral("= ") + ToQ(line.Cart);
    polars << QStringLiteral("= ") + ToQ(line.Polar);
    labelWidth = std::max(labelWidth, TwipsTextWidth(font, labels.back()));
    cartWidth = std::max(cartWidth, TwipsTextWidth(font, carts.back()));
    polarWidth = std::max(polarWidth, TwipsTextWidth(font, polars.back()));
  }
  const double cartX = NumberWidth + std::max(1400.0, labelWidth + ColumnGap);
  double polarX = cartX + std::max(2400.0, cartWidth + ColumnGap);
  // Long answers put the polar form under the cartesian one.
  const bool stacked = polarX + polarWidth > width;
  if (stacked) polarX = cartX;
  const double row = Pt(TextPoints) * LineHeight;
  double top = 0;
  for (qsizetype k = 0; k < labels.size(); ++k) {
    block.Runs.push_back(Run(NumberWidth, top, labels[k], TextPoints));
    block.Runs.push_back(Run(cartX, top, carts[k], TextPoints));
    if (stacked) top += row;
    const qsizetype split = polars[k].indexOf(QStringLiteral(" = "), 2);
    if (stacked && split > 0 && polarX + TwipsTextWidth(font, polars[k]) > width) {
      // The held argument and its principal value, a line each.
      block.Runs.push_back(Run(polarX, top, polars[k].left(split), TextPoints));
      top += row;
      block.Runs.push_back(Run(polarX, top, polars[k].mid(split + 1), TextPoints));
    } else {
      block.Runs.push_back(Run(polarX, top, polars[k], TextPoints));
    }
    top += row;
  }
  if (sheet.Working) {
    top += Pt(WorkingPoints) * 0.3;
    for (const WorkingStep& step : WorkingLines(e, sheet.Decimals, sheet.Language)) {
      // Headings in bold at the answers' indent, the steps under them indented further.
      const double indent = step.Heading ? NumberWidth : NumberWidth + 300;
      Block piece = WrappedText(ToQ(step.Text), WorkingPoints, width - indent);
      for (SheetRun& r : piece.Runs) {
        r.Color = step.Heading ? Qt::black : WorkingGrey;
        r.Bold = step.Heading;
      }
      block.Add(piece, indent, top);
      top += piece.Height;
    }
  }
  const std::vector<Block> drawn = graphs ? Graphs(e) : std::vector<Block>{};
  if (drawn.size() == 1 && !sheet.Working && NumberWidth + polarX + polarWidth + GraphGap <= width - GraphSize) {
    // One graph stands beside the answer lines, at the right edge.
    block.Add(drawn.front(), width - GraphSize, 0);
    top = std::max(top, GraphSize);
  } else if (!drawn.empty()) {
    top += 120;
    double x = NumberWidth;
    for (std::size_t g = 0; g < drawn.size(); ++g) {
      if (x + GraphSize > width) {
        x = NumberWidth;
        top += GraphSize + GraphGap + Pt(SmallPoints) * LineHeight;
      }
      block.Add(drawn[g], x, top);
      if (drawn.size() > 1) {
        // Under each graph of a binary exercise, the operation it shows.
        block.Runs.push_back(Run(x + 60, top + GraphSize + 40, labels[static_cast<qsizetype>(g)], SmallPoints));
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

  void NewPage(int version, bool key) {
    layout_.Pages.emplace_back();
    layout_.Pages.back().Version = version;
    layout_.Pages.back().Key = key;
    y_ = Margin;
  }

  // A heading in large type, something at the right of it, and a rule under both. A heading
  // too long for its line goes on over more lines.
  void Heading(const QString& text, const QString& right) {
    SheetPage& page = layout_.Pages.back();
    const QFont rightFont = TwipsFont(Sans, TextPoints, true);
    const double rightWidth = right.isEmpty() ? 0 : TwipsTextWidth(rightFont, right) + 400;
    const Block title = WrappedText(text, TitlePoints, layout_.Width - 2 * Margin - rightWidth, true);
    for (SheetRun r : title.Runs) {
      r.X += Margin;
      r.Baseline += y_;
      page.Runs.push_back(r);
    }
    if (!right.isEmpty()) {
      SheetRun run = Run(0, 0, right, TextPoints, true);
      run.X = layout_.Width - Margin - TwipsTextWidth(rightFont, right);
      run.Baseline = page.Runs.front().Baseline;
      page.Runs.insert(page.Runs.begin() + 1, run);
    }
    y_ += title.Height - Pt(TitlePoints) * LineHeight + Pt(TitlePoints) * 1.5;
    page.Lines.push_back({Margin, y_, layout_.Width - Margin, y_, RuleGrey, false, 15});
    y_ += 300;
    page.Used = y_;
  }

  void Place(const Block& block, double gap) {
    if (y_ + block.Height > layout_.Bottom && y_ > Margin) NewPage(layout_.Pages.back().Version, layout_.Pages.back().Key);
    SheetPage& page = layout_.Pages.back();
    if (page.Runs.empty() && page.Lines.empty()) page.FirstBlock = block.Height;
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
    page.Used = y_ + block.Height;
    y_ += block.Height + gap;
  }

 private:
  SheetLayout& layout_;
  double y_ = Margin;
};

// A label and a line to write on: "Name: ______".
QString Blank(const QString& label, int length) { return label + QLatin1Char(' ') + QString(length, QLatin1Char('_')); }

}  // namespace

SheetLayout LayOutWorksheet(const Worksheet& sheet, const LayoutOptions& options) {
  SheetLayout layout;
  layout.Title = ToQ(sheet.Title);
  layout.PageSize = options.PageSize;
  const QSizeF points = options.PageSize.size(QPageSize::Point);
  layout.Width = points.width() * TwipsPerPoint;
  layout.Height = points.height() * TwipsPerPoint;
  layout.Bottom = layout.Height - Margin;
  layout.Gap = AnswerGap;
  const double width = layout.Width - 2 * Margin;
  const int lang = sheet.Language;

  Pager pager(layout);
  for (std::size_t v = 0; v < sheet.Versions.size(); ++v) {
    pager.NewPage(static_cast<int>(v), false);
    pager.Heading(ToQ(sheet.Title), ToQ(VersionLabel(sheet, v)));
    const QString name = Blank(ToQ(InSheetLanguage(SheetTexts::Name, lang)), 30);
    const QString date = Blank(ToQ(InSheetLanguage(SheetTexts::Date, lang)), 14);
    Block who{{Run(0, 0, name, TextPoints), Run(width - TwipsTextWidth(TwipsFont(Sans, TextPoints), date), 0, date, TextPoints)}, {}, Pt(TextPoints) * LineHeight};
    pager.Place(who, 240);
    if (!sheet.Instructions.empty()) {
      Block instructions = WrappedText(ToQ(sheet.Instructions), TextPoints, width);
      pager.Place(instructions, 240);
    }
    const auto& exercises = sheet.Versions[v].Exercises;
    for (std::size_t i = 0; i < exercises.size(); ++i)
      pager.Place(StatementBlock(i, exercises[i], lang, width, options.Space), ExerciseGap);
  }

  layout.FirstAnswerPage = static_cast<int>(layout.Pages.size());
  for (std::size_t v = 0; v < sheet.Versions.size(); ++v) {
    pager.NewPage(static_cast<int>(v), true);
    pager.Heading(ToQ(AnswersHeading(sheet, v)), ToQ(sheet.Title));
    const auto& exercises = sheet.Versions[v].Exercises;
    for (std::size_t i = 0; i < exercises.size(); ++i)
      pager.Place(AnswerBlock(i, exercises[i], sheet, width, options.Graphs), AnswerGap);
  }

  // The foot of every page: the title, the version, the seed that makes the sheet again, and
  // the page number.
  const int count = static_cast<int>(layout.Pages.size());
  const QFont small = TwipsFont(Sans, SmallPoints);
  const double foot = layout.Height - Margin + 500;
  const QString dot = QStringLiteral("  \u00b7  ");
  for (int p = 0; p < count; ++p) {
    SheetPage& page = layout.Pages[static_cast<std::size_t>(p)];
    QString left = ToQ(sheet.Title);
    const QString version = ToQ(VersionLabel(sheet, static_cast<std::size_t>(page.Version)));
    if (!version.isEmpty()) left += dot + version;
    left += dot + ToQ(InSheetLanguage(SheetTexts::Seed, lang)) + QLatin1Char(' ') + QString::number(sheet.Seed);
    const QString number = ToQ(InSheetLanguage(SheetTexts::Page, lang)).arg(p + 1).arg(count);
    // A long title gives way to the page number.
    left = QFontMetricsF(small).elidedText(left, Qt::ElideMiddle, width - TwipsTextWidth(small, number) - 400);
    SheetRun leftRun = Run(Margin, 0, left, SmallPoints, false, Grey);
    leftRun.Baseline = foot;
    SheetRun right = Run(layout.Width - Margin - TwipsTextWidth(small, number), 0, number, SmallPoints, false, Grey);
    right.Baseline = foot;
    page.Runs.push_back(leftRun);
    page.Runs.push_back(right);
  }
  return layout;
}
