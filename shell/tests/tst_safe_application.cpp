// SPDX-License-Identifier: MIT
#include <QtTest>

#include "core/cplx.h"
#include "platform/testing/recording_seams.h"
#include "shell/safe_application.h"

namespace {
// An object whose handler fails the way an unguarded calculation would.
class Failing : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw ArithmeticError("overflow");
    if (e->type() == QEvent::Type(QEvent::User + 1)) throw std::runtime_error("broken");
    return QObject::event(e);
  }
};
}  // namespace

int main(int argc, char** argv) {
  RecordingMessages messages;
  SafeApplication app(argc, argv, &messages);
  Failing failing;
  QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
  QCoreApplication::postEvent(&failing, new QEvent(QEvent::Type(QEvent::User + 1)));
  QCoreApplication::processEvents();
  // Both failures were reported and the program is still running.
  if (messages.Shown.size() != 2) return 1;
  if (messages.Shown[0].Title != QStringLiteral("Not feasible")) return 2;
  if (!messages.Shown[0].Text.contains(QStringLiteral("overflow"))) return 3;
  if (!messages.Shown[1].Text.contains(QStringLiteral("broken"))) return 4;
  std::puts("1 passed, 0 failed");
  return 0;
}
