// SPDX-License-Identifier: MIT
// The module "zorbit_print": everything that needs Qt Print Support, loaded on first use by
// platform/printing.cpp.
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "platform/printing.h"

namespace {

void SetUp(QPrinter& printer, const PrintRequest& request) {
  if (request.Paper.isValid()) printer.setPageSize(request.Paper);
}

void Name(QDialog& dialog, const PrintRequest& request) {
  dialog.setObjectName(request.DialogName);
  if (!request.DialogTitle.isEmpty()) dialog.setWindowTitle(request.DialogTitle);
}

}  // namespace

extern "C" Q_DECL_EXPORT PrintOutcome ZorbitPrintPages(const PrintRequest& request, const DrawPages& paint,
                                                       const AskPrinter& ask) {
  QPrinter printer(QPrinter::HighResolution);
  SetUp(printer, request);
  bool go = false;
  if (ask) {
    go = ask(printer, request.Parent);
  } else {
    QPrintDialog dialog(&printer, request.Parent);
    Name(dialog, request);
    go = dialog.exec() == QDialog::Accepted;
  }
  if (!go) return PrintOutcome::Cancelled;
  printer.setFullPage(request.FullPage);
  return paint(printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

extern "C" Q_DECL_EXPORT void ZorbitPreviewPages(const PrintRequest& request, const DrawPages& paint, QSize size) {
  QPrinter printer(QPrinter::HighResolution);
  SetUp(printer, request);
  QPrintPreviewDialog preview(&printer, request.Parent);
  Name(preview, request);
  const bool fullPage = request.FullPage;
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint, fullPage](QPrinter* shown) {
    shown->setFullPage(fullPage);
    paint(*shown);
  });
  preview.resize(size);
  preview.exec();
}

extern "C" Q_DECL_EXPORT void ZorbitPrintPdf(const QString& path, const DrawPages& paint, bool* drawn) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  *drawn = paint(printer);
}
