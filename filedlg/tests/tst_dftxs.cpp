// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "filedlg/ask_file.h"
#include "filedlg/dftxs.h"
#include "platform/processes.h"
#include "platform/program_folder.h"
#include "platform/testing/recording_seams.h"
#include "platform/testing/modal.h"
#include "lang/language.h"
#include "platform/testing/layout_checks.h"
#include "platform/testing/environment.h"
#include "platform/testing/file_bytes.h"

// The file dialog driven as a user drives it, on real folders:
//   <tmp>/work          the current folder of the "program"
//   <tmp>/data          a.txt b.txt pic.jpg pic.bmp noext .hidden.txt, folders sub/ and my.files/
//   <tmp>/other
class DFtxsTests : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> tmp_;
  QString work_, data_, other_, startedIn_;
  RecordingMessages messages_;
  RecordingProcesses processes_;

  Seams TestSeams() { return Seams{&messages_, &processes_}; }

  static QString N(const QString& path) { return QDir::toNativeSeparators(path); }

  Language language_;  // the program's language, as the main window gives it to the dialog

  std::unique_ptr<DFtxs> Open(FileDialogMode mode, const QString& start, const QString& types) {
    auto dialog = std::make_unique<DFtxs>(nullptr, TestSeams(), language_);
    dialog->Open(mode, start, types);
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get())) return nullptr;
    return dialog;
  }

  static QStringList Texts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text().trimmed();
    return texts;
  }

  static QListWidgetItem* Find(QListWidget* list, const QString& text) {
    for (int i = 0; i < list->count(); ++i)
      if (list->item(i)->text().trimmed() == text) return list->item(i);
    return nullptr;
  }

  static void Click(QListWidget* list, const QString& text, bool twice = false) {
    QListWidgetItem* item = Find(list, text);
    QVERIFY2(item != nullptr, qPrintable(text));
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    // A double click begins as a click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  }

  static void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }

 private slots:
  void init() {
    tmp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(tmp_->isValid());
    const QDir root(tmp_->path());
    for (const char* folder : {"work", "data/sub", "data/my.files", "other"}) QVERIFY(root.mkpath(folder));
    work_ = root.filePath(QStringLiteral("work"));
    data_ = root.filePath(QStringLiteral("data"));
    other_ = root.filePath(QStringLiteral("other"));
    for (const char* file : {"a.txt", "b.txt", "pic.jpg", "pic.bmp", "noext", ".hidden.txt"})
      WriteAll(QDir(data_).filePath(QString::fromLatin1(file)), {});
    startedIn_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work_));
    messages_.Shown.clear();
    processes_.Started.clear();
    processes_.Succeed = true;
    language_ = Language();
  }

  void cleanup() {
    // Whatever happened, the dialog left the program's current folder alone.
    QCOMPARE(QDir::currentPath(), work_);
    QDir::setCurrent(startedIn_);
    SetExecutableFolder(QString());
    tmp_.reset();
  }

  void StartsInTheStartFolderOrElseInTheCurrentOne() {
    auto dialog = Open(FileDialogMode::Open, data_, QStringLiteral("*.txt|*.*"));
    QVERIFY(dialog);
    QCOMPARE(dialog->CurrentFolder(), N(data_));
    QCOMPARE(dialog->PreviousFolder(), N(work_));
    QVERIFY(dialog->BtRere->isEnabled());
    QCOMPARE(dialog->LDirs->currentItem()->data(Qt::UserRole).toString(), N(data_));
    // The window takes the focus into the name field.
    QCOMPARE(QApplication::focusWidget(), dialog->IdNom);
    // Ordinary files of the first type; the hidden one is not listed.
    QCOMPARE(Texts(dialog->LFtxs), (QStringList{"a.txt", "b.txt"}));
    QCOMPARE(Texts(dialog->LDirs).mid(Texts(dialog->LDirs).size() - 2), (QStringList{"my.files", "sub"}));

    // A start folder relative to the current folder, with "\" as separator.
    QDir(work_).mkpath(QStringLiteral("Prbls/old"));
    dialog = Open(FileDialogMode::Save, QStringLiteral("Prbls\\old"), QStringLiteral("*.txt"));
    QCOMPARE(dialog->CurrentFolder(), N(work_ + QStringLiteral("/Prbls/old")));

    // A start folder that does not exist: the current folder, silently; nothing was visited before.
    dialog = Open(FileDialogMode::Save, QStringLiteral("C:\\nowhere"), QStringLiteral("*.txt"));
    QCOMPARE(dialog->CurrentFolder(), N(work_));
    QVERIFY(!dialog->BtRere->isEnabled());
    QVERIFY(messages_.Shown.isEmpty());
  }

  void SaveModeAddsTheTypeExtensionOnlyToANewNameWithoutDot() {
    const QString sheet = N(data_ + QStringLiteral("/sheet1.txt"));
    auto dialog = Open(FileDialogMode::Save, data_, QStringLiteral("*.txt|*.*"));
    Type(dialog->IdNom, QStringLiteral("sheet1"));
    QCOMPARE(dialog->DialogResult(), sheet);
    QVERIFY(dialog->isHidden());

    dialog = Open(FileDialogMode::Save, data_, QStringLiteral("*.txt|*.*"));
    Type(dialog->IdNom, QStringLiteral("sheet1.txt"));
    QCOMPARE(dialog->DialogResult(), sheet);

    // The second type, chosen in the type list, adds nothing.
    dialog = Open(FileDialogMode::Save, data_, QStringLiteral("*.txt|*.*"));
    dialog->LTps->setFocus();
    QTest::keyClick(dialog->LTps, Qt::Key_Down);
    QCOMPARE(dialog->LTps->currentText(), QStringLiteral("*.*"));
    QCOMPARE(Texts(dialog->LFtxs), (QStringList{"a.txt", "b.txt", "noext", "pic.bmp", "pic.jpg"}));
    Type(dialog->IdNom, QStringLiteral("sheet1"));
    QCOMPARE(dialog->DialogResult(), N(data_ + QStringLiteral("/sheet1")));

    // An empty type list and a type without extension add nothing either; an existing file
    // without "." is taken as it is.
    dialog = Open(FileDialogMode::Save, data_, QString());
    Type(dialog->IdNom, QStringLiteral("sheet1"));
    QCOMPARE(dialog->DialogResult(), N(data_ + QStringLiteral("/sheet1")));
    dialog = Open(FileDialogMode::Save, data_, QStringLiteral("*.jpg"));
    Type(dialog->IdNom, QStringLiteral("noext"));
    QCOMPARE(dialog->DialogResult(), N(data_ + QStringLiteral("/noext")));

    // In a drive's root the separator is not doubled.
    dialog = Open(FileDialogMode::Save, QDir::rootPath(), QStringLiteral("*.txt"));
    Type(dialog->IdNom, QStringLiteral("x.txt"));
    QCOMPARE(dialog->DialogResult(), N(QDir::rootPath() + QStringLiteral("x.txt")));
    QVERIFY(messages_.Shown.isEmpty());
  }

  void OpenModeRefusesWhatDoesNotExist() {
    auto dialog = Open(FileDialogMode::Open, data_, QStringLiteral("*.txt"));
    Type(dialog->IdNom, QStringLiteral("missing.txt"));
    QCOMPARE(messages_.LastTitle(), QStringLiteral("File not found"));
    QCOMPARE(messages_.LastText(), N(data_ + QStringLiteral("/missing.txt")));
    QVERIFY(dialog->isVisible());
    // A hidden file is no ordinary file.
    Type(dialog->IdNom, QStringLiteral(".hidden.txt"));
    QCOMPARE(messages_.Shown.size(), 2);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("File not found"));
    // A name without "." that names nothing here nor in the current folder.
    Type(dialog->IdNom, QStringLiteral("abc"));
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Path not found"));
    QCOMPARE(messages_.LastText(), QStringLiteral("abc"));
    QVERIFY(dialog->isVisible());
    // Cancel returns the empty text.
    QTest::mouseClick(dialog->BtFuig, Qt::LeftButton);
    QVERIFY(dialog->isHidden());
    QCOMPARE(dialog->DialogResult(), QString());

    // An existing file without "." is chosen; so is a file given by its absolute path.
    dialog = Open(FileDialogMode::Open, data_, QStringLiteral("*.txt"));
    Type(dialog->IdNom, QStringLiteral("noext"));
    QCOMPARE(dialog->DialogResult(), N(data_ + QStringLiteral("/noext")));
    dialog = Open(FileDialogMode::Open, other_, QStringLiteral("*.txt"));
    Type(dialog->IdNom, data_ + QStringLiteral("/pic.jpg"));
    QCOMPARE(dialog->DialogResult(), N(data_ + QStringLiteral("/pic.jpg")));
    // Closing the window is Cancel.
    dialog = Open(FileDialogMode::Open, data_, QStringLiteral("*.txt"));
    dialog->IdNom->setText(QStringLiteral("a.txt"));
    dialog->close();
    QCOMPARE(dialog->DialogResult(), QString());
  }

  void TypingAFolderShowsIt() {
    auto dialog = Open(FileDialogMode::Open, data_, QStringLiteral("*.txt"));
    Type(dialog->IdNom, other_);
    QCOMPARE(dialog->CurrentFolder(), N(other_));
    QVERIFY(dialog->IdNom->text().isEmpty());
    QVERIFY(dialog->isVisible());
    // A folder of the current folder, typed by its name.
    QDir(work_).mkdir(QStringLiteral("Graphs"));
    Type(dialog->IdNom, QStringLiteral("Graphs"));
    QCOMPARE(dialog->CurrentFolder(), N(work_ + QStringLiteral("/Graphs")));
    // A folder of the shown folder, even with a "." in its name.
    Type(dialog->IdNom, data_);
    Type(dialog->IdNom, QStringLiteral("my.files"));
    QCOMPARE(dialog->CurrentFolder(), N(data_ + QStringLiteral("/my.files")));
    Type(dialog->IdNom, QStringLiteral("..\\sub"));
    QCOMPARE(dialog->CurrentFolder(), N(data_ + QStringLiteral("/sub")));
    QVERIFY(messages_.Shown.isEmpty());
    QVERIFY(dialog->isVisible());
  }

  void TheTypeListIsSplitAtEveryBar() {
    auto dialog = Open(FileDialogMode::Save, data_, QStringLiteral("*.jpg|*.bmp"));
    QCOMPARE(dialog->LTps->count(), 2);
    QCOMPARE(dialog->LTps->itemText(1), QStringLiteral("*.bmp"));
    QCOMPARE(Texts(dialog->LFtxs), QStringList{"pic.jpg"});
    dialog->LTps->setFocus();
    QTest::keyClick(dialog->LTps, Qt::Key_Down);
    QCOMPARE(Texts(dialog->LFtxs), QStringList{"pic.bmp"});
    // A pattern typed by the user applies too, in any case of letters.
    Type(dialog->LTps->lineEdit(), QStringLiteral("*.TXT"));
    QCOMPARE(Texts(dialog->LFtxs), (QStringList{"a.txt", "b.txt"}));
    Type(dialog->LTps->lineEdit(), QStringLiteral("*.jpg;*.bmp"));
    QCOMPARE(Texts(dialog->LFtxs), (QStringList{"pic.bmp", "pic.jpg"}));
    QCOMPARE(dialog->LTps->count(), 2);

    dialog = Open(FileDialogMode::Save, data_, QString());
    QCOMPARE(dialog->LTps->count(), 1);
    QCOMPARE(dialog->LTps->itemText(0), QString());
    QCOMPARE(Texts(dialog->LFtxs).size(), 5);

    dialog = Open(FileDialogMode::Save, data_, QStringLiteral("*.txt|"));
    QCOMPARE(dialog->LTps->count(), 2);
    QCOMPARE(dialog->LTps->itemText(0), QStringLiteral("*.txt"));
    QCOMPARE(dialog->LTps->itemText(1), QString());
  }

  void UpOneLevelAndBackToTheLastVisitedFolder() {
    const QString sub = data_ + QStringLiteral("/sub");
    auto dialog = Open(FileDialogMode::Open, sub, QStringLiteral("*.*"));
    QTest::mouseClick(dialog->BtRere, Qt::LeftButton);
    QCOMPARE(dialog->CurrentFolder(), N(work_));
    QTest::mouseClick(dialog->BtRere, Qt::LeftButton);
    QCOMPARE(dialog->CurrentFolder(), N(sub));
    QTest::mouseClick(dialog->BtAm, Qt::LeftButton);
    QCOMPARE(dialog->CurrentFolder(), N(data_));
    QCOMPARE(dialog->PreviousFolder(), N(sub));
    // Twice back returns to where it was.
    QTest::mouseClick(dialog->BtRere, Qt::LeftButton);
    QTest::mouseClick(dialog->BtRere, Qt::LeftButton);
    QCOMPARE(dialog->CurrentFolder(), N(data_));
    // A double click in the folder list is a folder change as well.
    Click(dialog->LDirs, QStringLiteral("sub"), true);
    QCOMPARE(dialog->CurrentFolder(), N(sub));
    QCOMPARE(dialog->PreviousFolder(), N(data_));

    // At the root, up does nothing.
    dialog = Open(FileDialogMode::Open, QDir::rootPath(), QStringLiteral("*.*"));
    QTest::mouseClick(dialog->BtAm, Qt::LeftButton);
    QCOMPARE(dialog->CurrentFolder(), N(QDir::rootPath()));
    QCOMPARE(dialog->PreviousFolder(), N(work_));
    QVERIFY(messages_.Shown.isEmpty());
  }

  void AVanishedFolderIsReportedAndTheDialogGoesOn() {
    const QString sub = data_ + QStringLiteral("/sub");
    auto dialog = Open(FileDialogMode::Save, sub, QStringLiteral("*.txt"));
    QTest::mouseClick(dialog->BtAm, Qt::LeftButton);
    QVERIFY(QDir(sub).removeRecursively());
    QTest::mouseClick(dialog->BtRere, Qt::LeftButton);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Path not found"));
    QCOMPARE(messages_.LastText(), N(sub));
    QCOMPARE(dialog->CurrentFolder(), N(data_));
    // The shown folder itself vanishes: the dialog says so and shows the nearest folder above.
    QVERIFY(QDir(data_).removeRecursively());
    Type(dialog->IdNom, QStringLiteral("x.txt"));
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Path not found"));
    QCOMPARE(messages_.LastText(), N(data_));
    QCOMPARE(dialog->CurrentFolder(), N(tmp_->path()));
    QVERIFY(dialog->isVisible());
    Type(dialog->IdNom, QStringLiteral("x.txt"));
    QCOMPARE(dialog->DialogResult(), N(tmp_->path() + QStringLiteral("/x.txt")));
  }

  void NewFolderBox() {
    auto dialog = Open(FileDialogMode::Save, data_, QStringLiteral("*.txt"));
    const int foldersBefore = dialog->LDirs->count();
    QVERIFY(dialog->IdNova->isHidden());
    QTest::mouseClick(dialog->BtNova, Qt::LeftButton);
    QVERIFY(dialog->IdNova->isVisible());
    QCOMPARE(dialog->IdNova->text(), QStringLiteral("New folder"));
    QCOMPARE(QApplication::focusWidget(), dialog->IdNova);
    QTest::keyClick(dialog->IdNova, Qt::Key_Return);
    QVERIFY(QFileInfo(data_ + QStringLiteral("/New folder")).isDir());
    QVERIFY(dialog->IdNova->isHidden());
    QCOMPARE(dialog->LDirs->count(), foldersBefore + 1);
    QVERIFY(Find(dialog->LDirs, QStringLiteral("New folder")) != nullptr);
    QCOMPARE(dialog->CurrentFolder(), N(data_));  // not entered

    // Blanks at either end are dropped; blanks only do nothing.
    QTest::mouseClick(dialog->BtNova, Qt::LeftButton);
    Type(dialog->IdNova, QStringLiteral("  Sheets 2  "));
    QVERIFY(QFileInfo(data_ + QStringLiteral("/Sheets 2")).isDir());
    QTest::mouseClick(dialog->BtNova, Qt::LeftButton);
    Type(dialog->IdNova, QStringLiteral("   "));
    QVERIFY(dialog->IdNova->isVisible());
    // Escape hides the box and leaves the dialog open.
    QTest::keyClick(dialog->IdNova, Qt::Key_Escape);
    QVERIFY(dialog->IdNova->isHidden());
    QVERIFY(dialog->isVisible());
    QVERIFY(messages_.Shown.isEmpty());

    // A name that is taken, or one that is no single name: said so, the box stays for another try.
    QTest::mouseClick(dialog->BtNova, Qt::LeftButton);
    Type(dialog->IdNova, QStringLiteral("sub"));
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Folder not created"));
    QVERIFY(messages_.LastText().startsWith(N(data_ + QStringLiteral("/sub"))));
    QVERIFY(dialog->IdNova->isVisible());
    Type(dialog->IdNova, QStringLiteral("a.txt"));  // a file holds the name
    QCOMPARE(messages_.Shown.size(), 2);
    Type(dialog->IdNova, QStringLiteral("x/y"));
    QCOMPARE(messages_.Shown.size(), 3);
    QVERIFY(!QFileInfo::exists(data_ + QStringLiteral("/x")));
    QVERIFY(dialog->isVisible());
  }

  void DeletingAFileAsksFirst() {
    auto dialog = Open(FileDialogMode::Open, data_, QStringLiteral("*.txt"));
    Click(dialog->LFtxs, QStringLiteral("b.txt"));
    QCOMPARE(dialog->IdNom->text(), QStringLiteral("b.txt"));
    messages_.QueueAnswer(MsgAnswer::No);
    QTest::keyClick(dialog->LFtxs, Qt::Key_Delete);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Erase file?"));
    QCOMPARE(messages_.LastText(), N(data_ + QStringLiteral("/b.txt")));
    QCOMPARE(messages_.Shown.last().Buttons, MsgButtons::YesNo);
    QVERIFY(QFile::exists(data_ + QStringLiteral("/b.txt")));
    messages_.QueueAnswer(MsgAnswer::Yes);
    QTest::keyClick(dialog->LFtxs, Qt::Key_Delete);
    QVERIFY(!QFile::exists(data_ + QStringLiteral("/b.txt")));
    QCOMPARE(Texts(dialog->LFtxs), QStringList{"a.txt"});
    QVERIFY(dialog->IdNom->text().isEmpty());
    // Nothing selected: said so, nothing erased.
    const int shown = static_cast<int>(messages_.Shown.size());
    QTest::keyClick(dialog->LFtxs, Qt::Key_Delete);
    QCOMPARE(messages_.Shown.size(), shown + 1);
    QCOMPARE(messages_.Shown.last().Buttons, MsgButtons::Ok);
    QVERIFY(QFile::exists(data_ + QStringLiteral("/a.txt")));
    // A file that cannot be erased (it went away meanwhile and something else took its name).
    Click(dialog->LFtxs, QStringLiteral("a.txt"));
    QFile::remove(data_ + QStringLiteral("/a.txt"));
    QDir(data_).mkpath(QStringLiteral("a.txt/inner"));
    QTest::keyClick(dialog->LFtxs, Qt::Key_Delete);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("File not erased"));
    QVERIFY(QFileInfo(data_ + QStringLiteral("/a.txt")).isDir());
    QVERIFY(Texts(dialog->LFtxs).isEmpty());
    QVERIFY(dialog->isVisible());
  }

  void ChoosingFromTheFileList() {
    auto dialog = Open(FileDialogMode::Open, data_, QStringLiteral("*.txt"));
    Click(dialog->LFtxs, QStringLiteral("a.txt"));
    QCOMPARE(dialog->IdNom->text(), QStringLiteral("a.txt"));
    QTest::keyClick(dialog->LFtxs, Qt::Key_Down);
    QCOMPARE(dialog->IdNom->text(), QStringLiteral("b.txt"));
    Click(dialog->LFtxs, QStringLiteral("a.txt"), true);
    QCOMPARE(dialog->DialogResult(), N(data_ + QStringLiteral("/a.txt")));
    QVERIFY(dialog->isHidden());
  }

  void TabOrderFollowsTheControls() {
    auto dialog = Open(FileDialogMode::Open, data_, QStringLiteral("*.txt"));
    QVERIFY(dialog->BtObr->isVisible());
    dialog->LDirs->setFocus();
    const QList<QWidget*> order = {dialog->LFtxs, dialog->BtOk,   dialog->LDsks, dialog->IdNom,
                                   dialog->LTps,  dialog->BtFuig, dialog->BtRere, dialog->BtAm,
                                   dialog->BtNova, dialog->BtObr, dialog->LDirs};
    for (QWidget* expected : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focused = QApplication::focusWidget();
      const bool inside = focused == expected || (focused != nullptr && focused->parentWidget() == expected);
      QVERIFY2(inside, qPrintable(expected->objectName() + " expected, got " +
                                  (focused ? focused->objectName() : QStringLiteral("nothing"))));
    }
  }

  void OpenFolderStartsKovelWithTheHighlightedFolder() {
    QVERIFY2(QFileInfo(CompanionPath(QStringLiteral("Kovel"))).isFile(), "Kovel is built beside the program");
    auto dialog = Open(FileDialogMode::Open, data_, QStringLiteral("*.*"));
    QVERIFY(dialog->BtObr->isVisible());
    QTest::mouseClick(dialog->BtObr, Qt::LeftButton);
    QCOMPARE(processes_.Started.size(), 1);
    QCOMPARE(processes_.LastCommandLine(),
             CompanionFileName(QStringLiteral("Kovel")) + QLatin1Char(' ') + N(data_ + QLatin1Char('/')));
    QCOMPARE(processes_.Started.last().Style, WindowStyle::Hidden);
    QCOMPARE(processes_.Started.last().Command.Program, CompanionPath(QStringLiteral("Kovel")));
    // A highlighted folder goes instead of the shown one; a path with blanks arrives whole.
    QDir(data_).mkdir(QStringLiteral("with blanks"));
    Type(dialog->IdNom, data_);
    Click(dialog->LDirs, QStringLiteral("with blanks"));
    QCOMPARE(dialog->CurrentFolder(), N(data_));
    QTest::mouseClick(dialog->BtObr, Qt::LeftButton);
    QCOMPARE(processes_.Started.last().Command.Arguments, QStringList{N(data_ + QStringLiteral("/with blanks/"))});
    // A folder whose name holds a "." goes with its final separator, so that Kovel opens it and not
    // its parent (Kovel's own tests, and the platform's for a real start with blanks).
    QVERIFY(QDir(data_).mkpath(QStringLiteral(".local/share")));
    for (const QString& dotted : {QStringLiteral("my.files"), QStringLiteral(".local/share")}) {
      Type(dialog->IdNom, data_ + QLatin1Char('/') + dotted);
      QCOMPARE(dialog->CurrentFolder(), N(data_ + QLatin1Char('/') + dotted));
      QTest::mouseClick(dialog->BtObr, Qt::LeftButton);
      QCOMPARE(processes_.Started.last().Command.Arguments, QStringList{N(data_ + QLatin1Char('/') + dotted + QLatin1Char('/'))});
    }
    // Starting fails: said so, the dialog goes on.
    processes_.Succeed = false;
    QTest::mouseClick(dialog->BtObr, Qt::LeftButton);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Not started"));
    QVERIFY(dialog->isVisible());
  }

  void OpenFolderNeedsKovelInTheProgramFolder() {
    const QString programFolder = tmp_->filePath(QStringLiteral("program"));
    QDir().mkpath(programFolder);
    SetExecutableFolder(programFolder);
    auto dialog = Open(FileDialogMode::Open, data_, QStringLiteral("*.*"));
    QVERIFY(dialog->BtObr->isHidden());
    // Kovel present at load and gone by the click.
    const QString kovel = QDir(programFolder).filePath(CompanionFileName(QStringLiteral("Kovel")));
    WriteAll(kovel, {});
    dialog = Open(FileDialogMode::Open, data_, QStringLiteral("*.*"));
    QVERIFY(dialog->BtObr->isVisible());
    QFile::remove(kovel);
    QTest::mouseClick(dialog->BtObr, Qt::LeftButton);
    QVERIFY(processes_.Started.isEmpty());
    QCOMPARE(messages_.LastTitle(), QStringLiteral("File not found"));
    QCOMPARE(messages_.LastText(), N(kovel));
    QVERIFY(dialog->BtObr->isHidden());
  }

  void DrivesListTheVolumes() {
    auto dialog = Open(FileDialogMode::Open, data_, QStringLiteral("*.*"));
    QVERIFY(dialog->LDsks->count() >= 1);
    QCOMPARE(dialog->LDsks->itemData(0).toString(), N(QDir::rootPath()));
    const QString driveOfData = dialog->LDsks->currentData().toString();
    QVERIFY(N(data_).startsWith(driveOfData));
    // The root drive shows the root; going back to the first drive shows its last folder again.
    dialog->LDsks->setFocus();
    const int start = dialog->LDsks->currentIndex();
    if (start != 0) {
      QTest::keyClick(dialog->LDsks, Qt::Key_Home);
      QCOMPARE(dialog->CurrentFolder(), N(QDir::rootPath()));
      dialog->LDsks->setCurrentIndex(start - 1);
      QTest::keyClick(dialog->LDsks, Qt::Key_Down);
      QCOMPARE(dialog->CurrentFolder(), N(data_));
    }
    // A drive that went away since the list was made.
    dialog->LDsks->addItem(QStringLiteral("/media/gone"), N(tmp_->filePath(QStringLiteral("gone"))));
    const int before = dialog->LDsks->currentIndex();
    QTest::keyClick(dialog->LDsks, Qt::Key_End);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("No accessible"));
    QCOMPARE(messages_.LastText(), QStringLiteral("No hi ha disc a  /media/gone"));
    QCOMPARE(dialog->LDsks->currentIndex(), before);
    QCOMPARE(dialog->CurrentFolder(), N(data_));
  }

  void TheDialogSpeaksTheSettledLanguage() {
    // Before the language is settled the dialog is English, whatever the command line says.
    auto dialog = Open(FileDialogMode::Save, data_, QStringLiteral("*.txt"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Save"));
    language_.Settle({QStringLiteral("Zorbit"), QStringLiteral("esp")});
    dialog = Open(FileDialogMode::Save, data_, QStringLiteral("*.txt|*.*"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Guardar"));
    QCOMPARE(dialog->EtNom->text(), QStringLiteral("Nombre"));
    QCOMPARE(dialog->EtTp->text(), QStringLiteral("Tipo"));
    QCOMPARE(dialog->BtFuig->text(), QStringLiteral("Cancelar"));
    QCOMPARE(dialog->BtOk->text(), QStringLiteral("Ok"));
    QCOMPARE(dialog->BtAm->toolTip(), QStringLiteral("Subir un nivel"));
    QCOMPARE(dialog->BtRere->toolTip(), QStringLiteral("A la anterior carpeta visitada"));
    QTest::mouseClick(dialog->BtNova, Qt::LeftButton);
    QCOMPARE(dialog->IdNova->text(), QStringLiteral("Nueva carpeta"));
  }

  // In each language and mode every caption shows whole, each label stands beside its field, no
  // control lies on another, and the dialog can be made no smaller than its captions need.
  void CaptionsFitInEveryLanguage() {
    const auto checkFit = [](DFtxs& dialog, const QString& where) {
      const QString cut = CutCaption({dialog.EtNom, dialog.EtTp, dialog.BtOk, dialog.BtFuig});
      QVERIFY2(cut.isEmpty(), qPrintable(where + cut));
      // A label beside its field: on the field's line and to its left.
      const std::pair<QLabel*, QWidget*> pairs[] = {{dialog.EtNom, dialog.IdNom}, {dialog.EtTp, dialog.LTps}};
      for (const auto& [label, field] : pairs) {
        const int middle = label->geometry().center().y();
        QVERIFY2(middle >= field->y() && middle <= field->geometry().bottom(),
                 qPrintable(where + label->text() + " not on the line of " + field->objectName()));
        QVERIFY2(label->geometry().right() < field->x(), qPrintable(where + label->text() + " runs into its field"));
      }
      const QList<QWidget*> controls = {dialog.LDsks, dialog.BtObr, dialog.BtRere, dialog.BtAm, dialog.BtNova,
                                        dialog.IdNova, dialog.LDirs, dialog.LFtxs, dialog.EtNom, dialog.IdNom,
                                        dialog.BtOk, dialog.EtTp, dialog.LTps, dialog.BtFuig};
      QVERIFY2(Overlap(controls).isEmpty(), qPrintable(where + Overlap(controls)));
    };
    const char* const languages[] = {"en", "ca", "es"};
    for (int lang : {0, 1, 2}) {
      language_.SetIndex(static_cast<std::int16_t>(lang));
      for (FileDialogMode mode : {FileDialogMode::Open, FileDialogMode::Save}) {
        auto dialog = Open(mode, data_, QStringLiteral("*.txt|*.*"));
        QVERIFY(dialog);
        QTest::mouseClick(dialog->BtNova, Qt::LeftButton);  // the new folder's box shows too
        QApplication::processEvents();
        const QString where = QStringLiteral("%1 %2: ").arg(languages[lang], dialog->windowTitle());
        checkFit(*dialog, where);
        dialog->resize(10, 10);
        QApplication::processEvents();
        QVERIFY(dialog->width() >= dialog->minimumSizeHint().width());
        checkFit(*dialog, where + QStringLiteral("smallest: "));
      }
    }
  }

  void AskFileWaitsForTheUserAndKeepsTheProposedName() {
    QDir(work_).mkdir(QStringLiteral("Graphs"));
    QString seenName;
    bool seenModal = false;
    WhenModal<DFtxs>([&](DFtxs* dialog) {
      seenModal = dialog->isModal();
      seenName = dialog->IdNom->text();
      QTest::keyClick(dialog->IdNom, Qt::Key_Return);
    });
    const QString chosen = AskFile(nullptr, FileDialogMode::Save, QStringLiteral("Graphs"),
                                   QStringLiteral("*.jpg|*.bmp"), QStringLiteral("(1.5+i)+(2)"), TestSeams());
    QVERIFY(seenModal);
    QCOMPARE(seenName, QStringLiteral("(1.5+i)+(2)"));
    // The proposal accepted is a name without extension: its "." is part of the name.
    QCOMPARE(chosen, N(work_ + QStringLiteral("/Graphs/(1.5+i)+(2).jpg")));

    // A name the user types in its place is taken as typed, "." and all.
    WhenModal<DFtxs>([](DFtxs* dialog) { Type(dialog->IdNom, "sheet.v2"); });
    QCOMPARE(AskFile(nullptr, FileDialogMode::Save, data_, QStringLiteral("*.txt"), QStringLiteral("1.5"), TestSeams()),
             N(data_ + QStringLiteral("/sheet.v2")));

    WhenModal<DFtxs>([](DFtxs* dialog) { QTest::mouseClick(dialog->BtFuig, Qt::LeftButton); });
    QCOMPARE(AskFile(nullptr, FileDialogMode::Open, data_, QStringLiteral("*.txt"), QString(), TestSeams()), QString());
  }

  // How fast this goes is measured in bench/windows_bench.cpp.
  void AFolderOfTenThousandFilesIsListedWhole() {
    const QString big = tmp_->filePath(QStringLiteral("big"));
    QDir().mkpath(big);
    for (int i = 0; i < 10000; ++i) {
      QFile file(QStringLiteral("%1/sheet%2.txt").arg(big).arg(i, 5, 10, QLatin1Char('0')));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    auto dialog = Open(FileDialogMode::Open, data_, QStringLiteral("*.txt"));
    Type(dialog->IdNom, big);
    QCOMPARE(dialog->LFtxs->count(), 10000);
    // Choosing at the end of the list works as at its start.
    Click(dialog->LFtxs, QStringLiteral("sheet09999.txt"));
    QCOMPARE(dialog->IdNom->text(), QStringLiteral("sheet09999.txt"));
  }
};

ZORBIT_WINDOW_TEST_MAIN(DFtxsTests)
#include "tst_dftxs.moc"
