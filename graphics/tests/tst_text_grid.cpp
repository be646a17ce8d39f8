// SPDX-License-Identifier: MIT
#include <QLineEdit>
#include <QtTest>

#include <QToolTip>

#include "core/cplx.h"
#include "graphics/text_grid.h"
#include "platform/qtext.h"
#include "text/complex_text.h"
#include "platform/picture_box.h"
#include "platform/twips.h"
#include "platform/testing/environment.h"

namespace {
QPoint PixelOf(const PictureBox& box, double x, double y) {
  const double border = TwipsToPixels(box.surface().Border()) / 2;
  return {qRound(TwipsToPixels(x) + border), qRound(TwipsToPixels(y) + border)};
}

// The texts printed, one per cell: a text starts just inside the left edge of a column.
QStringList Texts(const Surface& surface, double colWidth) {
  QStringList out;
  QString current;
  for (const SurfaceOp& op : surface.Recorded()) {
    if (op.What != SurfaceOp::Kind::Text) continue;
    if (std::fmod(op.X1 - GridTextInsetX, colWidth) == 0) {
      if (!current.isEmpty()) out << current;
      current.clear();
    }
    current += op.Text;
  }
  if (!current.isEmpty()) out << current;
  return out;
}
}  // namespace

class TextGridTests : public QObject {
  Q_OBJECT

 private slots:
  void InitSizesTheSurfaceToTheCellsAndDrawsInnerLines() {
    QWidget window;
    auto* box = new PictureBox(&window, true);
    auto* editor = new QLineEdit(box);
    const double border = box->surface().Border();
    QVERIFY(border > 0);
    if (TwipsPerPixel() == 15) QCOMPARE(border, 60.0);
    box->surface().StartRecording();
    TextGrid grid;
    grid.ReadOnly = true;
    GridInit(grid, box, editor, 4, 2, 2000);
    QCOMPARE(box->surface().Width(), 4000 + border);
    QCOMPARE(box->surface().Height(), 1040 + border);
    QCOMPARE(box->surface().ScaleWidth(), 4000.0);
    QCOMPARE(box->surface().ScaleHeight(), 1040.0);
    QCOMPARE(box->width(), TwipsToPixelsRounded(4000 + border));
    QVERIFY(editor->isHidden());
    QVERIFY(editor->isReadOnly());
    QCOMPARE(grid.Cells.size(), size_t(4));
    QCOMPARE(grid.Cells[3].size(), size_t(2));

    QList<double> horizontal;
    QList<double> vertical;
    for (const SurfaceOp& op : box->surface().Recorded()) {
      if (op.What != SurfaceOp::Kind::Line) continue;
      QCOMPARE(op.Color, QColor(200, 200, 200));
      if (op.Y1 == op.Y2) horizontal << op.Y1;
      else vertical << op.X1;
    }
    QCOMPARE(horizontal, (QList<double>{260, 520, 780}));
    QCOMPARE(vertical, (QList<double>{2000}));
    QCOMPARE(box->surface().ForeColor(), QColor(Qt::black));  // restored
  }

  void ReadOnlyClickSelectsTheCellUnderTheMouse() {
    QWidget window;
    auto* box = new PictureBox(&window, true);
    auto* editor = new QLineEdit(box);
    TextGrid grid;
    grid.ReadOnly = true;
    GridInit(grid, box, editor, 4, 2, 2000);
    connect(box, &PictureBox::MouseDown, box,
            [&grid](Qt::MouseButton, Qt::KeyboardModifiers, double x, double y) { GridMouseDown(grid, x, y); });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(box, Qt::LeftButton, {}, PixelOf(*box, 2500, 600));
    QCOMPARE(grid.CurRow, 2);
    QCOMPARE(grid.CurCol, 1);
    QVERIFY(editor->isHidden());
    // The very last pixel still belongs to the last cell.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 1, box->height() - 1));
    QCOMPARE(grid.CurRow, 3);
    QCOMPARE(grid.CurCol, 1);
  }

