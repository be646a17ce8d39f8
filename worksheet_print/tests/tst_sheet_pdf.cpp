// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/qtext.h"
#include "platform/testing/file_bytes.h"
#include "worksheet/sheet_text.h"
#include "worksheet_print/sheet_layout.h"
#include "worksheet_print/sheet_output.h"
#include "worksheet_print/tests/sheet_test_support.h"
#include "worksheet_print/twips_painter.h"
#include "platform/testing/environment.h"

namespace {

// A text without its blanks and middle dots, so that what the text form writes on one line and
// the page sets in columns, or at both ends of a heading, compare alike.
QString Squeezed(QString text) {
  text.remove(QChar(0x00b7));
  text.remove(QRegularExpression(QStringLiteral("\\s")));
  return text;
}

}  // namespace

class SheetPdfTest : public QObject {
  Q_OBJECT

 private slots:
  void ThePdfSaysWhatTheTextFormSaysInEachLanguage() {
    // The key's heading, the page number and a heading of the working, in each language.
    const char* words[][3] = {{"Answers · Version A", "Page 1 of ", "Other forms of the result"},
                              {"Solucions · Versió A", "Pàgina 1 de ", "Altres formes del resultat"},
                              {"Soluciones · Versión A", "Página 1 de ", "Otras formas del resultado"}};
    QTemporaryDir dir;
    for (int language = 0; language < 3; ++language) {
      WorksheetOptions options;
      options.Language = language;
      options.Versions = 3;
      options.Instructions = "Show your work.";
      options.Working = true;
      options.PolarOperands = language == 1;
      const Worksheet sheet = SeededSheet(40 + static_cast<unsigned>(language), {2, 2, 2, 2, 2}, 2, options);
      const QString pdf = dir.filePath(QStringLiteral("sheet%1.pdf").arg(language));
      QString error;
      QVERIFY2(WriteSheetPdf(pdf, LayOutWorksheet(sheet, {QPageSize(QPageSize::A4), false, WorkSpace::Some}), &error),
               qPrintable(error));
      const QString text = PdfText(pdf, true);
      const QString page = Squeezed(text);
      // Every line of the text form, in its order.
      qsizetype at = 0;
      for (const QString& line : ToQ(WorksheetText(sheet)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const qsizetype found = page.indexOf(Squeezed(line), at);
        QVERIFY2(found >= 0, qPrintable(QStringLiteral("%1: %2").arg(language).arg(line)));
        at = found;
      }
      for (const char* word : words[language]) QVERIFY2(text.contains(QString::fromUtf8(word)), word);
    }
  }

  void EachVersionStartsItsPagesAndTheKeysFollowAllTheSheetsFillingTheirPages() {
    WorksheetOptions options;
    options.Versions = 3;
    options.Working = true;
    const Worksheet sheet = SeededSheet(24, {6, 5, 5, 4, 4}, 2, options);
    for (const bool graphs : {false, true}) {
      const SheetLayout layout = LayOutWorksheet(sheet, {QPageSize(QPageSize::A4), graphs, WorkSpace::Much});
      int lastVersion = -1;
      bool keys = false;
      for (std::size_t p = 0; p < layout.Pages.size(); ++p) {
        const SheetPage& page = layout.Pages[p];
        const bool starts = page.Version != lastVersion || page.Key != keys;
        // Sheets A, B, C, then keys A, B, C; each begins on a page of its own under its heading.
        QVERIFY(page.Key ? (keys || page.Version == 0) : (!keys && page.Version >= lastVersion));
        if (starts) {
          QCOMPARE(page.FirstBlock, 0.0);
          const QString heading = page.Runs.front().Text;
          QCOMPARE(heading, page.Key ? ToQ(AnswersHeading(sheet, static_cast<std::size_t>(page.Version)))
                                     : ToQ(sheet.Title));
          QVERIFY(page.Key || page.Runs[1].Text == ToQ(VersionLabel(sheet, static_cast<std::size_t>(page.Version))));
        } else if (page.Key) {
          // No key page holds an answer that would have fitted on the page before.
          QVERIFY2(layout.Pages[p - 1].Used + layout.Gap + page.FirstBlock > layout.Bottom,
                   qPrintable(QStringLiteral("page %1").arg(p + 1)));
        }
        lastVersion = page.Version;
        keys = page.Key;
      }
      QVERIFY(lastVersion == 2 && keys);
    }
  }

  void MoreExercisesTakeMorePages() {
    int last = 0;
    for (const int n : {4, 40, 120}) {
      const int pages = static_cast<int>(LayOutWorksheet(SeededSheet(5, SpreadCounts(n, {true, true, true, true, true})), {}).Pages.size());
      QVERIFY2(pages > last, qPrintable(QStringLiteral("%1 exercises, %2 pages").arg(n).arg(pages)));
      last = pages;
    }
  }

  void EverythingStaysOnThePaperInsideItsMargins() {
    WorksheetOptions options;
    options.Working = true;
    options.Versions = 2;
    options.Title = "A long title for a worksheet on complex numbers in polar and cartesian forms";
    for (const bool graphs : {false, true}) {
      for (const QPageSize& paper : {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)}) {
        const Worksheet sheet = SeededSheet(77, {6, 6, 6, 6, 6}, 9, options);
        const SheetLayout layout = LayOutWorksheet(sheet, {paper, graphs, WorkSpace::Some});
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
    const Worksheet sheet = SeededSheet(8, {1, 1, 1, 1, 1});
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
    // Axes, arrows, dotted projections and the results in red, for 4 + 1 + 1 + 1 + 1 graphs.
    QVERIFY(drawnLines > plainLines + 8 * 10);
    QVERIFY(dotted >= 8 * 2);
    QVERIFY(red >= 5 * 3);
    const QString pdf = dir.filePath(QStringLiteral("graphs.pdf"));
    QVERIFY(WriteSheetPdf(pdf, drawn));
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    QVERIFY(images.waitForFinished(20000));
    // The listing is two heading lines and one line per embedded picture.
    QCOMPARE(QString::fromUtf8(images.readAllStandardOutput()).trimmed().split(QLatin1Char('\n')).size(), 2);
  }

  void AFileThatCannotBeWrittenIsReportedAndNothingIsLeft() {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no such folder/sheet"));
    const Worksheet sheet = SeededSheet(1, {1, 0, 0, 0, 0});
    QString error;
    QVERIFY(!WriteSheetPdf(missing + QStringLiteral(".pdf"), LayOutWorksheet(sheet, {}), &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(!WriteSheetText(missing + QStringLiteral(".txt"), sheet, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
  }
};

ZORBIT_WINDOW_TEST_MAIN(SheetPdfTest, QStringLiteral("pdftotext"))
#include "tst_sheet_pdf.moc"
