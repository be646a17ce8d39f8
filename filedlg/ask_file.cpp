// SPDX-License-Identifier: MIT
#include "filedlg/ask_file.h"

#include "filedlg/dftxs.h"

QString AskFile(QWidget* parent, std::int16_t mode, const QString& startFolder, const QString& typeList,
                const QString& proposedName, const Seams& seams) {
  DFtxs dialog(parent, seams);
  dialog.Open(mode, startFolder, typeList);
  (void)proposedName;
  dialog.exec();
  return dialog.DialogResult();
}
