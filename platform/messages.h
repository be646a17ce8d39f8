// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };
enum class MsgIcon { None, Information, Warning, Critical, Question };

// Every message box of the program goes through this seam, so tests can read the text and title
// and answer Yes or No.
class MessageSeam {
 public:
  virtual ~MessageSeam() = default;
  virtual MsgAnswer Show(const QString& text, const QString& title = QStringLiteral("Zorbit"),
                         MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None) = 0;
};

// The program's implementation: a real modal QMessageBox over the active window.
class QtMessages final : public MessageSeam {
 public:
  MsgAnswer Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;
};
