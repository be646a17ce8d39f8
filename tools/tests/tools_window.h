// SPDX-License-Identifier: MIT
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

// A main window with the program's Tools menu: "Edit tools", a separator and ITool(1) .. ITool(12),
// hidden and without captions as the window starts.
class ToolsWindow : public QMainWindow {
 public:
  ToolsWindow() {
    Menu = menuBar()->addMenu(QStringLiteral("&Tools"));
    Menu->setObjectName(QStringLiteral("Tools"));
    Menu->addAction(QStringLiteral("Edit tools"));
    Menu->addSeparator();
    for (int i = 1; i <= 12; ++i) {
      QAction* item = Menu->addAction(QString());
      item->setObjectName(QStringLiteral("ITool(%1)").arg(i));
      item->setVisible(false);
      Items.append(item);
    }
  }
  QMenu* Menu = nullptr;
  QList<QAction*> Items;
};
