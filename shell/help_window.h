// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QTextBrowser;

// The topics the program can explain itself when the help viewer cannot be started.
// Manual: the pages of the user's manual, read from the program's pages folder.
enum class HelpTopic { CombinedOperations, Entry, Manual };

// One worked example of the combined-operations help: a formula over the example letters and the
// value the panel shows for it (cartesian, 2 decimals), or "Wrong string" when it is refused.
struct CombinedHelpExample {
  QString Formula;
  QString Value;
  QString Why;
};

// The letters the examples are worked with: a = 1+2i, b = 3-1i, c = 2+0i.
inline constexpr double CombinedHelpLetters[3][2] = {{1, 2}, {3, -1}, {2, 0}};
const std::vector<CombinedHelpExample>& CombinedHelpExamples();

// One worked example of the entry help: what is typed into which box (0 cartesian, 1 polar) and
// the complex the list then shows (cartesian, 2 decimals), or "wrong expression".
struct EntryHelpExample {
  QString Typed;
  int Box = 0;
  QString Value;
  QString Why;
};
const std::vector<EntryHelpExample>& EntryHelpExamples();

// A non-modal window that shows one help topic as formatted text.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  HelpWindow(HelpTopic topic, QWidget* parent);

  QTextBrowser* Text = nullptr;
};
