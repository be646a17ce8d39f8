// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractItemView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>
#include <array>

#include "filedlg/dftxs.h"
#include "form1_driver.h"
#include "graphics/fgraf.h"
#include "graphics/text_grid.h"
#include "platform/picture_box.h"
#include "platform/testing/list_rows.h"
#include "platform/testing/modal.h"
#include "platform/twips.h"

// What the user does in the operation panels, and what the results table shows.

// Picks a letter in selector i by typing it on the focused selector, as a user may: the selection
// jumps straight to it.
inline void Pick(Form1& form, int i, char letter) {
  QComboBox* selector = form.LstZ[i];
  selector->setFocus();
  // Letters typed within the keyboard interval make one search text ("bc"); a user picking one
  // letter at a time types them apart, which starts a new search.
  selector->view()->keyboardSearch(QString());
  QTest::keyClick(selector, letter);
  QCOMPARE(selector->currentText(), QString(QLatin1Char(letter)));
}

// Types into an editable combo box (the exponent or the root index), replacing its text.
inline void TypeInto(QComboBox* combo, const QString& text) {
  combo->setFocus();
  combo->lineEdit()->selectAll();
  QTest::keyClicks(combo->lineEdit(), text);
}

// Stores a, b, ... as typed into the cartesian box.
inline void StoreAll(Form1Driver& d, std::initializer_list<const char*> texts) {
  for (const char* text : texts) d.Enter(0, QString::fromUtf8(text));
}

// The results table's texts as printed since it was last cleared: [row][column]. Needs
// PBTblOp2's surface to be recording.
using TableTexts = std::array<std::array<QString, 2>, 4>;
inline TableTexts ShownTable(Form1& form) {
  const std::vector<SurfaceOp>& ops = form.Binary->PBTblOp2->surface().Recorded();
  std::size_t start = 0;
  for (std::size_t i = 0; i < ops.size(); ++i)
    if (ops[i].What == SurfaceOp::Kind::Clear) start = i + 1;
  TableTexts cells;
  for (std::size_t i = start; i < ops.size(); ++i) {
    if (ops[i].What != SurfaceOp::Kind::Text) continue;
    const int row = static_cast<int>(ops[i].Y1 / GridRowHeight);
    const int col = static_cast<int>(ops[i].X1 / 2000);
    if (row >= 0 && row < 4 && col >= 0 && col < 2) cells[row][col] += ops[i].Text;
  }
  return cells;
}

inline bool TableIsEmpty(Form1& form) {
  for (const auto& row : ShownTable(form))
    for (const QString& cell : row)
      if (!cell.isEmpty()) return false;
  return true;
}

// A mouse double-click on the results table at (x, y) twips of its cells.
inline void DoubleClickTable(Form1& form, double x, double y) {
  PictureBox* table = form.Binary->PBTblOp2;
  const int border = (table->width() - TwipsToPixelsRounded(form.Binary->ResultsTable->Cols * 2000)) / 2;
  const QPoint at(border + TwipsToPixelsRounded(x), border + TwipsToPixelsRounded(y));
  // The window system delivers a press (which picks the row), then the double-click.
  QTest::mouseClick(table, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(table, Qt::LeftButton, Qt::NoModifier, at);
}
inline void DoubleClickTableRow(Form1& form, int row) { DoubleClickTable(form, 500, row * GridRowHeight + 130); }

// A click on key i of the combined panel's keypad.
inline void Key(Form1& f, int i) { QTest::mouseClick(f.Combined->BtN[i], Qt::LeftButton); }

// A mouse double-click in the middle of a box or list row.
inline void DoubleClickBox(QWidget* box) { QTest::mouseDClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center()); }
inline void DoubleClickListRow(QListWidget* list, int row) {
  const QRect r = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

// Picks a letter from the selector's open list with the mouse: a click opens the list, a click
// on the letter's row picks it, whether or not it is the letter already shown.
inline void PickFromList(QComboBox* selector, const QString& letter) {
  QTest::mouseClick(selector, Qt::LeftButton);
  QAbstractItemView* list = selector->view();
  QTRY_VERIFY(list->isVisible());
  const QRect row = list->visualRect(list->model()->index(selector->findText(letter), 0));
  // The row may reach wider than the narrow list; the click lands in its visible part. The list
  // ignores a release that comes too soon after the click that opened it: the user clicks again.
  const QPoint at(list->viewport()->width() / 2, row.center().y());
  QVERIFY(QTest::qWaitFor([&] {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    return !list->isVisible();
  }, ModalDeadlineMs));
}

// Picks a letter with the keyboard: Tab brings the focus to the selector, F4 opens its list, the
// arrows walk to the letter and Enter picks it.
inline void PickWithKeys(QComboBox* selector, const QString& letter) {
  selector->setFocus(Qt::TabFocusReason);
  QTest::keyClick(selector, Qt::Key_F4);
  QAbstractItemView* list = selector->view();
  QTRY_VERIFY(list->isVisible());
  QTest::keyClick(list, Qt::Key_Home);
  for (int k = 0; k < selector->findText(letter); ++k) QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
  QTRY_VERIFY(!list->isVisible());
}

// Answers the next file dialog with `path`, as a user typing it into the name field.
inline void ChooseInNextDialog(const QString& path) {
  WhenModal<DFtxs>([path](DFtxs* dialog) {
    dialog->IdNom->setText(path);
    QTest::mouseClick(dialog->BtOk, Qt::LeftButton);
  });
}

// The spare graph window on show, where Open... shows a picture.
inline FGraf* VisibleSpare(Form1& form) {
  for (FGraf* window : form.findChildren<FGraf*>(QString(), Qt::FindDirectChildrenOnly))
    if (!window->Linked() && window->isVisible()) return window;
  return nullptr;
}