  void ClearThenSetShowsExactlyTheNewTexts() {
    QWidget window;
    auto* box = new PictureBox(&window, true);
    auto* editor = new QLineEdit(box);
    TextGrid grid;
    grid.ReadOnly = true;
    GridInit(grid, box, editor, 4, 2, 2000);
    for (int r = 0; r < 4; ++r) GridSetCell(QStringLiteral("old%1").arg(r), grid, r, 1);
    box->surface().StartRecording();
    GridClear(grid);
    QCOMPARE(box->surface().Recorded().front().What, SurfaceOp::Kind::Clear);
    QVERIFY(grid.Cells[2][1].isEmpty());
    const QStringList cells = {"4+2i", "4.47 , 26.6°", "2+6i", "6.32 , 71.6°",
                               "11-2i", "11.18 , -10.3°", "-1+2i", "2.24 , 116.6°"};
    for (int k = 0; k < 8; ++k) GridSetCell(cells[k], grid, k / 2, k % 2);
    QCOMPARE(Texts(box->surface(), grid.ColWidth), cells);
    // Each text stands at the top left of its cell, clear of the lines.
    const auto& ops = box->surface().Recorded();
    const auto printedAt = [&ops](const QString& ch, double x, double y) {
      for (const SurfaceOp& op : ops)
        if (op.What == SurfaceOp::Kind::Text && op.Text == ch && op.X1 == x && op.Y1 == y) return true;
      return false;
    };
    QVERIFY(printedAt(QStringLiteral("-"), GridTextInsetX, 780 + GridTextInsetY));
    QVERIFY(printedAt(QStringLiteral("2"), 2000 + GridTextInsetX, 780 + GridTextInsetY));
    QVERIFY(printedAt(QStringLiteral("4"), GridTextInsetX, GridTextInsetY));
  }

  // The results of Z1 = 123456789012+98765432101i and Z2 = 0.001+0.001i are far wider than their
  // columns: each is cut at its cell's edge, the table keeps its size and its other rows, and the
  // row's tooltip holds the full texts.
  void LongTextsAreCutAtTheirCellAndShownInTheRowTip() {
    QWidget window;
    auto* box = new PictureBox(&window, true);
    auto* editor = new QLineEdit(box);
    box->surface().SetFontName(ResultsTableFontName());
    box->surface().SetFontSize(ResultsTableFontSize);
    TextGrid grid;
    grid.ReadOnly = true;
    GridInit(grid, box, editor, 4, 2, 2000);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize size = box->size();
    const Cplx z1 = MakeCplx(123456789012, 98765432101), z2 = MakeCplx(0.001, 0.001);
    QStringList cart, polar;
    for (int k = 0; k < 4; ++k) {
      const Cplx r = CplxOp(static_cast<OpCode>(k), z1, z2);
      cart << ToQ(CartText(r, 2));
      polar << ToQ(PolarText(r, 2));
      GridSetCell(cart[k], grid, k, 0);
      GridSetCell(polar[k], grid, k, 1);
    }
    QCOMPARE(box->size(), size);
    QCOMPARE(box->surface().ScaleHeight(), 4 * GridRowHeight);

    // No ink on any grid line nor in the pixel beside it, except the lines' own grey; every row
    // still shows ink in both cells.
    const QImage image = box->surface().Image();
    const double ratio = image.devicePixelRatio();
    const auto dark = [&](double xTwips, double yTwips) {
      const QColor c = image.pixelColor(int(TwipsToPixels(xTwips) * ratio), int(TwipsToPixels(yTwips) * ratio));
      return c.lightness() < 150;
    };
    const double pixel = TwipsPerPixel();
    for (int k = 0; k < 4; ++k) {
      const double top = k * GridRowHeight;
      for (double y = top; y < top + GridRowHeight; y += pixel / 2) {
        QVERIFY2(!dark(2000, y) && !dark(2000 - pixel, y), qPrintable(QStringLiteral("row %1 touches the column line").arg(k)));
      }
      for (double x = 0; x < 4000; x += pixel / 2) {
        if (k > 0) QVERIFY2(!dark(x, top), qPrintable(QStringLiteral("ink on the line above row %1").arg(k)));
      }
      for (int col : {0, 1}) {
        bool inked = false;
        for (double x = col * 2000; x < col * 2000 + 2000 && !inked; x += pixel)
          for (double y = top; y < top + GridRowHeight && !inked; y += pixel) inked = dark(x, y);
        QVERIFY2(inked, qPrintable(QStringLiteral("row %1 column %2 is blank").arg(k).arg(col)));
      }
    }

    // The product's cartesian text is cut; its row's tip gives both texts whole. A short row has
    // no tip of its own.
    QVERIFY(grid.Cut[2][0]);
    QCOMPARE(GridRowTip(grid, 2), cart[2] + QLatin1Char('\n') + polar[2]);
    GridClear(grid);
    GridSetCell(QStringLiteral("1+i"), grid, 0, 1);
    GridSetCell(cart[2], grid, 2, 1);
    QCOMPARE(GridRowTip(grid, 0), QString());
    box->setToolTip(QStringLiteral("Dbl Click: incorpora complejo"));
    const auto tipAt = [box](double yTwips) {
      const QPoint at(box->width() / 2, qRound(TwipsToPixels(yTwips)) + 1);
      QHelpEvent help(QEvent::ToolTip, at, box->mapToGlobal(at));
      QApplication::sendEvent(box, &help);
      return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tipAt(2 * GridRowHeight + 100), cart[2] + QLatin1Char('\n') + cart[2]);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    QCOMPARE(tipAt(100), QStringLiteral("Dbl Click: incorpora complejo"));
    QToolTip::hideText();
  }

