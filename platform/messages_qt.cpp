// SPDX-License-Identifier: MIT
#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>

MsgAnswer QtMessages::Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) {
  QMessageBox box(QApplication::activeWindow());
  box.setObjectName(QStringLiteral("MsgBox"));
  box.setWindowTitle(title);
  box.setText(text);
  switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
  }
  if (buttons == MsgButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return MsgAnswer::Ok;
}
