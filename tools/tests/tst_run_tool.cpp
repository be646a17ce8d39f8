// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/program_folder.h"
#include "platform/testing/recording_seams.h"
#include "tools/run_tool.h"
#include "platform/testing/environment.h"
#include "platform/testing/file_bytes.h"

namespace {

const QString Sep = QDir::separator();

void MakeFile(const QString& path, bool executable) {
  executable ? WriteProgram(path, "#!/bin/sh\n") : WriteAll(path, "#!/bin/sh\n");
}

}  // namespace

class RunToolTests : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  RecordingMessages messages_;
  RecordingProcesses processes_;
  Seams seams_{&messages_, &processes_};

  ProcessCommand Last() const { return processes_.Started.last().Command; }
  WindowStyle LastStyle() const { return processes_.Started.last().Style; }

 private slots:
  void init() {
    QVERIFY(QDir::setCurrent(dir_.path()));
    messages_.Shown.clear();
    processes_.Started.clear();
    processes_.Succeed = true;
  }

  void ProgramTextAndCommandLines() {
    for (const char* program : {"notepad.exe x.txt", "SETUP.EXE", "Readme.TXT /x.com", "run.Bat", "a.executable"})
      QVERIFY2(IsProgramText(QString::fromLatin1(program)), program);
    for (const char* other : {"C:\\Docs\\notes.txt", "exe", "", "notes.txt com"})
      QVERIFY2(!IsProgramText(QString::fromLatin1(other)), other);
    QCOMPARE(ToolCommandLine({"", "notepad.exe", "", "x.txt"}), QStringLiteral("notepad.exe x.txt"));
    QCOMPARE(ToolCommandLine({"", "calc.exe", "C:\\Tools", ""}), "C:\\Tools" + Sep + "calc.exe");
    QCOMPARE(ToolCommandLine({"", "calc", "/opt/tools/", ""}), QStringLiteral("/opt/tools/calc"));
    QCOMPARE(ToolCommandLine({"", "  a  ", "", "  "}), QStringLiteral("a"));
  }

  void ProgramsStartDirectlyWithTheirArguments() {
    RunTool({"Notepad", "notepad.exe", "", "x.txt"}, seams_);
    QCOMPARE(Last().CommandLine, QStringLiteral("notepad.exe x.txt"));
    QCOMPARE(Last().Program, QStringLiteral("notepad.exe"));
    QCOMPARE(Last().Arguments, QStringList{"x.txt"});
    QCOMPARE(LastStyle(), WindowStyle::NormalFocus);
    // An executable file, blanks in its folder and quoted parameters included.
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("My Tools")));
    const QString folder = dir_.filePath(QStringLiteral("My Tools"));
    MakeFile(folder + "/mytool", true);
    RunTool({"Mine", "mytool", folder, "\"a b\" c"}, seams_);
    QCOMPARE(Last().CommandLine, folder + Sep + "mytool \"a b\" c");
    QCOMPARE(Last().Program, folder + "/mytool");
    QCOMPARE(Last().Arguments, (QStringList{"a b", "c"}));
    // A command of the PATH by its bare name; a program of the current folder by its full path.
    RunTool({"Shell", "sh", "", "-c true"}, seams_);
    QCOMPARE(Last().Program, QStringLiteral("sh"));
    QCOMPARE(Last().Arguments, (QStringList{"-c", "true"}));
    MakeFile(dir_.filePath(QStringLiteral("here")), true);
    RunTool({"Here", "here", "", ""}, seams_);
    QCOMPARE(Last().Program, dir_.filePath(QStringLiteral("here")));
    QCOMPARE(processes_.Started.size(), 4);
    QVERIFY(messages_.Shown.isEmpty());
  }

  // "\" separates folders in File and Work directory as everywhere in the program.
  void BackslashesSeparateFoldersOfFileAndWorkDir() {
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("My Tools/bin")));
    MakeFile(dir_.filePath(QStringLiteral("My Tools/bin/mytool")), true);
    MakeFile(dir_.filePath(QStringLiteral("My Tools/notes.txt")), false);
    QString backslashed = dir_.path() + QStringLiteral("\\My Tools");
    ProgramTools().Tools = {{"Mine", "bin\\mytool", backslashed, "-v"},
                            {"Notes", "notes.txt", backslashed + QLatin1Char('\\'), ""},
                            {"Relative", "My Tools\\bin\\mytool", "", ""}};
    RunTool(1, seams_);
    QCOMPARE(Last().CommandLine, backslashed + Sep + QStringLiteral("bin\\mytool -v"));
    QCOMPARE(Last().Program, dir_.filePath(QStringLiteral("My Tools/bin/mytool")));
    QCOMPARE(Last().Arguments, QStringList{"-v"});
    RunTool(2, seams_);
    QVERIFY(Last().OpenOnDesktop);
    QCOMPARE(Last().Arguments, QStringList{QDir::toNativeSeparators(dir_.filePath(QStringLiteral("My Tools/notes.txt")))});
    RunTool(3, seams_);
    QCOMPARE(Last().Program, dir_.filePath(QStringLiteral("My Tools/bin/mytool")));
    QVERIFY2(messages_.Shown.isEmpty(), qPrintable(messages_.LastText()));
    QCOMPARE(processes_.Started.size(), 3);
  }

  void DocumentsOpenWithTheDesktopApplicationAndNoCommandFile() {
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("Docs")));
    const QString folder = dir_.filePath(QStringLiteral("Docs"));
    MakeFile(folder + "/my notes.txt", false);
    RunTool({"Notes", "my notes.txt", folder, ""}, seams_);
    QCOMPARE(Last().CommandLine, folder + Sep + "my notes.txt");
    QVERIFY(Last().OpenOnDesktop);
    QCOMPARE(Last().Arguments, QStringList{folder + "/my notes.txt"});
    QCOMPARE(LastStyle(), WindowStyle::MinimizedFocus);
    QVERIFY(!QFileInfo::exists(QStringLiteral("temp.bat")));
    MakeFile(dir_.filePath(QStringLiteral("readme.txt")), false);
    RunTool({"Readme", "readme.txt", "", ""}, seams_);
    QCOMPARE(Last().Arguments, QStringList{dir_.filePath(QStringLiteral("readme.txt"))});
    RunTool({"Site", "https://example.org/x.html", "", ""}, seams_);
    QCOMPARE(Last().Arguments, QStringList{"https://example.org/x.html"});
    QVERIFY(messages_.Shown.isEmpty());
  }

  void FailuresAreReported() {
    RunTool({"Lost", "lost.txt", "", ""}, seams_);
    QVERIFY(messages_.LastText().startsWith(QStringLiteral("File not found")));
    RunTool({"Empty", "", "", ""}, seams_);
    QVERIFY(processes_.Started.isEmpty());
    QCOMPARE(messages_.Shown.size(), 2);
    processes_.Succeed = false;
    RunTool({"Broken", "broken.exe", "", "-x"}, seams_);
    QVERIFY(messages_.LastText().contains(QStringLiteral("broken.exe -x")));
    QCOMPARE(messages_.Shown.size(), 3);
  }

  void MenuPositionRunsThatToolOfTheProgramList() {
    ProgramTools().Tools = {{"One", "one.exe", "", ""}, {"Two", "two.exe", "", "p"}};
    RunTool(2, seams_);
    RunTool(3, seams_);
    RunTool(0, seams_);
    QCOMPARE(processes_.Started.size(), 1);
    QCOMPARE(processes_.LastCommandLine(), QStringLiteral("two.exe p"));
  }

  void DocumentsAndTheManualOpenHidden() {
    MakeFile(dir_.filePath(QStringLiteral("sheet.txt")), false);
    OpenDocument(QStringLiteral("sheet.txt"), seams_);
    QCOMPARE(processes_.LastCommandLine(), QStringLiteral("cmd.exe /c sheet.txt"));
    QCOMPARE(Last().Arguments, QStringList{dir_.filePath(QStringLiteral("sheet.txt"))});
    QCOMPARE(LastStyle(), WindowStyle::Hidden);
    OpenDocument(QStringLiteral("absent.txt"), seams_);
    QVERIFY(messages_.LastText().startsWith(QStringLiteral("File not found")));
    QTemporaryDir programDir;
    MakeFile(programDir.filePath(QStringLiteral("Zorbit.pdf")), false);
    SetExecutableFolder(programDir.path());
    QCOMPARE(OpenManual(seams_), ManualOpening::Started);
    SetExecutableFolder(QString());
    QCOMPARE(Last().Arguments, QStringList{programDir.filePath(QStringLiteral("Zorbit.pdf"))});
    processes_.Succeed = false;
    OpenDocument(QStringLiteral("sheet.txt"), seams_);
    QVERIFY(messages_.LastText().contains(QStringLiteral("sheet.txt")));
    QCOMPARE(processes_.Started.size(), 3);
    QCOMPARE(messages_.Shown.size(), 2);
  }
};

ZORBIT_WINDOW_TEST_MAIN(RunToolTests)
#include "tst_run_tool.moc"
