// SPDX-License-Identifier: MIT
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "about/fquant.h"
#include "panel_actions.h"
#include "shell/help_window.h"
#include "tools/ftools.h"
#include "worksheet_print/fworksheet.h"

#include "platform/testing/file_bytes.h"
#include "platform/testing/environment.h"

namespace {

// Chooses an item of a menu of the menu bar with the mouse.
void ChooseFromMenu(Form1& form, QMenu* menu, QAction* item) {
  QMenuBar* bar = form.menuBar();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(menu->menuAction()).center());
  QTRY_VERIFY(menu->isVisible());
  QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
  QTRY_VERIFY(!menu->isVisible());
}

HelpWindow* ManualPages(Form1& form) {
  for (HelpWindow* window : form.findChildren<HelpWindow*>())
    if (window->windowTitle() == QStringLiteral("Zorbit manual")) return window;
  return nullptr;
}

}  // namespace

class Form1MenusTests : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  RecordingMessages messages_;
  RecordingProcesses processes_;

  QString Path(const QString& name) const { return dir_.filePath(name); }

 private slots:
  void initTestCase() {
    SetExecutableFolder(dir_.path());
    QVERIFY(QDir::setCurrent(dir_.path()));
    // The worksheet window keeps its settings: in this test's folder.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  }

  // "cat" or "esp" on the command line, or in "Lng.txt", is the language from the start: the file
  // dialog and the help speak it before the tools editor has ever been opened. Which word wins is
  // the language's own table.
  void TheSettledLanguageAppliesFromTheStart_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("file");  // "Lng.txt", none when empty
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("helpLanguage");
    QTest::newRow("command line cat") << QStringList{"Zorbit", "cat"} << QByteArray() << "Obrir" << "Nom" << "1";
    QTest::newRow("Lng.txt esp") << QStringList{"Zorbit"} << QByteArray("esp, more\r\n") << "Abrir" << "Nombre"
                                 << "2";
  }
  void TheSettledLanguageAppliesFromTheStart() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, file);
    QFETCH(QString, title);
    QFETCH(QString, name);
    QFETCH(QString, helpLanguage);
    QTemporaryDir folder;
    QVERIFY(QDir::setCurrent(folder.path()));
    if (!file.isEmpty()) WriteAll(folder.filePath(QStringLiteral("Lng.txt")), file);
    RecordingMessages messages;
    RecordingProcesses processes;
    Form1 form(Seams{&messages, &processes}, nullptr, arguments);
    QVERIFY(QDir::setCurrent(dir_.path()));
    form.show();
    QString seenTitle;
    QString seenName;
    WhenModal<DFtxs>([&](DFtxs* dialog) {
      seenTitle = dialog->windowTitle();
      seenName = dialog->EtNom->text();
      QTest::mouseClick(dialog->BtFuig, Qt::LeftButton);
    });
    form.OpObr->trigger();
    QCOMPARE(seenTitle, title);
    QCOMPARE(seenName, name);
    form.Entry->BtHEntr->click();
    QVERIFY(processes.LastCommandLine().endsWith(QStringLiteral(",Entry,") + helpLanguage));
    QVERIFY(form.findChild<FTools*>() == nullptr);  // the tools editor was never opened
  }

  void OpenShowsLowerCasePicturesAndHandsEverythingElseOn() {
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(Path("pic.jpg"), "JPG"));
    QVERIFY(QFile::copy(Path("pic.jpg"), Path("PIC2.JPG")));
    WriteAll(Path("notes.txt"), "1 + i\r\n");
    WriteAll(Path("broken.jpg"), "not a picture at all");
    Form1 form(Seams{&messages_, &processes_});

    ChooseInNextDialog(Path("pic.jpg"));
    form.OpObr->trigger();
    FGraf* spare = VisibleSpare(form);
    QVERIFY(spare != nullptr);
    const QColor shown = spare->PBox->surface().Image().pixelColor(20, 15);
    QVERIFY(shown.red() > 200 && shown.green() < 60);
    QCOMPARE(QDir::currentPath(), QDir(form.ProgramFolder).absolutePath());

    for (const char* name : {"PIC2.JPG", "notes.txt"}) {
      ChooseInNextDialog(Path(QString::fromLatin1(name)));
      form.OpObr->trigger();
      QCOMPARE(processes_.LastCommandLine(), QStringLiteral("cmd.exe /c ") + QDir::toNativeSeparators(Path(QString::fromLatin1(name))));
    }
    QCOMPARE(processes_.Started.size(), 2);

    ChooseInNextDialog(Path("broken.jpg"));
    form.OpObr->trigger();
    QVERIFY(messages_.LastText().contains(QStringLiteral("cannot be read")));
    QCOMPARE(processes_.Started.size(), 2);
  }

  void InfoAboutEditToolsAndToolItems() {
    WriteAll(Path("Tools.rel"), "Editor\r\neditor.exe\r\n\r\nnotes.txt\r\n\r\n");
    WriteAll(Path("Zorbit.pdf"), "%PDF-1.4\n%%EOF\n");
    processes_.Started.clear();
    Form1 form(Seams{&messages_, &processes_});
    QVERIFY(form.ITool[1]->isVisible());
    QCOMPARE(form.ITool[1]->text(), QStringLiteral("Editor"));
    form.ITool[1]->trigger();
    QCOMPARE(processes_.LastCommandLine(), QStringLiteral("editor.exe notes.txt"));
    form.OpInfo->trigger();
    QCOMPARE(processes_.Started.last().Command.Arguments, QStringList{Path("Zorbit.pdf")});
    form.OpSobre->trigger();
    auto* about = form.findChild<FQuant*>();
    QVERIFY(about && about->isVisible() && !about->isModal());
    form.OpEdTools->trigger();
    auto* editor = form.findChild<FTools*>();
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(editor->OpenerWindow.data(), static_cast<QWidget*>(&form));
    about->close();
    editor->close();
  }

  void WorksheetOpensFromTheFileMenuAndSavesTheSheet() {
    Form1 form(Seams{&messages_, &processes_});
    form.OpWorksheet->trigger();
    auto* sheet = form.findChild<FWorksheet*>();
    QVERIFY(sheet && sheet->isVisible() && !sheet->isModal());
    QTest::keyClicks(sheet->EdSeed, QStringLiteral("42"));
    ChooseInNextDialog(Path("monday.txt"));
    QTest::mouseClick(sheet->BtText, Qt::LeftButton);
    const QByteArray text = ReadAll(Path("monday.txt"));
    QVERIFY(text.startsWith("Complex numbers\r\n"));
    QVERIFY(text.contains("\r\n1. "));
    sheet->close();
  }

  // Info with the manual and an application for it hands the manual over and nothing else; when
  // the manual is missing or nothing can show it, the user is told, and the manual's pages open
  // in the help window.
  void InfoFallsBackOnTheManualsPages() {
    WriteAll(Path("Zorbit.pdf"), "%PDF-1.4\n%%EOF\n");
    WriteAll(Path("manual.html"), "<html><body><h1>Zorbit</h1><h2>1. Entering complex numbers</h2></body></html>");
    messages_.Shown.clear();
    processes_.Started.clear();
    processes_.Succeed = true;
    Form1 form(Seams{&messages_, &processes_});
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    ChooseFromMenu(form, form.Inf, form.OpInfo);
    QCOMPARE(processes_.Started.size(), 1);
    QVERIFY(messages_.Shown.isEmpty());
    QVERIFY(ManualPages(form) == nullptr);

    processes_.Succeed = false;
    ChooseFromMenu(form, form.Inf, form.OpInfo);
    QCOMPARE(messages_.Shown.size(), 1);
    QVERIFY(messages_.LastText().startsWith(QStringLiteral("No application could be started to show the manual:")));
    QVERIFY(messages_.LastText().contains(Path("Zorbit.pdf")));
    HelpWindow* pages = ManualPages(form);
    QVERIFY(pages != nullptr);
    QTRY_VERIFY(pages->isVisible());
    QVERIFY(pages->Text->toPlainText().contains(QStringLiteral("Entering complex numbers")));
    pages->close();

    processes_.Succeed = true;
    QVERIFY(QFile::remove(Path("Zorbit.pdf")));
    ChooseFromMenu(form, form.Inf, form.OpInfo);
    QCOMPARE(processes_.Started.size(), 2);  // nothing started for a missing manual
    QVERIFY(messages_.LastText().startsWith(QStringLiteral("The manual is missing:")));
    QTRY_VERIFY(pages->isVisible());

    // Without the pages either, the help window says where they should have been.
    QVERIFY(QFile::remove(Path("manual.html")));
    Form1 bare(Seams{&messages_, &processes_});
    bare.show();
    QVERIFY(QTest::qWaitForWindowActive(&bare));
    ChooseFromMenu(bare, bare.Inf, bare.OpInfo);
    QTRY_VERIFY(ManualPages(bare) != nullptr && ManualPages(bare)->isVisible());
    QVERIFY(ManualPages(bare)->Text->toPlainText().contains(QStringLiteral("missing")));
    QVERIFY(ManualPages(bare)->Text->toPlainText().contains(QStringLiteral("manual.html")));
  }
};

ZORBIT_WINDOW_TEST_MAIN(Form1MenusTests)
#include "tst_form1_menus.moc"
