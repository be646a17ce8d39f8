// SPDX-License-Identifier: MIT
#include "filedlg/dftxs.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "filedlg/path_helpers_qt.h"
#include "platform/processes.h"
#include "platform/program_font.h"
#include "platform/twips.h"
#include "lang/language.h"

namespace {
constexpr int PathRole = Qt::UserRole;

// A path as the user typed or the program got it: "\" separates folders too.
QString Slashed(const QString& path) {
  QString slashed = QDir::fromNativeSeparators(path);
  slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return slashed;
}

// A clean absolute path with the platform's separator; relative paths count from the current folder.
QString FullNative(const QString& path) {
  return QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(Slashed(path))));
}

bool EndsWithSeparator(const QString& path) {
  return path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'));
}

// A folder whose entries can be listed.
bool Listable(const QString& folder) {
  const QFileInfo info(folder);
#ifdef Q_OS_UNIX
  return info.isDir() && info.isReadable() && info.isExecutable();
#else
  return info.isDir() && info.isReadable();
#endif
}

// The file list's name filters for a type text: "*.*" means every file, as it always has;
// ";" separates several patterns.
QStringList NameFilters(const QString& typeText) {
  QStringList filters;
  for (const QString& piece : typeText.split(QLatin1Char(';'))) {
    const QString pattern = piece.trimmed();
    if (pattern.isEmpty()) continue;
    filters << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
  }
  if (filters.isEmpty()) filters << QStringLiteral("*");
  return filters;
}

// The extension a new name receives in save mode: the type text from its first "." ("*.txt"
// gives ".txt"); none for an empty type, "*.*", a type without "." or one with wildcards after it.
QString TypeExtension(const QString& typeText) {
  const QString first = typeText.section(QLatin1Char(';'), 0, 0).trimmed();
  if (first.isEmpty() || first == QLatin1String("*.*")) return QString();
  const qsizetype dot = first.indexOf(QLatin1Char('.'));
  if (dot < 0) return QString();
  const QString ext = first.mid(dot);
  if (ext.contains(QLatin1Char('*')) || ext.contains(QLatin1Char('?'))) return QString();
  return ext;
}


// A volume a user keeps files on: not the system's own mounts (memory file systems, packaged
// programs, boot and run-time folders) and not a single file mounted into place.
bool IsUserVolume(const QStorageInfo& volume) {
  const QString root = volume.rootPath();
  if (!QFileInfo(root).isDir()) return false;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  static const QStringList systemTypes = {"tmpfs", "devtmpfs", "squashfs", "overlay", "ramfs", "efivarfs"};
  if (systemTypes.contains(QString::fromLatin1(volume.fileSystemType()))) return false;
  if (root.startsWith(QLatin1String("/run/media/"))) return true;
  static const QStringList systemFolders = {"/boot", "/dev", "/proc", "/sys", "/run", "/snap", "/var", "/usr", "/etc"};
  for (const QString& folder : systemFolders)
    if (root == folder || root.startsWith(folder + QLatin1Char('/'))) return false;
#endif
  return true;
}

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }
}  // namespace

