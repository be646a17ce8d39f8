// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <functional>

#include "calc/problem.h"
#include "lang/language.h"
#include "platform/seams.h"
#include "working/working.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

// The file dialog in save mode for a sheet: (parent, start folder, type list) -> the chosen
// full path, or "" on Cancel. Empty: the program's own file dialog.
using AskSheetPath = std::function<QString(QWidget* parent, const QString& startFolder, const QString& typeList)>;

// The exercise window: the statement above, the answer below, both editable, and a button that
// appends the exercise as the boxes show it to a sheet file. Labels and messages follow the
// language index; the exercise itself is English.
class FPrbls : public QDialog {
  Q_OBJECT

 public:
  explicit FPrbls(QWidget* parent = nullptr, const Seams& seams = DefaultSeams(), AskSheetPath askPath = {},
                  Language language = Language());

  QLabel* EtEn = nullptr;
  QPlainTextEdit* IdEn = nullptr;
  QLabel* EtResp = nullptr;
  QPlainTextEdit* IdResp = nullptr;
  QPushButton* BtG = nullptr;
  // "Show working" under the answer, and the working it shows; both absent without a working.
  QCheckBox* ChkWorking = nullptr;
  QTextEdit* IdWorking = nullptr;

  // Puts the exercise in the boxes, one line of the texts per line of the box.
  void SetProblem(const Problem& p);
  // The working of the exercise, shown under the answer while "Show working" is ticked. It is
  // never part of the exercise saved to a sheet.
  void SetWorking(const Working& working);
  // The exercise as the boxes hold it now, user edits included, with CR LF line ends.
  Problem BoxedProblem() const;

  void BtG_Click();

 private:
  void Form_Load();

  Seams seams_;
  AskSheetPath askPath_;
  Language language_;
};

// Shows the exercise in a new exercise window with the given caption, modally; returns when
// the user has closed it. With a working, "Show working" can show it under the answer.
void ShowProblem(QWidget* parent, const QString& title, const Problem& p, const Seams& seams = DefaultSeams(),
                 AskSheetPath askPath = {}, const Language& language = Language(), const Working& working = {});

// Asks for a sheet (starting in "Prbls" of the current folder, created when missing), appends
// the exercise to it and offers to open it. A failed write is reported and the sheet keeps what
// it held. Cancelling the dialog does nothing.
void SaveProblem(QWidget* parent, const Problem& p, const Seams& seams = DefaultSeams(), AskSheetPath askPath = {},
                 const Language& language = Language());

// "Saved at..." with the path and "Do you want see it?"; on Yes the sheet opens in the desktop's
// text editor.
void OfferToOpen(const QString& path, const Seams& seams = DefaultSeams(), const Language& language = Language());
