// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "filedlg/dftxs.h"
#include "platform/testing/recording_seams.h"
#include "platform/twips.h"
#include "lang/language.h"
#include "tools/ftools.h"
#include "tools/tests/tools_window.h"
#include "tools/tools_file.h"
#include "tools/tools_menu.h"

#include "platform/testing/file_bytes.h"
#include "platform/testing/list_rows.h"
#include "platform/testing/modal.h"
#include "platform/testing/tool_records.h"
#include "platform/testing/layout_checks.h"
#include "platform/testing/environment.h"

namespace {

void ClickLine(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

}  // namespace

class FToolsTests : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  RecordingMessages messages_;
  RecordingProcesses processes_;
  Seams seams_{&messages_, &processes_};
  Language language_;

  QString Path(const QString& name) const { return dir_.filePath(name); }

  // Opens the editor for `window` as the menu item does, and waits until it can take keys.
  FTools* Open(QWidget* window) {
    FTools* editor = OpenToolsEditor(window, language_, seams_);
    QApplication::setActiveWindow(editor);
    if (!QTest::qWaitForWindowActive(editor)) QTest::qFail("the editor did not become active", __FILE__, __LINE__);
    return editor;
  }

 private slots:
  void init() {
    QVERIFY(QDir::setCurrent(dir_.path()));
    for (const QString& name : QDir(dir_.path()).entryList(QDir::Files)) QFile::remove(Path(name));
    messages_.Shown.clear();
    language_ = Language();
    ProgramTools() = ToolsList{};
  }

  void LoadSpeaksTheSettledLanguageAndEscKeepsEverything() {
    const QByteArray old = Records(3) + "\r\n";
    WriteAll(Path("Tools.rel"), old);
    WriteAll(Path("Lng.txt"), "esp, more\r\n");
    ToolsWindow window;
    QVERIFY(LoadTools());
    ShowToolsInMenu(ProgramTools(), window.Items);
    const ToolsList before = ProgramTools();
    for (bool byKey : {false, true}) {
      QPointer<FTools> editor = Open(&window);
      QCOMPARE(editor->windowTitle(), QString::fromUtf8("Edici\u00f3n utilidades"));
      QCOMPARE(editor->Ped->title(), QStringLiteral("Utilidad"));
      QCOMPARE(editor->Et[2]->text(), QStringLiteral("Directorio de trabajo"));
      QCOMPARE(Rows(editor->Lst), (QStringList{"T1", "T2", "T3"}));
      QVERIFY(editor->Lst->selectedItems().isEmpty());
      QVERIFY(editor->Ed[1]->y() >= editor->Et[1]->geometry().bottom());  // each field under its label
      ClickLine(editor->Lst, 0);
      QTest::mouseClick(editor->BtBrr, Qt::LeftButton);  // answered Yes
      QCOMPARE(editor->Lst->count(), 2);
      if (byKey)
        QTest::keyClick(editor->Ed[0], Qt::Key_Escape);
      else
        QTest::mouseClick(editor->BtEsc, Qt::LeftButton);
      QTRY_VERIFY(editor.isNull());
      QCOMPARE(ReadAll(Path("Tools.rel")), old);
      QCOMPARE(ProgramTools(), before);
      QCOMPARE(window.Items[0]->text(), QStringLiteral("T1"));
    }
  }