DFtxs::DFtxs(QWidget* parent, const Seams& seams, Language language)
    : QDialog(parent), seams_(seams), language_(language) {
  setObjectName(QStringLiteral("DFtxs"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(true);
  setFont(ProgramFont());
  BuildControls();
}

void DFtxs::BuildControls() {
  const auto named = [](QWidget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
  };
  // A control that keeps its room while hidden, so that the others stay where they are.
  const auto keepRoom = [](QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
  };

  LDsks = new QComboBox(this);
  named(LDsks, "LDsks");
  // Wide enough for a drive's name; a long volume name shows whole in the open list.
  LDsks->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  LDsks->setMinimumContentsLength(12);

  const auto pictureButton = [this, &named](QToolButton*& button, const char* name, QStyle::StandardPixmap icon) {
    button = new QToolButton(this);
    named(button, name);
    button->setIcon(style()->standardIcon(icon));
    button->setAutoRaise(true);
    button->setMinimumSize(Px(375), Px(360));
  };
  pictureButton(BtObr, "BtObr", QStyle::SP_DirOpenIcon);
  pictureButton(BtRere, "BtRere", QStyle::SP_FileDialogBack);
  pictureButton(BtAm, "BtAm", QStyle::SP_FileDialogToParent);
  pictureButton(BtNova, "BtNova", QStyle::SP_FileDialogNewFolder);
  BtRere->setEnabled(false);
  keepRoom(BtObr);

  IdNova = new QLineEdit(this);
  named(IdNova, "IdNova");
  IdNova->setMinimumWidth(Px(1515));
  keepRoom(IdNova);
  IdNova->hide();

  LDirs = new QListWidget(this);
  named(LDirs, "LDirs");
  LDirs->setUniformItemSizes(true);
  LFtxs = new QListWidget(this);
  named(LFtxs, "LFtxs");
  LFtxs->setUniformItemSizes(true);
  for (QListWidget* list : {LDirs, LFtxs}) list->setMinimumSize(Px(2000), Px(1800));

  EtNom = new QLabel(this);
  named(EtNom, "EtNom");
  IdNom = new QLineEdit(this);
  named(IdNom, "IdNom");
  BtOk = new QPushButton(QStringLiteral("Ok"), this);
  named(BtOk, "BtOk");
  EtTp = new QLabel(this);
  named(EtTp, "EtTp");
  LTps = new QComboBox(this);
  named(LTps, "LTps");
  LTps->setEditable(true);
  LTps->setInsertPolicy(QComboBox::NoInsert);
  BtFuig = new QPushButton(this);
  named(BtFuig, "BtFuig");
  EtNom->setBuddy(IdNom);
  EtTp->setBuddy(LTps);
  for (QPushButton* button : {BtOk, BtFuig}) button->setMinimumWidth(Px(990));

  // The drive and the small buttons above, the folders and the files side by side, the name and
  // the type below with their labels before them and the two leaving buttons after them.
  auto* top = new QHBoxLayout;
  top->setSpacing(Px(30));
  top->addWidget(LDsks);
  top->addSpacing(Px(480));
  for (QToolButton* button : {BtObr, BtRere, BtAm, BtNova}) top->addWidget(button);
  top->addSpacing(Px(30));
  top->addWidget(IdNova);
  top->addStretch(1);

  auto* lists = new QHBoxLayout;
  lists->setSpacing(Px(270));
  lists->addWidget(LDirs, 1);
  lists->addWidget(LFtxs, 1);

  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(Px(90));
  fields->setVerticalSpacing(Px(75));
  fields->addWidget(EtNom, 0, 0, Qt::AlignVCenter | Qt::AlignLeft);
  fields->addWidget(IdNom, 0, 1);
  fields->addWidget(BtOk, 0, 2);
  fields->addWidget(EtTp, 1, 0, Qt::AlignVCenter | Qt::AlignLeft);
  fields->addWidget(LTps, 1, 1);
  fields->addWidget(BtFuig, 1, 2);
  fields->setColumnStretch(1, 1);
  fields->setColumnMinimumWidth(1, Px(2500));

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(Px(195), Px(135), Px(135), Px(135));
  page->setSpacing(Px(150));
  page->addLayout(top);
  page->addLayout(lists, 1);
  page->addLayout(fields);
  resize(std::max(Px(6420), sizeHint().width()), std::max(Px(4755), sizeHint().height()));

  // Enter belongs to the control that has the focus, never to a default button.
  for (QPushButton* button : {BtOk, BtFuig}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }

  QWidget* order[] = {LDirs, LFtxs, BtOk, LDsks, IdNom, LTps, BtFuig, BtRere, BtAm, BtNova, IdNova, BtObr};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  for (QWidget* watched : {static_cast<QWidget*>(LFtxs), static_cast<QWidget*>(LDirs),
                           static_cast<QWidget*>(IdNova), static_cast<QWidget*>(BtOk),
                           static_cast<QWidget*>(BtFuig)})
    watched->installEventFilter(this);

  connect(BtOk, &QPushButton::clicked, this, &DFtxs::BtOk_Click);
  connect(BtFuig, &QPushButton::clicked, this, &DFtxs::BtFuig_Click);
  connect(BtAm, &QToolButton::clicked, this, &DFtxs::BtAm_Click);
  connect(BtRere, &QToolButton::clicked, this, &DFtxs::BtRere_Click);
  connect(BtNova, &QToolButton::clicked, this, &DFtxs::BtNova_Click);
  connect(BtObr, &QToolButton::clicked, this, &DFtxs::BtObr_Click);
  connect(IdNom, &QLineEdit::returnPressed, this, &DFtxs::BtOk_Click);
  connect(LDsks, &QComboBox::activated, this, &DFtxs::LDsks_Change);
  connect(LTps, &QComboBox::activated, this, &DFtxs::LTps_Click);
  connect(LTps->lineEdit(), &QLineEdit::returnPressed, this, &DFtxs::LTps_Click);
  connect(LDirs, &QListWidget::itemDoubleClicked, this, &DFtxs::LDirs_Open);
  connect(LFtxs, &QListWidget::currentItemChanged, this, &DFtxs::LFtxs_Click);
  connect(LFtxs, &QListWidget::itemClicked, this, &DFtxs::LFtxs_Click);
  connect(LFtxs, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    IdNom->setText(item->text());
    BtOk_Click();
  });

  BtObr->setVisible(QFileInfo(CompanionPath(QStringLiteral("Kovel"))).isFile());
}

void DFtxs::Open(FileDialogMode mode, const QString& startFolder, const QString& typeList) {
  dialogMode_ = mode;
  dialogResult_.clear();
  proposedName_.clear();

  setWindowTitle(language_.DialogTitle(static_cast<int>(mode)));
  EtNom->setText(language_.Text(DialogTexts::EtNom));
  EtTp->setText(language_.Text(DialogTexts::EtTp));
  BtFuig->setText(language_.Text(DialogTexts::BtFuig));
  BtRere->setToolTip(language_.Text(DialogTexts::BtRereTip));
  BtAm->setToolTip(language_.Text(DialogTexts::BtAmTip));
  BtObr->setToolTip(language_.Text(DialogTexts::BtObrTip));
  BtNova->setToolTip(language_.Text(DialogTexts::BtNovaTip));

  // Each pattern between "|" is one type; an empty list is one empty type, a final "|" a final one.
  LTps->clear();
  LTps->addItems(typeList.split(QLatin1Char('|')));
  LTps->setCurrentIndex(0);
  pattern_ = NameFilters(LTps->currentText());

  // The dialog starts in the working folder; showing another start folder is a folder change.
  currentFolder_ = FullNative(QDir::currentPath());
  previousFolder_.clear();
  BtRere->setEnabled(false);
  FillDrives();
  if (!ShowFolder(startFolder)) ShowFolder(currentFolder_);
}

void DFtxs::ProposeName(const QString& name) {
  proposedName_ = name;
  IdNom->setText(name);
}

// ---- Folder changes and listings ----

bool DFtxs::ShowFolder(const QString& folder) {
  if (folder.trimmed().isEmpty()) return false;
  const QString target = FullNative(folder);
  if (!Listable(target)) return false;
  if (target != currentFolder_) {
    previousFolder_ = currentFolder_;
    currentFolder_ = target;
    BtRere->setEnabled(true);
  }
  Refresh();
  SelectDriveOf(currentFolder_);
  if (LDsks->currentIndex() >= 0) driveFolders_[LDsks->currentData(PathRole).toString()] = currentFolder_;
  return true;
}

void DFtxs::Refresh() {
  listing_ = ListFolder(Slashed(currentFolder_));
  FillFolders();
  FillFiles();
}

void DFtxs::FillFolders() {
  LDirs->clear();
  // The chain from the root down to the shown folder, each one level further in, then its
  // subfolders one level further still.
  QStringList chain;
  QDir walker(Slashed(currentFolder_));
  while (true) {
    chain.prepend(walker.absolutePath());
    if (!walker.cdUp()) break;
  }
  const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
  const auto add = [this](const QString& path, const QString& name, const QIcon& icon, int depth) {
    auto* item = new QListWidgetItem(icon, QString(depth * 2, QLatin1Char(' ')) + name, LDirs);
    item->setData(PathRole, QDir::toNativeSeparators(path));
    item->setToolTip(QDir::toNativeSeparators(path));
    return item;
  };
  QListWidgetItem* shown = nullptr;
  for (qsizetype i = 0; i < chain.size(); ++i) {
    const QString name = i == 0 ? QDir::toNativeSeparators(chain[i]) : QFileInfo(chain[i]).fileName();
    shown = add(chain[i], name, openIcon, static_cast<int>(i));
  }
  const QDir dir(Slashed(currentFolder_));
  for (const QString& name : listing_.Folders)
    add(dir.filePath(name), name, closedIcon, static_cast<int>(chain.size()));
  LDirs->setCurrentItem(shown);
}

void DFtxs::FillFiles() {
  fillingFiles_ = true;
  LFtxs->clear();
  LFtxs->addItems(MatchingFiles(listing_.Files, pattern_));
  LFtxs->setCurrentRow(-1);
  fillingFiles_ = false;
}

void DFtxs::FillDrives() {
  LDsks->clear();
  QStringList roots;
  roots << QDir::rootPath() << QDir::homePath();
  QStringList others;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady() && IsUserVolume(volume)) others << volume.rootPath();
  }
  others.sort();
  roots << others;
  roots.removeDuplicates();
  for (const QString& root : roots) {
    const QStorageInfo volume(root);
    QString text = QDir::toNativeSeparators(root);
    if (root == QDir::homePath() && root != QDir::rootPath()) text += QStringLiteral("  (~)");
    else if (!volume.name().isEmpty() && volume.rootPath() == root)
      text += QStringLiteral("  [") + volume.name() + QLatin1Char(']');
    LDsks->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), text, QDir::toNativeSeparators(root));
  }
}

