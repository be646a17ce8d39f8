// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

#include "lang/language.h"
#include "platform/seams.h"

class QWidget;

// The program's own modal file dialog (DFtxs). `mode`: 0 open (the chosen file must exist),
// 1 save (any name). `startFolder`: absolute, or relative to the current folder; the dialog starts
// in the current folder when no such folder exists. `typeList`: patterns separated by "|", such as
// "*.txt|*.*"; the first is applied. `proposedName`: shown in the name field at start.
// Returns the chosen file's full path with the platform's separator, or "" on Cancel. The
// program's current folder is never changed. The dialog speaks `language`.
QString AskFile(QWidget* parent, std::int16_t mode, const QString& startFolder, const QString& typeList,
                const QString& proposedName = QString(), const Seams& seams = DefaultSeams(),
                const Language& language = Language());
