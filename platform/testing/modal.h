// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

// How long a test waits for a window it expects, or for one it answered to close: far beyond any
// real wait, well inside the test program's timeout.
inline constexpr int ModalDeadlineMs = 20000;

// Acts on each of the next `count` modal windows of type W as they come up, as a user would while
// the program waits for them; the modal call that showed a window returns when `act` closes it.
// When a window does not come up, or stays up after `act`, until the deadline, the test fails and
// whatever modal window is up then is closed, so that the call waiting on it returns instead of
// hanging the test.
template <typename W>
void WhenModal(std::function<void(W*)> act, int count = 1) {
  struct Watch {
    QElapsedTimer clock;
    int left = 0;
    QPointer<W> last;
  };
  auto watch = std::make_shared<Watch>();
  watch->clock.start();
  watch->left = count;
  auto* timer = new QTimer(qApp);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, watch, act] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* window = qobject_cast<W*>(modal);
    const bool up = window != nullptr && window->isVisible();
    if (watch->left > 0 && up && window != watch->last) {
      watch->last = window;
      --watch->left;
      watch->clock.restart();
      act(window);
      return;
    }
    const bool waitingForOne = watch->left > 0;
    if (!waitingForOne && !up) {
      timer->stop();
      timer->deleteLater();
      return;
    }
    if (watch->clock.elapsed() < ModalDeadlineMs) return;
    const QString name = QString::fromLatin1(W::staticMetaObject.className());
    const QString what = waitingForOne ? QStringLiteral("no %1 came up").arg(name)
                                       : QStringLiteral("the %1 stayed open").arg(name);
    QTest::qFail(qPrintable(what), __FILE__, __LINE__);
    if (modal) modal->close();
    timer->stop();
    timer->deleteLater();
  });
  timer->start();
}
