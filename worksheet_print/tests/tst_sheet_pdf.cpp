// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "exercises/sheet_file.h"
#include "platform/qtext.h"
#include "platform/testing/file_bytes.h"
#include "text/complex_text.h"
#include "worksheet_print/sheet_layout.h"
#include "worksheet_print/sheet_output.h"
#include "worksheet_print/tests/sheet_test_support.h"
#include "worksheet_print/twips_painter.h"
#include "platform/testing/environment.h"

namespace {

// Where `needle` is found in `text` at or after `from`; -1 when it is not.
qsizetype After(const QString& text, const QString& needle, qsizetype from) {
  return from < 0 ? -1 : text.indexOf(needle, from);
}

// An exercise number as it starts a line; "1." alone is also in "71.6°".
QString Number(std::size_t i) { return QLatin1Char('\n') + QString::number(i + 1) + QLatin1Char('.'); }

}  // namespace

class SheetPdfTest : public QObject {
  Q_OBJECT

 private slots:
  void StatementsAreNumberedAndTheAnswersFollowWithTheSameNumbers() {
    QTemporaryDir dir;
    const Worksheet sheet = SeededSheet(2024, {3, 3, 3, 3}, 3);
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QString error;
    QVERIFY2(WriteSheetPdf(pdf, LayOutWorksheet(sheet, {}), &error), qPrintable(error));
    const QString text = PdfText(pdf);
    QVERIFY(text.startsWith(SheetTitle));

    const qsizetype answers = text.indexOf(QStringLiteral("Answers"));
    QVERIFY(answers > 0);
    // The statements in order before "Answers", each with its first operand.
    qsizetype at = 0;
    for (std::size_t i = 0; i < sheet.Exercises.size(); ++i) {
      at = After(text, Number(i), at);
      QVERIFY2(at >= 0 && at < answers, qPrintable(Number(i)));
      const QString operand = ToQ(CartText(sheet.Exercises[i].Operands.front()));
      at = After(text, operand, at);
      QVERIFY2(at >= 0 && at < answers, qPrintable(Number(i) + QLatin1Char(' ') + operand));
    }
    // The answers in the same order after it, each with every value in both forms with 3
    // decimals between its number and the next.
    at = answers;
    for (std::size_t i = 0; i < sheet.Exercises.size(); ++i) {
      at = After(text, Number(i), at);
      QVERIFY2(at > answers, qPrintable(QStringLiteral("answer ") + Number(i)));
      const qsizetype next = i + 1 < sheet.Exercises.size() ? After(text, Number(i + 1), at) : text.size();
      QVERIFY(next > at);
      const QString block = text.mid(at, next - at);
      for (const Cplx& z : sheet.Exercises[i].Answers) {
        for (const QString& form : {ToQ(CartText(z, 3)), ToQ(PolarText(z, 3))})
          QVERIFY2(block.contains(QStringLiteral("= ") + form), qPrintable(Number(i) + QLatin1Char(' ') + form));
      }
    }
    // The answers begin on a page of their own.
    QVERIFY(text.lastIndexOf(QLatin1Char('\f'), answers) > text.lastIndexOf(Number(sheet.Exercises.size() - 1), answers));
  }

  void MoreExercisesTakeMorePages() {
    QTemporaryDir dir;
    int last = 0;
    for (const int n : {4, 40, 120}) {
      const QString pdf = dir.filePath(QStringLiteral("sheet%1.pdf").arg(n));
      QVERIFY(WriteSheetPdf(pdf, LayOutWorksheet(SeededSheet(5, SpreadCounts(n, {true, true, true, true})), {})));
      const int pages = PdfPages(pdf);
      QVERIFY2(pages > last, qPrintable(QStringLiteral("%1 exercises, %2 pages").arg(n).arg(pages)));
      last = pages;
    }
    QVERIFY(last >= 6);
  }

