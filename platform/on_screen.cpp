// SPDX-License-Identifier: MIT
#include "platform/on_screen.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// Places each window as it is first shown: the show event comes before the window reaches the
// screen, so it never appears where it would not fit.
class OnScreenFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
      auto* widget = static_cast<QWidget*>(watched);
      const Qt::WindowType type = widget->windowType();
      if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog) && !widget->isMaximized() &&
          !widget->isFullScreen())
        PlaceOnScreen(*widget, widget->geometry());
    }
    return false;
  }
};

}  // namespace

QRect AvailableAreaFor(const QRect& wanted) {
  const QScreen* screen = QGuiApplication::screenAt(wanted.center());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : wanted;
}

QRect FitInside(const QRect& wanted, const QRect& area) {
  QRect fitted(wanted.topLeft(), wanted.size().boundedTo(area.size()));
  if (fitted.right() > area.right()) fitted.moveRight(area.right());
  if (fitted.bottom() > area.bottom()) fitted.moveBottom(area.bottom());
  if (fitted.left() < area.left()) fitted.moveLeft(area.left());
  if (fitted.top() < area.top()) fitted.moveTop(area.top());
  return fitted;
}

void PlaceOnScreen(QWidget& window, const QRect& client) {
  // The frame's thickness, known once the window has been on the screen; none before.
  const QRect frame = window.frameGeometry();
  const QRect inner = window.geometry();
  const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                         frame.bottom() - inner.bottom());
  const QRect wanted = QRect(client.topLeft(), client.size().expandedTo(window.minimumSize())).marginsAdded(margins);
  QRect fitted = FitInside(wanted, AvailableAreaFor(wanted)).marginsRemoved(margins);
  fitted.setSize(fitted.size().expandedTo(window.minimumSize()));
  window.resize(fitted.size());
  window.move(fitted.topLeft() - QPoint(margins.left(), margins.top()));
}

void KeepOnScreen(QWidget& window) { window.installEventFilter(new OnScreenFilter(&window)); }

void KeepWindowsOnScreen(QApplication& app) { app.installEventFilter(new OnScreenFilter(&app)); }
