// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

#include "platform/seams.h"
#include "tools/tools_list.h"

class QAction;
class QMenu;
class QObject;
class QWidget;

// The menu items ITool(1) .. ITool(12) of a window, found by their object names; empty when the
// window lacks any of them.
QList<QAction*> ToolItemsOf(const QObject* window);

// Gives the first ToolCount() items the titles of the list's tools and shows them; hides the rest.
// `items` holds ITool(1) first.
void ShowToolsInMenu(const ToolsList& list, const QList<QAction*>& items);

// Loads "Tools.rel" of the current folder into the program-wide list and, when that succeeds,
// shows it in the ITool items of `window` (a failed load leaves the menu as it was). A window
// without the twelve items gets the message "No Form". Answers whether the load succeeded.
bool BuildToolsMenu(QWidget* window, const Seams& seams = DefaultSeams());

// The same for the twelve items themselves, or for the Tools menu that holds them.
bool BuildToolsMenu(const QList<QAction*>& items, const Seams& seams = DefaultSeams());
bool BuildToolsMenu(QMenu* toolsMenu, const Seams& seams = DefaultSeams());
