// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

// What the tests of the secondary windows check of a layout, in each language and at the smallest
// size. Each answers what is wrong, for the test's message, or an empty text.

// A control smaller than it asks to be does not show its caption whole.
inline QString CutCaption(const QList<QWidget*>& captions) {
  for (const QWidget* w : captions)
    if (w->width() < w->sizeHint().width() || w->height() < w->sizeHint().height())
      return w->objectName() + QStringLiteral(" cut");
  return QString();
}

// Controls that share a parent: each lies inside it, none on another.
inline QString Overlap(const QList<QWidget*>& controls) {
  for (qsizetype i = 0; i < controls.size(); ++i) {
    if (!controls[i]->parentWidget()->rect().contains(controls[i]->geometry()))
      return controls[i]->objectName() + QStringLiteral(" outside its window");
    for (qsizetype j = i + 1; j < controls.size(); ++j)
      if (controls[i]->geometry().intersects(controls[j]->geometry()))
        return controls[i]->objectName() + QStringLiteral(" lies on ") + controls[j]->objectName();
  }
  return QString();
}