  void EverythingStaysOnThePaperInsideItsMargins() {
    for (const bool graphs : {false, true}) {
      for (const QPageSize& paper : {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)}) {
        const Worksheet sheet = SeededSheet(77, {6, 6, 6, 6}, 9);
        const SheetLayout layout = LayOutWorksheet(sheet, {paper, graphs});
        QVERIFY(layout.FirstAnswerPage > 0);
        QCOMPARE(layout.Pages[static_cast<std::size_t>(layout.FirstAnswerPage)].Runs.front().Text, QStringLiteral("Answers"));
        const double left = 1000, right = layout.Width - 1000, top = 1000, bottom = layout.Height - 400;
        for (const SheetPage& page : layout.Pages) {
          for (const SheetRun& r : page.Runs) {
            const double end = r.X + TwipsTextWidth(TwipsFont(r.FontName, r.Points, r.Bold), r.Text);
            QVERIFY2(r.X >= left && end <= right && r.Baseline >= top && r.Baseline <= bottom, qPrintable(r.Text));
          }
          for (const SheetLine& l : page.Lines) {
            for (const double x : {l.X1, l.X2}) QVERIFY(x >= left && x <= right);
            for (const double y : {l.Y1, l.Y2}) QVERIFY(y >= top && y <= bottom - 500);
          }
        }
      }
    }
  }

  void GraphsAreVectorLinesNotPictures() {
    QTemporaryDir dir;
    const Worksheet sheet = SeededSheet(8, {1, 1, 1, 1});
    const SheetLayout plain = LayOutWorksheet(sheet, {});
    const SheetLayout drawn = LayOutWorksheet(sheet, {QPageSize(QPageSize::A4), true});
    std::size_t plainLines = 0, drawnLines = 0, dotted = 0, red = 0;
    for (const SheetPage& p : plain.Pages) plainLines += p.Lines.size();
    for (const SheetPage& p : drawn.Pages) {
      drawnLines += p.Lines.size();
      for (const SheetLine& l : p.Lines) {
        dotted += l.Dotted ? 1 : 0;
        red += l.Color == QColor(240, 0, 0) ? 1 : 0;
      }
    }
    // Axes, arrows, dotted projections and the results in red, for 4 + 1 + 1 + 1 graphs.
    QVERIFY(drawnLines > plainLines + 7 * 10);
    QVERIFY(dotted >= 7 * 2);
    QVERIFY(red >= 5 * 3);
    const QString pdf = dir.filePath(QStringLiteral("graphs.pdf"));
    QVERIFY(WriteSheetPdf(pdf, drawn));
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    QVERIFY(images.waitForFinished(20000));
    // The listing is two heading lines and one line per embedded picture.
    QCOMPARE(QString::fromUtf8(images.readAllStandardOutput()).trimmed().split(QLatin1Char('\n')).size(), 2);
  }

  void TheTextFormIsTheExerciseWindowsSheetFormat() {
    QTemporaryDir dir;
    const Worksheet sheet = SeededSheet(31, {2, 2, 2, 2}, 4);
    const QString path = dir.filePath(QStringLiteral("sheet.txt"));
    WriteAll(path, "left over from before");
    QString error;
    QVERIFY2(WriteSheetText(path, sheet, &error), qPrintable(error));
    QByteArray expected;
    for (std::size_t i = 0; i < sheet.Exercises.size(); ++i) {
      const SheetExercise& e = sheet.Exercises[i];
      expected += SheetBlock({std::to_string(i + 1) + ". " + e.Text.Statement, AnswerText(e, 4)});
    }
    QCOMPARE(ReadAll(path), expected);
    QVERIFY(QString::fromUtf8(expected).contains(QStringLiteral("\u00b0")));
  }

  void AFileThatCannotBeWrittenIsReportedAndNothingIsLeft() {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no such folder/sheet"));
    const Worksheet sheet = SeededSheet(1, {1, 0, 0, 0});
    QString error;
    QVERIFY(!WriteSheetPdf(missing + QStringLiteral(".pdf"), LayOutWorksheet(sheet, {}), &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(!WriteSheetText(missing + QStringLiteral(".txt"), sheet, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
  }

  void FormulasAreTypesetWithTheRenderersMarkup() {
    SheetExercise power;
    power.Kind = ExerciseKind::Power;
    power.Operands = {MakeCplx(3, -4)};
    power.Exponent = 0.5;
    QCOMPARE(ExerciseFormulaMarkup(power), QStringLiteral("Z^(1/2) = (3-4i)^(1/2)"));
    power.Exponent = -1;
    QCOMPARE(AnswerLabelMarkup(power, 0), QStringLiteral("Z^(-1)"));
    SheetExercise roots;
    roots.Kind = ExerciseKind::Roots;
    roots.Operands = {MakeCplx(-8, 0)};
    roots.RootIndex = 3;
    QCOMPARE(ExerciseFormulaMarkup(roots), QStringLiteral("^3\u221a(-8+0i)"));
    roots.RootIndex = 2;
    QCOMPARE(ExerciseFormulaMarkup(roots), QStringLiteral("\u221a(-8+0i)"));
    QCOMPARE(AnswerLabelMarkup(roots, 4), QStringLiteral("w_4"));
    SheetExercise binary;
    binary.Kind = ExerciseKind::Binary;
    QCOMPARE(StatementMarkup(binary, QStringLiteral("If z1 = 1+2i and z2 = 3-1i calculate: z1*z2, z1/z2.")),
             QStringLiteral("If z_1 = 1+2i and z_2 = 3-1i calculate: z_1\u00b7z_2, z_1/z_2."));
    SheetExercise combined;
    combined.Kind = ExerciseKind::Combined;
    combined.Formula = "a*b+c'";
    QCOMPARE(AnswerLabelMarkup(combined, 0), QStringLiteral("a\u00b7b+c'"));
  }
};

ZORBIT_WINDOW_TEST_MAIN(SheetPdfTest, QStringLiteral("pdftotext"))
#include "tst_sheet_pdf.moc"
