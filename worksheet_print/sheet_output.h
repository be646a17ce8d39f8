// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "worksheet_print/sheet_layout.h"

class QPainter;
class QPagedPaintDevice;

// Draws one page of the layout; the painter is already scaled to twips.
void PaintSheetPage(QPainter& painter, const SheetPage& page);

// Draws every page on a paged device (a printer, the preview's printer, a PDF writer), one
// device page per sheet page, with the paper's corner as origin. False when the device cannot
// be painted on.
bool PaintSheet(QPagedPaintDevice& device, const SheetLayout& layout);

// Makes the printer's paper the layout's and prints on it; a printer set to its full page has the
// paper's corner as origin.
bool PrintSheet(QPagedPaintDevice& printer, const SheetLayout& layout);

// Writes the layout as a PDF file; false with the reason in `error`.
bool WriteSheetPdf(const QString& path, const SheetLayout& layout, QString* error = nullptr);

// Writes the sheet's text form (UTF-8, CR LF); false with the reason in `error`. The file is
// replaced, not appended to: a worksheet is a document of its own.
bool WriteSheetText(const QString& path, const Worksheet& sheet, QString* error = nullptr);
