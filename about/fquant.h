// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: the program's icon, title, description, version and contact line, with "OK".
// Non-modal; Enter and Escape close it, as the OK button does.
class FQuant : public QDialog {
  Q_OBJECT

 public:
  explicit FQuant(QWidget* parent);

  QLabel* picIcon = nullptr;
  QLabel* lblTitle = nullptr;
  QLabel* lblDescription = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblDisclaimer = nullptr;
  QWidget* Line1 = nullptr;  // the etched separator
  QPushButton* cmdOK = nullptr;

  void cmdOK_Click();

 private:
  void Form_Load();
};

// "Version 2.0.0": the version of this build.
QString VersionText();

// Shows the About box beside `parent` without blocking it; a box already open comes to the front.
FQuant* ShowAbout(QWidget* parent);