void DFtxs::SelectDriveOf(const QString& folder) {
  // The drive of a folder is the entry with the longest root that holds it.
  const QString slashed = Slashed(folder);
  int best = -1;
  qsizetype bestLength = -1;
  for (int i = 0; i < LDsks->count(); ++i) {
    const QString root = Slashed(LDsks->itemData(i, PathRole).toString());
    const QString rootWithSeparator = EndsWithSeparator(root) ? root : root + QLatin1Char('/');
    const bool holds = slashed == root || slashed.startsWith(rootWithSeparator);
    if (holds && root.size() > bestLength) {
      best = i;
      bestLength = root.size();
    }
  }
  const QSignalBlocker quiet(LDsks);
  LDsks->setCurrentIndex(best);
}

bool DFtxs::CheckShownFolder() {
  if (Listable(currentFolder_)) return true;
  seams_.Messages->Show(currentFolder_, QStringLiteral("Path not found"));
  QString up = currentFolder_;
  while (!Listable(up)) {
    const QString parent = FolderOf(up);
    if (parent.isEmpty() || FullNative(parent) == FullNative(up)) return false;
    up = FullNative(parent);
  }
  ShowFolder(up);
  return false;
}

QString DFtxs::Joined(const QString& name) const {
  return EndsWithSeparator(currentFolder_) ? currentFolder_ + name : currentFolder_ + QDir::separator() + name;
}

