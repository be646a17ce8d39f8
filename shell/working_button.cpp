// SPDX-License-Identifier: MIT
#include "shell/working_button.h"

#include <QEvent>
#include <QIcon>
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

}  // namespace

QToolButton* WorkingButton(QWidget* parent, const QString& name, QToolButton* exercise) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(QStringLiteral("Working"));
  button->setIcon(ButtonIcon(ButtonPicture::Working));
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
