// SPDX-License-Identifier: MIT
#include <QFileInfo>
#include <QImage>
#include <QPlainTextEdit>
#include <QtTest>

#include "exercises/exercise_command.h"
#include "exercises/tests/graph_test_support.h"
#include "platform/testing/modal.h"
#include "platform/program_folder.h"
#include "platform/testing/recording_seams.h"
#include "platform/testing/environment.h"

namespace {

const QStringList GraphNames = {QStringLiteral("(1+i)+(2)"), QStringLiteral("(1+i)-(2)"),
                                QStringLiteral("(1+i)\u00b7(2)"), QStringLiteral("(1+i)\u00f7(2)")};

}  // namespace

class ExerciseCommandTest : public QObject {
  Q_OBJECT

  RecordingMessages messages_;
  RecordingProcesses processes_;
  Surface graphs_[4] = {GraphPicture(), GraphPicture(), GraphPicture(), GraphPicture()};
  QString shownCaption_, shownStatement_;

  LastCalculations BinaryInputs() {
    LastCalculations last;
    last.Binary = CalcBinary(MakeCplx(1, 1), MakeCplx(2, 0));
    return last;
  }

  ExerciseGraphs Graphs(bool on) {
    return {on, QStringLiteral("1+i"), QStringLiteral("2"), {&graphs_[0], &graphs_[1], &graphs_[2], &graphs_[3]}};
  }

  GraphSaveContext Context(const QString& folder) {
    GraphSaveContext context;
    context.seams = Seams{&messages_, &processes_};
    context.ProgramFolder = folder;
    return context;
  }

  // The user reads the exercise window and closes it; no question may come before.
  void CloseTheExerciseWindow() {
    WhenModal<FPrbls>([this](FPrbls* window) {
      QVERIFY(messages_.Shown.isEmpty());
      shownCaption_ = window->windowTitle();
      shownStatement_ = window->IdEn->toPlainText();
      window->close();
    });
  }

 private slots:
  void init() {
    messages_ = RecordingMessages();
    processes_ = RecordingProcesses();
    processes_.AlsoStart = true;
    shownCaption_.clear();
    shownStatement_.clear();
  }

  void BinaryOperationsWithGraphsSaveTheFourJpegsAfterTheWindowCloses() {
    WorkInTemporaryFolder work;
    GraphSaveContext context = Context(work.path());
    CloseTheExerciseWindow();
    RunExerciseCommand(ProblemKind::Binary, BinaryInputs(), Graphs(true), nullptr, context);

    QCOMPARE(shownCaption_, QStringLiteral("Problema"));
    QCOMPARE(shownStatement_, QStringLiteral("If z1 = 1+1i and z2 = 2+0i calculate: z1+z2, z1-z2, z1*z2, z1/z2."));
    QCOMPARE(messages_.Shown.size(), 2);
    QCOMPARE(messages_.Shown[0].Title, QStringLiteral("Save graphics?"));
    QCOMPARE(messages_.Shown[0].Text, QString());
    QCOMPARE(messages_.Shown[0].Buttons, MsgButtons::YesNo);
    QCOMPARE(messages_.Shown[1].Title, QStringLiteral("Graphics saved"));
    QCOMPARE(messages_.Shown[1].Text, QStringLiteral("  ") + GraphNames.join(QStringLiteral("  ")));
    QCOMPARE(messages_.Shown[1].Buttons, MsgButtons::Ok);
    for (const QString& name : GraphNames) {
      QCOMPARE(QImage(work.filePath(QStringLiteral("Graphs/%1.jpg").arg(name))).size(), QSize(120, 90));
      QVERIFY(!QFileInfo::exists(work.filePath(QStringLiteral("Graphs/%1.bmp").arg(name))));
    }
    QCOMPARE(processes_.Started.size(), 4);
  }

  void TheListNamesEveryGraphWhateverBecameOfIt() {
    WorkInTemporaryFolder work;
    QTemporaryDir noConverter;
    SetExecutableFolder(noConverter.path());
    GraphSaveContext context = Context(work.path());
    CloseTheExerciseWindow();
    RunExerciseCommand(ProblemKind::Binary, BinaryInputs(), Graphs(true), nullptr, context);
    SetExecutableFolder(QString());
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Graphics saved"));
    QCOMPARE(messages_.LastText(), QStringLiteral("  ") + GraphNames.join(QStringLiteral("  ")));
    // Without the converter the bitmaps stay.
    for (const QString& name : GraphNames)
      QVERIFY(QFileInfo::exists(work.filePath(QStringLiteral("Graphs/%1.bmp").arg(name))));
  }
};

ZORBIT_WINDOW_TEST_MAIN(ExerciseCommandTest)
#include "tst_exercise_command.moc"