void DFtxs::Choose(const QString& path) {
  dialogResult_ = QDir::toNativeSeparators(QDir::cleanPath(Slashed(path)));
  accept();
}

// ---- Event handlers ----

void DFtxs::BtOk_Click() {
  QString typed = IdNom->text().trimmed();
  if (typed.isEmpty()) return;
  if (!CheckShownFolder()) return;
  // The program's proposal, accepted as it stands, is a name without extension.
  if (dialogMode_ == FileDialogMode::Save && !proposedName_.isEmpty() && typed == proposedName_.trimmed()) {
    const QString ext = TypeExtension(LTps->currentText());
    Choose(Joined(typed) + (typed.endsWith(ext, Qt::CaseInsensitive) ? QString() : ext));
    return;
  }
  typed = Slashed(typed);
  const bool absolute = QDir::isAbsolutePath(typed);
  const QString inFolder = absolute ? typed : Joined(typed);

  // A name with "." is a file name, taken as typed; only a folder of that name is entered instead.
  const auto takeFile = [this](const QString& path) {
    if (QFileInfo(path).isDir() && ShowFolder(path)) {
      IdNom->clear();
      return;
    }
    const QFileInfo file(path);
    if (dialogMode_ == FileDialogMode::Open && (!file.isFile() || file.isHidden())) {
      seams_.Messages->Show(QDir::toNativeSeparators(QDir::cleanPath(path)), QStringLiteral("File not found"));
      return;
    }
    Choose(path);
  };
  if (typed.contains(QLatin1Char('.'))) {
    takeFile(inFolder);
    return;
  }

  // No ".": a folder to show, an existing file, or a new name. The shown folder is looked in
  // first, then the current folder.
  QStringList candidates{inFolder};
  if (!absolute) candidates << QDir::current().absoluteFilePath(typed);
  for (const QString& candidate : candidates) {
    const QFileInfo entry(candidate);
    if (!entry.exists()) continue;
    if (entry.isDir()) {
      if (ShowFolder(candidate)) {
        IdNom->clear();
        return;
      }
      break;  // a folder that cannot be shown counts as nothing
    }
    takeFile(inFolder);
    return;
  }
  if (dialogMode_ == FileDialogMode::Save) {
    Choose(inFolder + TypeExtension(LTps->currentText()));
    return;
  }
  seams_.Messages->Show(IdNom->text().trimmed(), QStringLiteral("Path not found"));
}

