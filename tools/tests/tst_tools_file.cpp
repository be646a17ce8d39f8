// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/testing/recording_seams.h"
#include "tools/tests/tools_window.h"
#include "tools/tools_file.h"
#include "tools/tools_menu.h"

#include "platform/testing/file_bytes.h"
#include "platform/testing/tool_records.h"
#include "platform/testing/environment.h"

class ToolsFileTests : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString File(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

 private slots:
  void init() { QVERIFY(QDir::setCurrent(dir_.path())); QFile::remove(File("Tools.rel")); }

  void SavedFileIsByteExactAndReadsBackTheSameList() {
    ToolsList list;
    list.Tools = {{"Editor, plain", "  kate", "/usr/bin", "-n, --new"}, {QStringLiteral(" Càlcul"), "", "", ""}};
    QString error;
    QVERIFY2(SaveTools(list, File("Tools.rel"), &error), qPrintable(error));
    QCOMPARE(ReadAll(File("Tools.rel")), QByteArray("Editor, plain\r\n  kate\r\n/usr/bin\r\n-n, --new\r\n"
                                                    " C\xc3\xa0lcul\r\n\r\n\r\n\r\n\r\n"));
    ToolsList back;
    QVERIFY(LoadTools(back, File("Tools.rel")));
    QCOMPARE(back, list);
    QVERIFY(SaveTools(ToolsList{}, File("Tools.rel")));
    QCOMPARE(ReadAll(File("Tools.rel")), QByteArray("\r\n"));
    // A line break typed into a field would shift every record after it.
    list.Tools[0].Title = QStringLiteral("two\r\nlines\n");
    QVERIFY(SaveTools(list, File("Tools.rel")));
    QVERIFY(LoadTools(back, File("Tools.rel")));
    QCOMPARE(back.ToolCount(), 2);
    QCOMPARE(back.Tool(1).Title, QStringLiteral("two lines "));
  }

  // An invisible U+FEFF at the start of the first title survives the file; the one an editor
  // writes in front of the whole file is no part of any title.
  void AByteOrderMarkBeginningTheFirstTitleStays() {
    for (const QString& first : {QStringLiteral("\uFEFF"), QStringLiteral("\uFEFFNotes"), QStringLiteral("\uFEFF\uFEFFx")}) {
      ToolsList list;
      list.Tools = {{first, "notes.txt", "", ""}, {"Second", "b", "", ""}};
      QVERIFY(SaveTools(list, File("Tools.rel")));
      ToolsList back;
      QVERIFY(LoadTools(back, File("Tools.rel")));
      QCOMPARE(back, list);
    }
    // Files without such a title stay as they always were.
    ToolsList plain;
    plain.Tools = {{"A", "", "", ""}, {QStringLiteral("\uFEFFB"), "", "", ""}};
    QVERIFY(SaveTools(plain, File("Tools.rel")));
    QCOMPARE(ReadAll(File("Tools.rel")), QByteArray("A\r\n\r\n\r\n\r\n\xEF\xBB\xBF" "B\r\n\r\n\r\n\r\n\r\n"));
    WriteAll(File("Tools.rel"), "\xEF\xBB\xBFNotes\r\nnotes.txt\r\n\r\n\r\n\r\n");
    ToolsList back;
    QVERIFY(LoadTools(back, File("Tools.rel")));
    QCOMPARE(back.ToolCount(), 1);
    QCOMPARE(back.Tool(1).Title, QStringLiteral("Notes"));
  }

  void LoadReadsUpToTheEndMarkAndNeverMoreThanTwelve_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("lastFile");
    QTest::newRow("lines after the end mark") << QByteArray("A\r\na.exe\r\n\r\n\r\n\r\nB\r\nb\r\n\r\n\r\n") << true << 1 << "a.exe";
    QTest::newRow("empty first line") << QByteArray("\r\nA\r\na.exe\r\n\r\n\r\n") << true << 0 << "";
    QTest::newRow("only the end mark") << QByteArray("\r\n") << true << 0 << "";
    QTest::newRow("short last record, bare LF") << QByteArray("A\nfa\nwa\npa\nB\r\nfb") << true << 2 << "fb";
    QTest::newRow("8-bit text of older lists") << QByteArray("C\xe0lcul\r\nc\xe0lcul.exe\r\n\r\n\r\n\r\n") << true << 1
                                                 << QStringLiteral("càlcul.exe");
    QTest::newRow("twelve") << Records(12) + "\r\n" << true << 12 << "f12";
    QTest::newRow("thirteen") << Records(13) + "\r\n" << false << 12 << "f12";
  }

  void LoadReadsUpToTheEndMarkAndNeverMoreThanTwelve() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loads);
    QFETCH(int, count);
    QFETCH(QString, lastFile);
    WriteAll(File("Tools.rel"), bytes);
    ToolsList list;
    list.Tools.append({"old", "", "", ""});
    QCOMPARE(LoadTools(list, File("Tools.rel")), loads);
    QCOMPARE(list.ToolCount(), count);
    if (count > 0) QCOMPARE(list.Tool(count).File, lastFile);
  }

  void MissingFileFailsWithAnEmptyList() {
    ToolsList list;
    list.Tools.append({"old", "", "", ""});
    QVERIFY(!LoadTools(list, File("nothing.rel")));
    QCOMPARE(list.ToolCount(), 0);
  }

  void AFailedWriteKeepsTheOldFileAndSaysWhy() {
    const QString path = File("Tools.rel");
    const QByteArray old = "Old\r\nold.exe\r\n\r\n\r\n\r\n";
    WriteAll(path, old);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    ToolsList list;
    list.Tools.append({"New", "", "", ""});
    QString error;
    QVERIFY(!SaveTools(list, path, &error));
    QVERIFY(error.contains(QStringLiteral("read-only")));
    QCOMPARE(ReadAll(path), old);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    error.clear();
    QVERIFY(!SaveTools(list, File("gone/Tools.rel"), &error));
    QVERIFY(!error.isEmpty());
    // The program-wide save writes the current folder's file.
    ProgramTools() = list;
    QVERIFY(SaveTools());
    QCOMPARE(ReadAll(path), QByteArray("New\r\n\r\n\r\n\r\n\r\n"));
  }

  void MenuShowsTheLoadedToolsAndHidesTheRest() {
    WriteAll(File("Tools.rel"), Records(3) + "\r\n");
    ToolsWindow window;
    RecordingMessages messages;
    RecordingProcesses processes;
    const Seams seams{&messages, &processes};
    QVERIFY(BuildToolsMenu(&window, seams));
    QCOMPARE(ProgramTools().ToolCount(), 3);
    for (int i = 0; i < 12; ++i) {
      QCOMPARE(window.Items[i]->isVisible(), i < 3);
      if (i < 3) QCOMPARE(window.Items[i]->text(), QStringLiteral("T%1").arg(i + 1));
    }
    WriteAll(File("Tools.rel"), Records(1) + "\r\n");
    QVERIFY(BuildToolsMenu(window.Menu, seams));
    QVERIFY(window.Items[0]->isVisible() && !window.Items[1]->isVisible());
    // A missing file leaves the menu as it was, without a message.
    QFile::remove(File("Tools.rel"));
    QVERIFY(!BuildToolsMenu(window.Items, seams));
    QVERIFY(window.Items[0]->isVisible());
    QVERIFY(messages.Shown.isEmpty());
    // A window without the items is told so.
    WriteAll(File("Tools.rel"), Records(2) + "\r\n");
    QMainWindow bare;
    QVERIFY(BuildToolsMenu(&bare, seams));
    QCOMPARE(messages.LastText(), QStringLiteral("No Form"));
  }
};

ZORBIT_WINDOW_TEST_MAIN(ToolsFileTests)
#include "tst_tools_file.moc"
