// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

#include "filedlg/dialog_mode.h"
#include "lang/language.h"
#include "platform/seams.h"

class QWidget;

// The program's own modal file dialog (DFtxs). `mode`: Open (the chosen file must exist) or Save
// (any name). `startFolder`: absolute, or relative to the current folder; the dialog starts
// in the current folder when no such folder exists. `typeList`: patterns separated by "|", such as
// "*.txt|*.*"; the first is applied. `proposedName`: shown in the name field at start; in save
// mode, accepted as it stands it is a name without extension, whatever "." it holds, and
// receives the selected type's extension.
// Returns the chosen file's full path with the platform's separator, or "" on Cancel. The
// program's current folder is never changed. The dialog speaks `language`.
QString AskFile(QWidget* parent, FileDialogMode mode, const QString& startFolder, const QString& typeList,
                const QString& proposedName = QString(), const Seams& seams = DefaultSeams(),
                const Language& language = Language());
