// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <cstdint>

#include "filedlg/dialog_mode.h"
#include "filedlg/folder_listing.h"
#include "lang/language.h"
#include "platform/seams.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

// The file dialog: drives, folders, files, types and the name field. AskFile shows it modally;
// tests prepare it with Open and drive it shown non-modally.
class DFtxs : public QDialog {
  Q_OBJECT

 public:
  explicit DFtxs(QWidget* parent = nullptr, const Seams& seams = DefaultSeams(), Language language = Language());

  // Sets the mode, the texts of the current language, the start folder and the type list, as
  // AskFile does before showing the dialog.
  void Open(FileDialogMode mode, const QString& startFolder, const QString& typeList);
  // Puts a name the program proposes into the name field. In save mode, accepted unchanged it is
  // a name without extension, so its "." (as in "1.5+2i") is no extension and the selected
  // type's extension is added.
  void ProposeName(const QString& name);

  // The chosen full path, or "" while nothing is chosen or after Cancel.
  QString DialogResult() const { return dialogResult_; }
  // The shown folder and the one shown before it (native separators).
  QString CurrentFolder() const { return currentFolder_; }
  QString PreviousFolder() const { return previousFolder_; }

  // The controls, named as the user knows them.
  QComboBox* LDsks = nullptr;
  QToolButton* BtObr = nullptr;
  QToolButton* BtRere = nullptr;
  QToolButton* BtAm = nullptr;
  QToolButton* BtNova = nullptr;
  QLineEdit* IdNova = nullptr;
  QListWidget* LDirs = nullptr;
  QListWidget* LFtxs = nullptr;
  QLabel* EtNom = nullptr;
  QLineEdit* IdNom = nullptr;
  QPushButton* BtOk = nullptr;
  QLabel* EtTp = nullptr;
  QComboBox* LTps = nullptr;
  QPushButton* BtFuig = nullptr;

  // Event handlers.
  void BtOk_Click();
  void BtFuig_Click();
  void BtAm_Click();
  void BtRere_Click();
  void BtNova_Click();
  void BtObr_Click();
  void LDsks_Change();
  void LTps_Click();
  void LFtxs_Click();
  void LFtxs_KeyDown(int key);
  void IdNova_KeyDown(int key);
  void LDirs_Open(QListWidgetItem* item);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls();
  // Shows `folder` in LDirs; a folder change when it differs from the shown one. False, and
  // nothing changes, when the folder does not exist or cannot be read.
  bool ShowFolder(const QString& folder);
  // Reads the shown folder again and fills both lists from it.
  void Refresh();
  void FillFolders();
  void FillFiles();
  void FillDrives();
  void SelectDriveOf(const QString& folder);
  // Walks up to the nearest existing folder when the shown one has vanished, saying so.
  bool CheckShownFolder();
  QString Joined(const QString& name) const;
  void Choose(const QString& path);

  Seams seams_;
  Language language_;
  FileDialogMode dialogMode_ = FileDialogMode::Open;
  QString proposedName_;
  QString dialogResult_;
  QString currentFolder_;
  QString previousFolder_;
  QStringList pattern_;
  FolderListing listing_;  // the shown folder's entries
  bool fillingFiles_ = false;
  QHash<QString, QString> driveFolders_;  // the last folder shown on each drive
};
