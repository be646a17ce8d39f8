// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Acts on the next modal window of type W once it is up, as a user would while it waits for
// them; the modal call that showed it returns when `act` closes it.
template <typename W>
void WhenModal(std::function<void(W*)> act) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
    if (auto* window = qobject_cast<W*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(window);
    }
  });
  timer->start();
}
