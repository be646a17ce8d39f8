// SPDX-License-Identifier: MIT
#include "shell/working_button.h"

#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include "shell/form1_look.h"

namespace {

// Follows the exercise button's enabled state onto the working button.
class EnabledFollower : public QObject {
 public:
  EnabledFollower(QToolButton* follower, QToolButton* leader) : QObject(follower), follower_(follower) {
    leader->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::EnabledChange) follower_->setEnabled(static_cast<QWidget*>(watched)->isEnabled());
    return false;
  }

 private:
  QToolButton* follower_;
};

// A sheet with three steps, each starting further in, and the "=" of the result: 24 × 24 units.
QPixmap WorkingPicture(qreal ratio) {
  QPixmap pixmap(qRound(24 * ratio), qRound(24 * ratio));
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(90, 100, 120), 1));
  p.setBrush(QColor(255, 255, 255));
  p.drawRect(QRectF(3.5, 2.5, 17, 19));
  p.setPen(QPen(QColor(46, 64, 96), 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int k = 0; k < 3; ++k) p.drawLine(QPointF(6 + 2.5 * k, 6.5 + 3.5 * k), QPointF(13 + 2.5 * k, 6.5 + 3.5 * k));
  p.setPen(QPen(QColor(46, 150, 80), 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(7, 16.5), QPointF(11, 16.5));
  p.drawLine(QPointF(7, 19), QPointF(11, 19));
  return pixmap;
}

}  // namespace

QToolButton* WorkingButton(QWidget* parent, const QString& name, QToolButton* exercise) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(QStringLiteral("Working"));
  button->setIcon(TwoScaleIcon(WorkingPicture));
  button->setIconSize(QSize(20, 20));
  button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  button->setToolTip(QStringLiteral("Working: the last calculation step by step"));
  button->setAccessibleName(QStringLiteral("Working"));
  button->setFocusPolicy(Qt::StrongFocus);
  button->setFixedSize(exercise->size());
  button->setEnabled(exercise->isEnabled());
  new EnabledFollower(button, exercise);
  return button;
}
