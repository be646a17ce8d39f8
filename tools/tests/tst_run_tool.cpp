// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/program_folder.h"
#include "platform/testing/recording_seams.h"
#include "tools/run_tool.h"

namespace {

const QString Sep = QDir::separator();

void MakeFile(const QString& path, bool executable) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("#!/bin/sh\n");
  file.close();
  if (executable) QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
}

}  // namespace

class RunToolTests : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  RecordingMessages messages_;
  RecordingProcesses processes_;
  Seams seams_{&messages_, &processes_};

 private slots:
  void init() {
    QVERIFY(QDir::setCurrent(dir_.path()));
    messages_.Shown.clear();
    processes_.Started.clear();
    processes_.Succeed = true;
  }

  void ProgramTextIsFoundAnywhereInAnyCase() {
    const struct {
      const char* text;
      bool program;
    } cases[] = {
        {"notepad.exe x.txt", true}, {"SETUP.EXE", true},      {"Readme.TXT /x.com", true},
        {"run.Bat", true},           {"tool.executable", true}, {"C:\\Docs\\notes.txt", false},
        {"exe", false},              {"", false},               {"notes.txt com", false},
    };
    for (const auto& c : cases) QVERIFY2(IsProgramText(QString::fromLatin1(c.text)) == c.program, c.text);
  }

  void CommandLineJoinsWorkDirFileAndParams() {
    QCOMPARE(ToolCommandLine({"", "notepad.exe", "", "x.txt"}), QStringLiteral("notepad.exe x.txt"));
    QCOMPARE(ToolCommandLine({"", "calc.exe", "C:\\Tools", ""}), "C:\\Tools" + Sep + "calc.exe");
    QCOMPARE(ToolCommandLine({"", "calc.exe", "/opt/tools/", ""}), QStringLiteral("/opt/tools/calc.exe"));
    QCOMPARE(ToolCommandLine({"", "  a  ", "", "  "}), QStringLiteral("a"));
    QCOMPARE(ToolCommandLine({"", "", "", ""}), QString());
  }

  void ProgramByItsNameStartsDirectlyWithItsArguments() {
    RunTool({"Notepad", "notepad.exe", "", "x.txt"}, seams_);
    QCOMPARE(processes_.Started.size(), 1);
    const StartedProcess& started = processes_.Started.last();
    QCOMPARE(started.Command.CommandLine, QStringLiteral("notepad.exe x.txt"));
    QCOMPARE(started.Command.Program, QStringLiteral("notepad.exe"));
    QCOMPARE(started.Command.Arguments, QStringList{QStringLiteral("x.txt")});
    QCOMPARE(started.Style, WindowStyle::NormalFocus);
    // ".com" in the parameters makes a program of any file name.
    RunTool({"Readme", "Readme.TXT", "", "/x.com"}, seams_);
    QCOMPARE(processes_.Started.last().Command.Program, QStringLiteral("Readme.TXT"));
    QCOMPARE(processes_.Started.last().Style, WindowStyle::NormalFocus);
    QVERIFY(messages_.Shown.isEmpty());
  }

  void ExecutableFileOrPathCommandIsAProgram() {
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("My Tools")));
    const QString folder = dir_.filePath(QStringLiteral("My Tools"));
    MakeFile(folder + "/mytool", true);
    RunTool({"Mine", "mytool", folder, "\"a b\" c"}, seams_);
    QCOMPARE(processes_.Started.size(), 1);
    StartedProcess started = processes_.Started.last();
    QCOMPARE(started.Command.CommandLine, folder + Sep + "mytool \"a b\" c");
    QCOMPARE(started.Command.Program, folder + "/mytool");
    QCOMPARE(started.Command.Arguments, (QStringList{"a b", "c"}));
    QCOMPARE(started.Style, WindowStyle::NormalFocus);
    // A command of the PATH, named by its bare name, with the rest of the line as arguments.
    RunTool({"Shell", "sh", "", "-c true"}, seams_);
    started = processes_.Started.last();
    QCOMPARE(started.Command.Program, QStringLiteral("sh"));
    QCOMPARE(started.Command.Arguments, (QStringList{"-c", "true"}));
    // A program of the current folder runs from there.
    MakeFile(dir_.filePath(QStringLiteral("here")), true);
    RunTool({"Here", "here", "", ""}, seams_);
    QCOMPARE(processes_.Started.last().Command.Program, dir_.filePath(QStringLiteral("here")));
  }

  void DocumentOpensWithTheDesktopApplicationAndNoCommandFile() {
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("Docs")));
    const QString folder = dir_.filePath(QStringLiteral("Docs"));
    MakeFile(folder + "/my notes.txt", false);
    RunTool({"Notes", "my notes.txt", folder, ""}, seams_);
    QCOMPARE(processes_.Started.size(), 1);
    const StartedProcess started = processes_.Started.last();
    QCOMPARE(started.Command.CommandLine, folder + Sep + "my notes.txt");
    QCOMPARE(started.Command.Arguments, QStringList{folder + "/my notes.txt"});
    QCOMPARE(started.Command.Program, DesktopOpenCommand({}, {}).Program);
    QCOMPARE(started.Style, WindowStyle::MinimizedFocus);
    QVERIFY(!QFileInfo::exists(QStringLiteral("temp.bat")));
    // A relative document is taken from the current folder and handed over as a full path.
    MakeFile(dir_.filePath(QStringLiteral("readme.txt")), false);
    RunTool({"Readme", "readme.txt", "", ""}, seams_);
    QCOMPARE(processes_.Started.last().Command.Arguments, QStringList{dir_.filePath(QStringLiteral("readme.txt"))});
    // An address goes as it is.
    RunTool({"Site", "https://example.org/x.html", "", ""}, seams_);
    QCOMPARE(processes_.Started.last().Command.Arguments, QStringList{"https://example.org/x.html"});
    QVERIFY(messages_.Shown.isEmpty());
  }

  void FailuresAreReportedAndNothingElseHappens() {
    RunTool({"Lost", "lost.txt", "", ""}, seams_);
    QVERIFY(processes_.Started.isEmpty());
    QVERIFY(messages_.LastText().startsWith(QStringLiteral("File not found")));
    QVERIFY(messages_.LastText().contains(QStringLiteral("lost.txt")));

    RunTool({"Empty", "", "", ""}, seams_);
    QVERIFY(processes_.Started.isEmpty());
    QCOMPARE(messages_.Shown.size(), 2);

    processes_.Succeed = false;
    RunTool({"Broken", "broken.exe", "", "-x"}, seams_);
    QCOMPARE(processes_.Started.size(), 1);
    QCOMPARE(messages_.Shown.size(), 3);
    QVERIFY(messages_.LastText().contains(QStringLiteral("broken.exe -x")));
    QVERIFY(messages_.LastText().contains(QStringLiteral("Broken")));
  }

  void MenuPositionRunsThatToolOfTheProgramList() {
    ProgramTools().Tools = {{"One", "one.exe", "", ""}, {"Two", "two.exe", "", "p"}};
    RunTool(2, seams_);
    QCOMPARE(processes_.LastCommandLine(), QStringLiteral("two.exe p"));
    RunTool(3, seams_);
    RunTool(0, seams_);
    QCOMPARE(processes_.Started.size(), 1);
  }

  void DocumentsOpenHiddenThroughTheDesktop() {
    MakeFile(dir_.filePath(QStringLiteral("sheet.txt")), false);
    OpenDocument(QStringLiteral("sheet.txt"), seams_);
    QCOMPARE(processes_.Started.size(), 1);
    QCOMPARE(processes_.LastCommandLine(), QStringLiteral("cmd.exe /c sheet.txt"));
    QCOMPARE(processes_.Started.last().Command.Arguments, QStringList{dir_.filePath(QStringLiteral("sheet.txt"))});
    QCOMPARE(processes_.Started.last().Style, WindowStyle::Hidden);

    OpenDocument(QStringLiteral("absent.txt"), seams_);
    QCOMPARE(processes_.Started.size(), 1);
    QVERIFY(messages_.LastText().startsWith(QStringLiteral("File not found")));

    processes_.Succeed = false;
    OpenDocument(QStringLiteral("sheet.txt"), seams_);
    QCOMPARE(messages_.Shown.size(), 2);
    QVERIFY(messages_.LastText().contains(QStringLiteral("sheet.txt")));
  }

  void ManualIsTakenFromTheProgramFolder() {
    QTemporaryDir programDir;
    MakeFile(programDir.filePath(QStringLiteral("Zorbit.pdf")), false);
    SetExecutableFolder(programDir.path());
    OpenManual(seams_);
    SetExecutableFolder(QString());
    QCOMPARE(processes_.Started.size(), 1);
    QCOMPARE(processes_.Started.last().Command.Arguments, QStringList{programDir.filePath(QStringLiteral("Zorbit.pdf"))});
    QVERIFY(messages_.Shown.isEmpty());
  }
};

QTEST_MAIN(RunToolTests)
#include "tst_run_tool.moc"
