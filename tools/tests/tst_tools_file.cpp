// SPDX-License-Identifier: MIT
#include <QDir>
#include <QMainWindow>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/testing/recording_seams.h"
#include "tools/tools_file.h"
#include "tools/tools_menu.h"
#include "tools/tests/tools_window.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray Records(int count) {
  QByteArray bytes;
  for (int i = 1; i <= count; ++i) bytes += "T" + QByteArray::number(i) + "\r\nf\r\nw\r\np\r\n";
  return bytes;
}

}  // namespace

class ToolsFileTests : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString File(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

 private slots:
  void init() { QVERIFY(QDir::setCurrent(dir_.path())); QFile::remove(File("Tools.rel")); }

  void SavedFileIsByteExactAndReadsBackTheSameList() {
    ToolsList list;
    list.Tools.append({QStringLiteral("Editor, plain"), QStringLiteral("  kate"), QStringLiteral("/usr/bin"),
                       QStringLiteral("-n, --new")});
    list.Tools.append({QStringLiteral(" Càlcul"), QString(), QString(), QString()});
    const QString path = File("Tools.rel");
    QString error;
    QVERIFY2(SaveTools(list, path, &error), qPrintable(error));
    QCOMPARE(ReadAll(path), QByteArray("Editor, plain\r\n  kate\r\n/usr/bin\r\n-n, --new\r\n"
                                       " C\xc3\xa0lcul\r\n\r\n\r\n\r\n"
                                       "\r\n"));
    ToolsList back;
    QVERIFY(LoadTools(back, path));
    QCOMPARE(back, list);
  }

  void EmptyListIsTheEndMarkAlone() {
    QVERIFY(SaveTools(ToolsList{}, File("Tools.rel")));
    QCOMPARE(ReadAll(File("Tools.rel")), QByteArray("\r\n"));
    ToolsList back;
    back.Tools.append({QStringLiteral("old"), {}, {}, {}});
    QVERIFY(LoadTools(back, File("Tools.rel")));
    QCOMPARE(back.ToolCount(), 0);
  }

  void ReadingStopsAtTheEndMark() {
    WriteAll(File("Tools.rel"), "A\r\na.exe\r\n\r\n\r\n\r\nB\r\nb.exe\r\n\r\n\r\n\r\n");
    ToolsList list;
    QVERIFY(LoadTools(list, File("Tools.rel")));
    QCOMPARE(list.ToolCount(), 1);
    QCOMPARE(list.Tool(1).File, QStringLiteral("a.exe"));
    // An empty first line: no tools, and a successful load.
    WriteAll(File("Tools.rel"), "\r\nA\r\na.exe\r\n\r\n\r\n");
    QVERIFY(LoadTools(list, File("Tools.rel")));
    QCOMPARE(list.ToolCount(), 0);
  }

  void ShortLastRecordAndBareLineFeedsAreRead() {
    WriteAll(File("Tools.rel"), "A\nfa\nwa\npa\nB\r\nfb");
    ToolsList list;
    QVERIFY(LoadTools(list, File("Tools.rel")));
    QCOMPARE(list.ToolCount(), 2);
    QCOMPARE(list.Tool(1), (ToolRecord{"A", "fa", "wa", "pa"}));
    QCOMPARE(list.Tool(2), (ToolRecord{"B", "fb", "", ""}));
  }

  void TwelveToolsLoadAThirteenthFails() {
    WriteAll(File("Tools.rel"), Records(12) + "\r\n");
    ToolsList list;
    QVERIFY(LoadTools(list, File("Tools.rel")));
    QCOMPARE(list.ToolCount(), 12);
    WriteAll(File("Tools.rel"), Records(13) + "\r\n");
    QVERIFY(!LoadTools(list, File("Tools.rel")));
    QCOMPARE(list.ToolCount(), 12);
    QCOMPARE(list.Tool(12).Title, QStringLiteral("T12"));
  }

  void MissingFileFailsWithAnEmptyList() {
    ToolsList list;
    list.Tools.append({QStringLiteral("old"), {}, {}, {}});
    QVERIFY(!LoadTools(list, File("nothing.rel")));
    QCOMPARE(list.ToolCount(), 0);
  }

  void LineBreaksInAFieldCannotShiftTheRecords() {
    ToolsList list;
    list.Tools.append({QStringLiteral("two\r\nlines"), QStringLiteral("a\nb"), {}, {}});
    list.Tools.append({QStringLiteral("next"), {}, {}, {}});
    QVERIFY(SaveTools(list, File("Tools.rel")));
    ToolsList back;
    QVERIFY(LoadTools(back, File("Tools.rel")));
    QCOMPARE(back.ToolCount(), 2);
    QCOMPARE(back.Tool(1).Title, QStringLiteral("two lines"));
    QCOMPARE(back.Tool(1).File, QStringLiteral("a b"));
    QCOMPARE(back.Tool(2).Title, QStringLiteral("next"));
  }

  void AFailedWriteKeepsTheOldFileAndSaysWhy() {
    const QString path = File("Tools.rel");
    const QByteArray old = "Old\r\nold.exe\r\n\r\n\r\n\r\n";
    WriteAll(path, old);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    ToolsList list;
    list.Tools.append({QStringLiteral("New"), {}, {}, {}});
    QString error;
    QVERIFY(!SaveTools(list, path, &error));
    QVERIFY(error.contains(QStringLiteral("read-only")));
    QCOMPARE(ReadAll(path), old);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    // A folder that is not there: nothing can be written, and no stray file remains.
    error.clear();
    QVERIFY(!SaveTools(list, File("gone/Tools.rel"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFileInfo::exists(File("gone")));
    // The program-wide save works on the current folder.
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
    // Fewer tools later hide the items left over.
    WriteAll(File("Tools.rel"), Records(1) + "\r\n");
    QVERIFY(BuildToolsMenu(window.Menu, seams));
    QVERIFY(window.Items[0]->isVisible());
    QVERIFY(!window.Items[1]->isVisible());
    // A missing file leaves the menu as it was, without a message.
    QFile::remove(File("Tools.rel"));
    QVERIFY(!BuildToolsMenu(window.Items, seams));
    QVERIFY(window.Items[0]->isVisible());
    QVERIFY(messages.Shown.isEmpty());
  }

  void WindowWithoutToolItemsGetsNoForm() {
    WriteAll(File("Tools.rel"), Records(2) + "\r\n");
    QMainWindow bare;
    RecordingMessages messages;
    RecordingProcesses processes;
    QVERIFY(BuildToolsMenu(&bare, Seams{&messages, &processes}));
    QCOMPARE(messages.Shown.size(), 1);
    QCOMPARE(messages.LastText(), QStringLiteral("No Form"));
  }
};

QTEST_MAIN(ToolsFileTests)
#include "tst_tools_file.moc"
