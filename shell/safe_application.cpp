// SPDX-License-Identifier: MIT
#include "shell/safe_application.h"

#include <exception>

#include "core/cplx.h"
#include "platform/seams.h"

SafeApplication::SafeApplication(int& argc, char** argv, MessageSeam* messages)
    : QApplication(argc, argv), messages_(messages) {}

bool SafeApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const ArithmeticError& error) {
    MessageSeam* messages = messages_ != nullptr ? messages_ : DefaultSeams().Messages;
    messages->Show(QStringLiteral("The calculation cannot be done: %1.").arg(QString::fromUtf8(error.what())),
                   QStringLiteral("Not feasible"), MsgButtons::Ok, MsgIcon::Warning);
  } catch (const std::exception& error) {
    MessageSeam* messages = messages_ != nullptr ? messages_ : DefaultSeams().Messages;
    messages->Show(QStringLiteral("Something went wrong: %1.").arg(QString::fromUtf8(error.what())),
                   QStringLiteral("Zorbit"), MsgButtons::Ok, MsgIcon::Warning);
  }
  return false;
}
