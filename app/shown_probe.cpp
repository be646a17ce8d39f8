// SPDX-License-Identifier: MIT
#include "app/shown_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>

namespace {

// Watches the native window: the first expose paints it, so the turn of the event loop after
// that expose is the moment the user sees the window.
class ShownProbe : public QObject {
 public:
  explicit ShownProbe(QWindow* window) : QObject(window), window_(window) { window->installEventFilter(this); }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Expose && window_->isExposed()) {
      window_->removeEventFilter(this);
      QTimer::singleShot(0, this, [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("shown_ns %lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
        std::fflush(stdout);
        QTimer::singleShot(1000, [] {
          std::printf("resident_kb %ld\n", ResidentKilobytes());
          std::fflush(stdout);
          // An ordinary end, as when the user closes the window: the work folder's lock goes
          // with it, and the next start does not find one left behind.
          QCoreApplication::exit(0);
        });
      });
    }
    return false;
  }

 private:
  QWindow* window_;
};

}  // namespace

long ResidentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return 0;
}

void ExitWhenShown(QWidget& window) {
  window.winId();  // the native window exists from here on
  new ShownProbe(window.windowHandle());
}
