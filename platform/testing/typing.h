// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <QtTest>

// Replaces a box's text as a user would: focus it, select everything, delete, type.
inline void TypeFormula(QLineEdit* box, const QString& text) {
  box->setFocus();
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Delete);
  QTest::keyClicks(box, text);
}
