// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include "calc/problem.h"

class QFile;

// One exercise as a sheet holds it: the statement, a line end, "R:" and five blanks, the
// answer, a line end and an empty line. Every line end is CR LF, whatever the texts held, and
// the text is in the platform's own 8-bit encoding (UTF-8 on Linux, the ANSI code page on
// Windows) so that the desktop's editor shows "·", "÷" and "°".
QByteArray SheetBlock(const Problem& p);

// Writes one block to a sheet opened for appending, in one write. On a short or failed write
// the file is cut back to the size it had, so the sheet keeps exactly what it held. Answers
// false with the reason in `error`.
bool WriteProblem(const Problem& p, QFile& sheet, QString* error = nullptr);

// Opens the sheet at `path` for appending (created when missing), writes the block and checks
// that the file grew by exactly the block. On any failure the sheet is left as it was (a sheet
// created for the purpose is removed again) and the reason is in `error`.
bool AppendProblem(const QString& path, const Problem& p, QString* error = nullptr);
