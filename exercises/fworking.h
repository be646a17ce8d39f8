// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <functional>

#include "calc/problem.h"
#include "lang/language.h"
#include "platform/printing.h"
#include "platform/seams.h"
#include "working/working.h"

class QPushButton;
class QTextDocument;
class QTextEdit;

// The file dialog in save mode for the PDF: (parent, start folder) -> the chosen path, "" on
// Cancel. Empty: the program's own file dialog.
using AskPdfPath = std::function<QString(QWidget* parent, const QString& startFolder)>;

// The working window: the working of a panel's last calculation, read-only, with Copy (plain
// text), Print… and Save as PDF…. Its captions follow the language it is given.
class FWorking : public QDialog {
  Q_OBJECT

 public:
  explicit FWorking(QWidget* parent = nullptr, const Seams& seams = DefaultSeams(), AskPdfPath askPdf = {},
                    AskPrinter askPrinter = {});

  QTextEdit* TxtWorking = nullptr;
  QPushButton* BtCopy = nullptr;
  QPushButton* BtPrint = nullptr;
  QPushButton* BtPdf = nullptr;

  // Shows the working of a calculation of the given kind; the captions take the language.
  void SetWorking(ProblemKind kind, const Working& working, const Language& language);
  // The working as Copy puts it on the clipboard.
  QString PlainText() const { return plain_; }
  // Writes the working, under its caption, to a PDF; answers whether the file was written.
  bool SavePdf(const QString& path) const;

  void BtCopy_Click();
  void BtPrint_Click();
  void BtPdf_Click();

 private:
  // The working under its caption, as printed and saved.
  DrawPages Pages() const;

  Seams seams_;
  AskPdfPath askPdf_;
  AskPrinter askPrinter_;
  Language language_;
  QString html_;
  QString plain_;
};
