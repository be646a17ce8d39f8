// SPDX-License-Identifier: MIT
#include "tools/tools_menu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "tools/tools_file.h"

namespace {

QList<QAction*> FindToolItems(const QList<QAction*>& candidates) {
  QList<QAction*> items;
  for (int i = 1; i <= ToolsList::MaxTools; ++i) {
    const QString name = QStringLiteral("ITool(%1)").arg(i);
    QAction* found = nullptr;
    for (QAction* action : candidates)
      if (action->objectName() == name) found = action;
    if (!found) return {};
    items.append(found);
  }
  return items;
}

}  // namespace

QList<QAction*> ToolItemsOf(const QObject* window) {
  if (!window) return {};
  return FindToolItems(window->findChildren<QAction*>());
}

void ShowToolsInMenu(const ToolsList& list, const QList<QAction*>& items) {
  for (int i = 0; i < items.size(); ++i) {
    if (i < list.ToolCount()) {
      items[i]->setText(list.Tools[i].Title);
      items[i]->setVisible(true);
    } else {
      items[i]->setVisible(false);
    }
  }
}

bool BuildToolsMenu(const QList<QAction*>& items, const Seams& seams) {
  const bool loaded = LoadTools();
  if (!loaded) return false;
  if (items.size() != ToolsList::MaxTools || items.contains(nullptr)) {
    seams.Messages->Show(QStringLiteral("No Form"), QStringLiteral("Zorbit"), MsgButtons::Ok, MsgIcon::Warning);
    return loaded;
  }
  ShowToolsInMenu(ProgramTools(), items);
  return loaded;
}

bool BuildToolsMenu(QWidget* window, const Seams& seams) { return BuildToolsMenu(ToolItemsOf(window), seams); }

bool BuildToolsMenu(QMenu* toolsMenu, const Seams& seams) {
  return BuildToolsMenu(toolsMenu ? FindToolItems(toolsMenu->actions()) : QList<QAction*>(), seams);
}
