// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

#include "lang/language.h"
#include "platform/seams.h"
#include "tools/tools_list.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The tools editor: the titles on the left, the four fields of one tool on the right. It works on
// its own copy of the list, read from "Tools.rel" at every opening: "Ok" writes the copy and shows
// it in the opener's Tools menu, "Esc" (or the close box) leaves file, list and menu as they were.
// Its load settles the program's language.
class FTools : public QWidget {
  Q_OBJECT

 public:
  FTools(QWidget* opener, Language& language, const Seams& seams = DefaultSeams());

  // Editor state.
  int CurrentTool = 0;  // position of the tool in the fields; 0: the fields hold a new tool
  QPointer<QWidget> OpenerWindow;
  QString EditorStartFolder;
  bool EditorLoaded = false;
  ToolsList Tools;  // the list being edited

  // The controls.
  QLabel* EtTools = nullptr;
  QListWidget* Lst = nullptr;
  QPushButton* BtNou = nullptr;
  QPushButton* BtBrr = nullptr;
  QGroupBox* Ped = nullptr;
  std::array<QLabel*, 4> Et{};
  std::array<QLineEdit*, 4> Ed{};
  QPushButton* BtCerc = nullptr;
  QPushButton* OkEd = nullptr;
  QPushButton* BtEsc = nullptr;
  QPushButton* BtOk = nullptr;

  // Event handlers.
  void Lst_Click();
  void BtNou_Click();
  void BtBrr_Click();
  void OkEd_Click();
  void BtCerc_Click();
  void Ed_KeyDown(int index, int key);
  void BtOk_Click();
  void BtEsc_Click();

 private:
  void BuildControls();
  void Form_Load();
  void FillList();
  void ClearFields();
  void ShowTool(int position);

  Language& language_;
  Seams seams_;
  bool filling_ = false;
};

// Opens the tools editor for `window`, whose Tools menu "Ok" rebuilds; an editor already open
// comes to the front. The editor is not modal.
FTools* OpenToolsEditor(QWidget* window, Language& language, const Seams& seams = DefaultSeams());