  void EnterMovesThroughAnEditableGridInReadingOrder() {
    QWidget window;
    auto* box = new PictureBox(&window, true);
    auto* editor = new QLineEdit(box);
    TextGrid grid;
    GridInit(grid, box, editor, 2, 3, 1500);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!editor->isReadOnly());

    GridSelectCell(grid, 0, 2);
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->font().family(), box->surface().FontName());  // writes as the cells do
    QCOMPARE(editor->font().pointSizeF(), box->surface().FontSize());
    QCOMPARE(editor->pos(), QPoint(TwipsToPixelsRounded(2 * 1500 + 15), TwipsToPixelsRounded(15)));
    QTest::keyClicks(editor, QStringLiteral("z^2"));
    QVERIFY(GridEditorKeyDown(grid, 13));
    QCOMPARE(grid.Cells[0][2], QStringLiteral("z^2"));
    QCOMPARE(grid.CurRow, 1);
    QCOMPARE(grid.CurCol, 0);
    QVERIFY(editor->text().isEmpty());  // the next cell's text

    GridSelectCell(grid, 1, 2);
    QVERIFY(GridEditorKeyDown(grid, 13));  // empty: stores "0"
    QCOMPARE(grid.Cells[1][2], QStringLiteral("0"));
    QCOMPARE(grid.CurRow, 0);
    QCOMPARE(grid.CurCol, 0);

    // Reopening a cell shows its text; Esc hides the editor and the next selection commits it.
    GridSelectCell(grid, 0, 2);
    QCOMPARE(editor->text(), QStringLiteral("z^2"));
    editor->clear();
    QTest::keyClicks(editor, QStringLiteral("w"));
    QVERIFY(GridEditorKeyDown(grid, 27));
    QVERIFY(editor->isHidden());
    QCOMPARE(grid.Cells[0][2], QStringLiteral("z^2"));
    box->surface().StartRecording();
    GridSelectCell(grid, 1, 1);
    QCOMPARE(grid.Cells[0][2], QStringLiteral("w"));
    QCOMPARE(Texts(box->surface(), grid.ColWidth), QStringList{QStringLiteral("w")});
  }

  // The table writes in the program's own family, and the results of operands of a few digits,
  // five-digit products included, fit their columns whole.
  void ResultsTableWritesInTheProgramsFamily() {
    const QString name = ResultsTableFontName();
    QCOMPARE(name, QStringLiteral("DejaVu Sans"));
    QWidget window;
    auto* box = new PictureBox(&window, true);
    auto* editor = new QLineEdit(box);
    box->surface().SetFontName(name);
    box->surface().SetFontSize(ResultsTableFontSize);
    TextGrid grid;
    grid.ReadOnly = true;
    GridInit(grid, box, editor, 4, 2, 2000);
    const Cplx z1 = MakeCplx(-123.45, 678.9), z2 = MakeCplx(98.76, -54.32);
    for (int k = 0; k < 4; ++k) {
      const Cplx r = CplxOp(static_cast<OpCode>(k), z1, z2);
      GridSetCell(ToQ(CartText(r, 2)), grid, k, 0);
      GridSetCell(ToQ(PolarText(r, 2)), grid, k, 1);
      for (int col : {0, 1}) QVERIFY2(!grid.Cut[k][col], qPrintable(grid.Cells[k][col] + " cut"));
    }
  }
};

ZORBIT_WINDOW_TEST_MAIN(TextGridTests)
#include "tst_text_grid.moc"