void DFtxs::BtFuig_Click() {
  dialogResult_.clear();
  reject();
}

void DFtxs::BtAm_Click() {
  const QString up = FolderOf(currentFolder_);
  if (up.isEmpty() || FullNative(up) == currentFolder_) return;  // a drive's root
  if (!ShowFolder(up)) seams_.Messages->Show(FullNative(up), QStringLiteral("Path not found"));
}

void DFtxs::BtRere_Click() {
  if (previousFolder_.isEmpty()) return;
  if (!ShowFolder(previousFolder_)) seams_.Messages->Show(previousFolder_, QStringLiteral("Path not found"));
}

void DFtxs::BtNova_Click() {
  IdNova->setText(language_.Text(DialogTexts::NewFolderName));
  IdNova->show();
  IdNova->setFocus();
  IdNova->selectAll();
}

void DFtxs::IdNova_KeyDown(int key) {
  if (key == Qt::Key_Escape) {
    IdNova->hide();
    IdNom->setFocus();
    return;
  }
  if (!IsEnter(key)) return;
  const QString name = IdNova->text().trimmed();
  if (name.isEmpty()) return;
  if (!CheckShownFolder()) return;
  const QString path = Joined(name);
  if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name == QLatin1String(".") ||
      name == QLatin1String("..")) {
    seams_.Messages->Show(name + QStringLiteral("\nA folder name cannot hold \"/\" or \"\\\"."),
                          QStringLiteral("Folder not created"));
  } else if (QFileInfo::exists(path)) {
    seams_.Messages->Show(path + QStringLiteral("\nThis name is already taken."), QStringLiteral("Folder not created"));
  } else if (!QDir().mkdir(Slashed(path))) {
    seams_.Messages->Show(path, QStringLiteral("Folder not created"));
  } else {
    Refresh();
    IdNova->hide();
    IdNom->setFocus();
    return;
  }
  IdNova->setFocus();
  IdNova->selectAll();
}

