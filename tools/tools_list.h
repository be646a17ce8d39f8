// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

// One tool of the Tools menu. Any field may be empty.
struct ToolRecord {
  QString Title;    // the menu caption
  QString File;     // the program or document, normally its bare name
  QString WorkDir;  // the folder that holds File ("Work directory")
  QString Params;   // appended after File on the command line ("Parameters")

  friend bool operator==(const ToolRecord&, const ToolRecord&) = default;
};

// The user's tools in menu order: position 1 is Tools[0]. Never more than MaxTools.
struct ToolsList {
  static constexpr int MaxTools = 12;

  QList<ToolRecord> Tools;

  int ToolCount() const { return static_cast<int>(Tools.size()); }
  bool IsFull() const { return ToolCount() >= MaxTools; }
  // The tool at a position 1..ToolCount().
  const ToolRecord& Tool(int position) const { return Tools.at(position - 1); }
  ToolRecord& Tool(int position) { return Tools[position - 1]; }

  friend bool operator==(const ToolsList&, const ToolsList&) = default;
};

// The program-wide list: the menu items run its tools by position and the editor's "Ok" replaces it.
ToolsList& ProgramTools();
