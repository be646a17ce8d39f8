// SPDX-License-Identifier: MIT
#include "filedlg/ask_file.h"

#include <QLineEdit>

#include "filedlg/dftxs.h"

QString AskFile(QWidget* parent, FileDialogMode mode, const QString& startFolder, const QString& typeList,
                const QString& proposedName, const Seams& seams, const Language& language) {
  DFtxs dialog(parent, seams, language);
  dialog.Open(mode, startFolder, typeList);
  if (!proposedName.isEmpty()) dialog.ProposeName(proposedName);
  dialog.exec();
  return dialog.DialogResult();
}
