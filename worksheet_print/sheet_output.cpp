// SPDX-License-Identifier: MIT
#include "worksheet_print/sheet_output.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "worksheet/sheet_text.h"
#include "worksheet_print/twips_painter.h"

namespace {

// Twice the 600 dots per inch of a good printer: text and lines land on the PDF's grid with
// room to spare.
constexpr int PdfResolution = 1200;

bool PaintPages(QPainter& painter, QPagedPaintDevice& device, const SheetLayout& layout) {
  if (!painter.isActive()) return false;
  ScaleToTwips(painter, device);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  for (std::size_t p = 0; p < layout.Pages.size(); ++p) {
    if (p > 0 && !device.newPage()) return false;
    PaintSheetPage(painter, layout.Pages[p]);
  }
  return painter.end();
}

}  // namespace

void PaintSheetPage(QPainter& painter, const SheetPage& page) {
  QPen pen;
  pen.setCapStyle(Qt::FlatCap);
  for (const SheetLine& line : page.Lines) {
    pen.setColor(line.Color);
    pen.setWidthF(line.Width);
    pen.setStyle(line.Dotted ? Qt::DotLine : Qt::SolidLine);
    painter.setPen(pen);
    painter.drawLine(QPointF(line.X1, line.Y1), QPointF(line.X2, line.Y2));
  }
  QString fontName;
  double points = -1;
  bool bold = false;
  for (const SheetRun& run : page.Runs) {
    if (run.FontName != fontName || run.Points != points || run.Bold != bold) {
      fontName = run.FontName;
      points = run.Points;
      bold = run.Bold;
      painter.setFont(TwipsFont(fontName, points, bold));
    }
    painter.setPen(run.Color);
    painter.drawText(QPointF(run.X, run.Baseline), run.Text);
  }
}

bool PaintSheet(QPagedPaintDevice& device, const SheetLayout& layout) {
  QPainter painter(&device);
  return PaintPages(painter, device, layout);
}

bool PrintSheet(QPagedPaintDevice& printer, const SheetLayout& layout) {
  printer.setPageSize(layout.PageSize);
  printer.setPageOrientation(QPageLayout::Portrait);
  return PaintSheet(printer, layout);
}

bool WriteSheetPdf(const QString& path, const SheetLayout& layout, QString* error) {
  // Written beside the target and renamed into place, so a failed write leaves no half file.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  {
    QPdfWriter writer(&file);
    writer.setResolution(PdfResolution);
    writer.setCreator(QStringLiteral("Zorbit"));
    writer.setTitle(layout.Title);
    writer.setPageLayout(QPageLayout(layout.PageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    if (!PaintSheet(writer, layout)) {
      file.cancelWriting();
      if (error) *error = QStringLiteral("The pages could not be drawn.");
      return false;
    }
  }
  if (!file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

bool WriteSheetText(const QString& path, const Worksheet& sheet, QString* error) {
  QSaveFile file(path);
  const std::string text = WorksheetText(sheet);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) || !file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}
