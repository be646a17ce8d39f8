// SPDX-License-Identifier: MIT
#pragma once

#include <QPageSize>
#include <QSize>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// Printing, previewing and printing to PDF through the system's printer. Qt Print Support lives
// in the module "zorbit_print" (platform/modules.h), loaded when the user first prints or
// previews: most sessions never do, and the library costs memory and time at every start.

// Draws every page on the device, false when it could not.
using DrawPages = std::function<bool(QPagedPaintDevice& device)>;
// Sets up the printer in place of the print dialog, answering false on Cancel (a test's seam).
using AskPrinter = std::function<bool(QPrinter& printer, QWidget* parent)>;

struct PrintRequest {
  QWidget* Parent = nullptr;
  QString DialogName;   // the dialog's objectName
  QString DialogTitle;  // empty: the dialog's own
  QPageSize Paper;      // offered first; invalid: the printer's own
  bool FullPage = false;  // the paper's corner is the origin, not the printable area's
};

enum class PrintOutcome { Printed, Cancelled, Failed };

// Print…: the print dialog (or `ask`), then the pages on the printer chosen.
PrintOutcome PrintPages(const PrintRequest& request, const DrawPages& paint, const AskPrinter& ask = {});
// The print preview, modal, at `size`; the pages are drawn as the preview asks for them. False
// when printing is not available.
bool PreviewPages(const PrintRequest& request, const DrawPages& paint, QSize size);
// The pages to a PDF file as the printer draws them at high resolution; false when not written.
bool PrintPagesToPdf(const QString& path, const DrawPages& paint);
