// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>
#include <QStringList>

// The rows of a list as it shows them, top to bottom.
inline QStringList Rows(const QListWidget* list) {
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}