  void TabAndEnterMoveThroughTheControlsInOrder() {
    WriteAll(Path("Tools.rel"), Records(2) + "\r\n");
    ToolsWindow window;
    FTools* editor = Open(&window);
    editor->Ed[0]->setFocus();
    const QStringList expected = {"Ed(1)", "Ed(2)", "Ed(3)", "OkEd", "Lst", "BtEsc", "BtOk", "BtNou", "BtBrr", "BtCerc", "Ed(0)"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
    for (int k = 0; k < 4; ++k) {
      QTest::keyClick(editor->Ed[k], Qt::Key_Return);
      QCOMPARE(QApplication::focusWidget(), k < 3 ? static_cast<QWidget*>(editor->Ed[k + 1]) : editor->OkEd);
    }
    editor->close();
  }

  void EditingInPlaceKeepsTheOrderAndOkShowsItInTheMenu() {
    WriteAll(Path("Tools.rel"), Records(3) + "\r\n");
    ToolsWindow window;
    QPointer<FTools> editor = Open(&window);
    ClickLine(editor->Lst, 1);
    QCOMPARE(editor->CurrentTool, 2);
    QCOMPARE(editor->Ed[0]->text(), QStringLiteral("T2"));
    QCOMPARE(editor->Ed[1]->text(), QStringLiteral("f2"));
    editor->Ed[0]->selectAll();
    QTest::keyClicks(editor->Ed[0], QStringLiteral("Gimp, images"));
    QTest::mouseClick(editor->OkEd, Qt::LeftButton);
    QCOMPARE(Rows(editor->Lst), (QStringList{"T1", "Gimp, images", "T3"}));
    QCOMPARE(editor->CurrentTool, 0);
    QVERIFY(editor->Ed[0]->text().isEmpty() && editor->Ed[1]->text().isEmpty());
    QVERIFY(editor->Lst->selectedItems().isEmpty());
    QCOMPARE(QApplication::focusWidget(), editor->Ed[0]);
    // Typed changes to a tool are dropped when another line is chosen before confirming.
    ClickLine(editor->Lst, 0);
    QTest::keyClicks(editor->Ed[1], QStringLiteral("zzz"));
    ClickLine(editor->Lst, 2);
    ClickLine(editor->Lst, 0);
    QCOMPARE(editor->Ed[1]->text(), QStringLiteral("f1"));

    QTest::mouseClick(editor->BtOk, Qt::LeftButton);
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(ReadAll(Path("Tools.rel")), QByteArray("T1\r\nf1\r\nw\r\np\r\nGimp, images\r\nf2\r\nw\r\np\r\nT3\r\nf3\r\nw\r\np\r\n\r\n"));
    QCOMPARE(window.Items[1]->text(), QStringLiteral("Gimp, images"));
    QVERIFY(window.Items[2]->isVisible() && !window.Items[3]->isVisible());
    QCOMPARE(ProgramTools().Tool(2).Title, QStringLiteral("Gimp, images"));
  }

  void NewToolTypedWithEnterIsAppendedAndSavedEvenWithoutAFile() {
    ToolsWindow window;
    QPointer<FTools> editor = Open(&window);
    QCOMPARE(editor->Lst->count(), 0);
    QTest::mouseClick(editor->BtNou, Qt::LeftButton);
    QTest::keyClicks(editor->Ed[0], QStringLiteral("Editor"));
    QTest::keyClick(editor->Ed[0], Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("gedit"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" notes.txt"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Enter on the confirm button
    QCOMPARE(Rows(editor->Lst), QStringList{"Editor"});
    QTest::mouseClick(editor->BtOk, Qt::LeftButton);
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(ReadAll(Path("Tools.rel")), QByteArray("Editor\r\ngedit\r\n\r\n notes.txt\r\n\r\n"));
    QCOMPARE(window.Items[0]->text(), QStringLiteral("Editor"));
    QVERIFY(window.Items[0]->isVisible());
  }

  // A document tool's parameters never reach the desktop's application: the editor says so as
  // the tool is confirmed, in the editor's language, and keeps the tool as typed.
  void ParametersOfADocumentToolAreReported() {
    WriteAll(Path("notes.txt"), {});
    WriteProgram(Path("run.sh"), {});
    ToolsWindow window;
    for (int lang : {0, 1}) {
      language_.SetIndex(static_cast<std::int16_t>(lang));
      QPointer<FTools> editor = Open(&window);
      messages_.Shown.clear();
      const auto confirm = [&](const QString& title, const QString& file, const QString& params) {
        QTest::mouseClick(editor->BtNou, Qt::LeftButton);
        QTest::keyClicks(editor->Ed[0], title);
        QTest::keyClicks(editor->Ed[1], file);
        QTest::keyClicks(editor->Ed[2], dir_.path());
        QTest::keyClicks(editor->Ed[3], params);
        QTest::mouseClick(editor->OkEd, Qt::LeftButton);
      };
      confirm(QStringLiteral("Script"), QStringLiteral("run.sh"), QStringLiteral("-v"));
      confirm(QStringLiteral("Notes"), QStringLiteral("notes.txt"), QString());
      QVERIFY2(messages_.Shown.isEmpty(), qPrintable(messages_.LastText()));
      confirm(QStringLiteral("Notes, wide"), QStringLiteral("notes.txt"), QStringLiteral("--wide"));
      QCOMPARE(messages_.Shown.size(), 1);
      QVERIFY(messages_.LastText().contains(QStringLiteral("\"notes.txt\"")));
      QVERIFY(messages_.LastText().contains(QStringLiteral("\"--wide\"")));
      QVERIFY(messages_.LastText().contains(lang == 0 ? QStringLiteral("no parameters") : QStringLiteral("no admet")));
      QCOMPARE(Rows(editor->Lst), (QStringList{"Script", "Notes", "Notes, wide"}));
      QTest::mouseClick(editor->BtEsc, Qt::LeftButton);
      QTRY_VERIFY(editor.isNull());
    }
  }

  // Every caption shows whole in each language, no control lies on another, and the window can be
  // made no smaller than its captions need.
  void CaptionsFitInEveryLanguage() {
    ToolsWindow window;
    for (int lang : {0, 1, 2}) {
      language_.SetIndex(static_cast<std::int16_t>(lang));
      QPointer<FTools> editor = Open(&window);
      QApplication::processEvents();
      const QString cut = CutCaption({editor->EtTools, editor->Et[0], editor->Et[1], editor->Et[2], editor->Et[3]});
      QVERIFY2(cut.isEmpty(), qPrintable(cut));
      QList<QWidget*> inFrame = {editor->Et[0], editor->Ed[0], editor->Et[1], editor->BtCerc, editor->Ed[1],
                                 editor->Et[2], editor->Ed[2], editor->Et[3], editor->Ed[3], editor->OkEd};
      QList<QWidget*> outside = {editor->EtTools, editor->Lst, editor->BtNou, editor->BtBrr, editor->Ped,
                                 editor->BtEsc, editor->BtOk};
      for (const QList<QWidget*>& group : {inFrame, outside}) QVERIFY2(Overlap(group).isEmpty(), qPrintable(Overlap(group)));
      // The leaving buttons show their captions whole and stand apart.
      for (QPushButton* button : {editor->BtEsc, editor->BtOk})
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->objectName() + " cut"));
      QVERIFY2(editor->BtOk->x() - editor->BtEsc->geometry().right() > TwipsToPixelsRounded(45),
               "Esc and Ok crowded together");
      // The frame's caption sits above its first label.
      const int captionBottom = QFontMetrics(editor->Ped->font()).height();
      QVERIFY2(editor->Et[0]->y() >= captionBottom, qPrintable(editor->Ped->title() + " on " + editor->Et[0]->text()));
      editor->resize(10, 10);
      QApplication::processEvents();
      QVERIFY(editor->width() >= editor->minimumSizeHint().width());
      QTest::mouseClick(editor->BtEsc, Qt::LeftButton);
      QTRY_VERIFY(editor.isNull());
    }
  }

  void DeletingAsksInTheCurrentLanguage() {
    WriteAll(Path("Tools.rel"), Records(3) + "\r\n");
    WriteAll(Path("Lng.txt"), "cat\r\n");
    ToolsWindow window;
    FTools* editor = Open(&window);
    QTest::mouseClick(editor->BtBrr, Qt::LeftButton);  // nothing selected: nothing asked
    QVERIFY(messages_.Shown.isEmpty());
    editor->Tools.Tool(1).Title = QStringLiteral("Bloc de notes");
    editor->Lst->item(0)->setText(QStringLiteral("Bloc de notes"));
    ClickLine(editor->Lst, 0);
    messages_.QueueAnswer(MsgAnswer::No);
    QTest::mouseClick(editor->BtBrr, Qt::LeftButton);
    QCOMPARE(messages_.LastText(), QStringLiteral("Eliminar BLOC DE NOTES ?"));
    QCOMPARE(messages_.LastTitle(), QString::fromUtf8("Confirmar eliminaci\u00f3"));
    QCOMPARE(messages_.Shown.last().Buttons, MsgButtons::YesNo);
    QCOMPARE(editor->Lst->count(), 3);
    messages_.QueueAnswer(MsgAnswer::Yes);
    QTest::mouseClick(editor->BtBrr, Qt::LeftButton);
    QCOMPARE(Rows(editor->Lst), (QStringList{"T2", "T3"}));
    QCOMPARE(editor->CurrentTool, 0);
    QVERIFY(editor->Lst->selectedItems().isEmpty());
    QTest::mouseClick(editor->BtBrr, Qt::LeftButton);
    QCOMPARE(messages_.Shown.size(), 2);
    editor->close();
  }

  void AThirteenthToolAndAnEmptyTitleAreRefused() {
    WriteAll(Path("Tools.rel"), Records(13) + "\r\n");
    ToolsWindow window;
    FTools* editor = Open(&window);
    QCOMPARE(editor->Lst->count(), 12);
    QVERIFY(messages_.LastText().contains(QStringLiteral("first 12")));
    QTest::keyClicks(editor->Ed[0], QStringLiteral("Thirteen"));
    QTest::mouseClick(editor->OkEd, Qt::LeftButton);
    QCOMPARE(editor->Tools.ToolCount(), 12);
    QVERIFY(messages_.LastText().contains(QStringLiteral("12 tools")));
    QCOMPARE(editor->Ed[0]->text(), QStringLiteral("Thirteen"));  // kept, to be used after a deletion
    // A full list still lets a tool be changed.
    ClickLine(editor->Lst, 11);
    editor->Ed[0]->selectAll();
    QTest::keyClicks(editor->Ed[0], QStringLiteral("Twelve"));
    QTest::mouseClick(editor->OkEd, Qt::LeftButton);
    QCOMPARE(editor->Tools.Tool(12).Title, QStringLiteral("Twelve"));
    // Its file "f12" is a document: its parameter "p" is said to go nowhere.
    QVERIFY(messages_.LastText().contains(QStringLiteral("\"p\"")));
    // An empty title would end the file early and lose the tools after it.
    ClickLine(editor->Lst, 0);
    editor->Ed[0]->clear();
    QTest::mouseClick(editor->OkEd, Qt::LeftButton);
    QCOMPARE(editor->Tools.Tool(1).Title, QStringLiteral("T1"));
    QVERIFY(messages_.LastText().contains(QStringLiteral("title")));
    QCOMPARE(messages_.Shown.size(), 4);
    editor->close();
  }

  void AFailedSaveIsReportedAndTheEditorStaysOpen() {
    const QByteArray old = Records(1) + "\r\n";
    WriteAll(Path("Tools.rel"), old);
    QVERIFY(QFile::setPermissions(Path("Tools.rel"), QFileDevice::ReadOwner));
    ToolsWindow window;
    QPointer<FTools> editor = Open(&window);
    QTest::keyClicks(editor->Ed[0], QStringLiteral("New"));
    QTest::mouseClick(editor->OkEd, Qt::LeftButton);
    QTest::mouseClick(editor->BtOk, Qt::LeftButton);
    QVERIFY(messages_.LastText().startsWith(QStringLiteral("The tools could not be saved.")));
    QVERIFY(!editor.isNull() && editor->isVisible());
    QCOMPARE(editor->Lst->count(), 2);
    QCOMPARE(ReadAll(Path("Tools.rel")), old);
    QVERIFY(QFile::setPermissions(Path("Tools.rel"), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    editor->close();
  }

  void BrowsingFillsFileAndWorkDirectory() {
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("Prog")));
    WriteAll(Path("Prog/app"), "#!/bin/sh\n");
    ToolsWindow window;
    FTools* editor = Open(&window);
    const QString start = QDir::currentPath();
    bool dialogSeen = false;
    WhenModal<DFtxs>([&](DFtxs* dialog) {
      dialogSeen = true;
      dialog->IdNom->setText(Path("Prog/app"));
      QTest::mouseClick(dialog->BtOk, Qt::LeftButton);
    });
    QTest::mouseClick(editor->BtCerc, Qt::LeftButton);
    QVERIFY(dialogSeen);
    QCOMPARE(editor->Ed[1]->text(), QStringLiteral("app"));
    QCOMPARE(editor->Ed[2]->text(), QDir::toNativeSeparators(Path("Prog")));
    QCOMPARE(QDir::currentPath(), start);
    // Cancel changes nothing.
    WhenModal<DFtxs>([](DFtxs* dialog) { QTest::mouseClick(dialog->BtFuig, Qt::LeftButton); });
    QTest::mouseClick(editor->BtCerc, Qt::LeftButton);
    QCOMPARE(editor->Ed[1]->text(), QStringLiteral("app"));
    editor->close();
  }
};

ZORBIT_WINDOW_TEST_MAIN(FToolsTests)
#include "tst_ftools.moc"