void DFtxs::BtObr_Click() {
  if (!QFileInfo(CompanionPath(QStringLiteral("Kovel"))).isFile()) {
    seams_.Messages->Show(CompanionPath(QStringLiteral("Kovel")), QStringLiteral("File not found"));
    BtObr->hide();
    return;
  }
  const QListWidgetItem* highlighted = LDirs->currentItem();
  // With its final separator the folder is opened as it is, also when its name holds a "."
  // (".local", "my.dir"), which Kovel would otherwise take for a file name.
  const QString folder = WithFinalSeparator(
      highlighted != nullptr ? highlighted->data(PathRole).toString() : currentFolder_, QDir::separator());
  const ProcessCommand command = CompanionCommand(QStringLiteral("Kovel"), folder);
  if (!seams_.Processes->Start(command, WindowStyle::Hidden))
    seams_.Messages->Show(command.CommandLine, QStringLiteral("Not started"));
}

void DFtxs::LDsks_Change() {
  const QString root = LDsks->currentData(PathRole).toString();
  if (!Listable(root)) {
    seams_.Messages->Show(QStringLiteral("No hi ha disc a  ") + LDsks->currentText(), QStringLiteral("No accessible"));
    SelectDriveOf(currentFolder_);
    return;
  }
  const QString last = driveFolders_.value(root);
  if (last.isEmpty() || !ShowFolder(last)) ShowFolder(root);
}

void DFtxs::LTps_Click() {
  pattern_ = NameFilters(LTps->currentText());
  if (CheckShownFolder()) Refresh();
}

void DFtxs::LFtxs_Click() {
  if (fillingFiles_) return;
  const QListWidgetItem* item = LFtxs->currentItem();
  if (item != nullptr) IdNom->setText(item->text());
}

void DFtxs::LFtxs_KeyDown(int key) {
  if (IsEnter(key)) {
    if (LFtxs->currentItem() != nullptr) BtOk_Click();
    return;
  }
  if (key != Qt::Key_Delete) return;
  const QListWidgetItem* item = LFtxs->currentItem();
  if (item == nullptr || !item->isSelected()) {
    seams_.Messages->Show(QStringLiteral("Select the file to erase first."), QStringLiteral("Erase file?"));
    return;
  }
  const QString name = item->text();
  const QString path = Joined(name);
  if (seams_.Messages->Show(path, QStringLiteral("Erase file?"), MsgButtons::YesNo, MsgIcon::Question) ==
      MsgAnswer::No)
    return;
  QFile file(Slashed(path));
  if (!file.remove() && QFileInfo::exists(path))
    seams_.Messages->Show(path + QLatin1Char('\n') + file.errorString(), QStringLiteral("File not erased"));
  else if (IdNom->text() == name)
    IdNom->clear();
  if (CheckShownFolder()) Refresh();
}

void DFtxs::LDirs_Open(QListWidgetItem* item) {
  if (item == nullptr) return;
  const QString folder = item->data(PathRole).toString();
  if (ShowFolder(folder)) return;
  seams_.Messages->Show(folder, QFileInfo::exists(folder) ? QStringLiteral("No accessible") : QStringLiteral("Path not found"));
  if (CheckShownFolder()) Refresh();
}

bool DFtxs::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (watched == IdNova && (IsEnter(key) || key == Qt::Key_Escape)) {
    IdNova_KeyDown(key);
    return true;  // Escape here hides the box and must not close the dialog
  }
  if (watched == LFtxs && (IsEnter(key) || key == Qt::Key_Delete)) {
    LFtxs_KeyDown(key);
    return true;
  }
  if (watched == LDirs && IsEnter(key)) {
    LDirs_Open(LDirs->currentItem());
    return true;
  }
  if ((watched == BtOk || watched == BtFuig) && IsEnter(key)) {
    static_cast<QPushButton*>(watched)->click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void DFtxs::paintEvent(QPaintEvent*) {
  // The background picture: a soft paper gradient.
  QPainter painter(this);
  QLinearGradient paper(0, 0, 0, height());
  paper.setColorAt(0, QColor(0xf6, 0xf3, 0xea));
  paper.setColorAt(1, QColor(0xd8, 0xe2, 0xee));
  painter.fillRect(rect(), paper);
}

void DFtxs::showEvent(QShowEvent* event) {
  // Centred on the screen, whoever its owner is.
  if (const QScreen* shownOn = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(shownOn->availableGeometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
  IdNom->setFocus();
}
