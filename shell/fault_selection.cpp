// SPDX-License-Identifier: MIT
#include "shell/fault_selection.h"

#include <QByteArray>
#include <QLineEdit>
#include <QString>
#include <algorithm>

void SelectFault(QLineEdit* box, const std::string& typed, const ExprError& error) {
  const QByteArray bytes = QByteArray::fromStdString(typed);
  const auto start = static_cast<qsizetype>(std::min(error.Start, typed.size()));
  const auto end = static_cast<qsizetype>(std::min(error.Start + error.Length, typed.size()));
  const int from = static_cast<int>(QString::fromUtf8(bytes.left(start)).size());
  const int to = static_cast<int>(QString::fromUtf8(bytes.left(end)).size());
  box->setFocus();
  if (to > from)
    box->setSelection(from, to - from);
  else
    box->setCursorPosition(from);
}
