// SPDX-License-Identifier: MIT
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTimer>
#include <QtTest>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include "exercises/tests/graph_test_support.h"
#include "platform/testing/modal.h"
#include "filedlg/ask_file.h"
#include "filedlg/dftxs.h"
#include "graphics/save_graph.h"
#include "platform/program_folder.h"
#include "platform/testing/recording_seams.h"
#include "platform/testing/file_bytes.h"
#include "platform/testing/environment.h"

class SaveGraphTest : public QObject {
  Q_OBJECT

  RecordingMessages messages_;
  RecordingProcesses processes_;

  // A context that really starts the converter from the program folder.
  GraphSaveContext Context(const QString& programFolder, const QString& chosen = QString()) {
    GraphSaveContext context;
    context.seams = Seams{&messages_, &processes_};
    context.ProgramFolder = programFolder;
    context.AskSavePath = [chosen](const QString&, const QString&, const QString&) { return chosen; };
    return context;
  }

 private slots:
  void init() {
    messages_ = RecordingMessages();
    processes_ = RecordingProcesses();
    processes_.AlsoStart = true;
    SetExecutableFolder(QString());  // the program folder of the build, where Trasko is
  }

  void SavingWithoutQuestionConvertsAndDropsTheBitmap() {
    WorkInTemporaryFolder work;
    GraphSaveContext context = Context(work.path());
    // The "." inside the name is no extension.
    for (const QString& name : {QStringLiteral("(1+i)+(2)"), QStringLiteral("(1.5+i)+(2.25)")}) {
      QCOMPARE(GuardaGrf(name, GraphPicture(), false, context), SaveOutcome::Saved);
      QCOMPARE(processes_.LastCommandLine(), QStringLiteral("Trasko Graphs/%1.bmp").arg(name));
      QCOMPARE(context.LastSavedName, name + QStringLiteral(".jpg"));
      const QImage jpeg(work.filePath(QStringLiteral("Graphs/%1.jpg").arg(name)));
      QCOMPARE(jpeg.size(), QSize(120, 90));
      QVERIFY(qRed(jpeg.pixel(60, 45)) > 200 && qGreen(jpeg.pixel(60, 45)) < 60);
      QVERIFY(!QFileInfo::exists(work.filePath(QStringLiteral("Graphs/%1.bmp").arg(name))));
    }
    QVERIFY(messages_.Shown.isEmpty());
    QCOMPARE(QDir::currentPath(), QDir(work.path()).canonicalPath());
  }

  void ABitmapThatWasThereIsOverwrittenAndKept() {
    WorkInTemporaryFolder work;
    QVERIFY(QDir().mkdir(QStringLiteral("Graphs")));
    QVERIFY(GraphPicture(30, 30).Image().save(QStringLiteral("Graphs/z.bmp"), "BMP"));
    GraphSaveContext context = Context(work.path());
    QCOMPARE(GuardaGrf(QStringLiteral("z"), GraphPicture(), false, context), SaveOutcome::Saved);
    QCOMPARE(QImage(QStringLiteral("Graphs/z.bmp")).size(), QSize(120, 90));
    QCOMPARE(QImage(QStringLiteral("Graphs/z.jpg")).size(), QSize(120, 90));
  }

  void AnOldJpegIsReplacedOnlyAfterYesAndTheWaitTakesTheNewOne() {
    WorkInTemporaryFolder work;
    GraphSaveContext context = Context(work.path());
    QCOMPARE(GuardaGrf(QStringLiteral("z"), GraphPicture(40, 40), false, context), SaveOutcome::Saved);

    messages_.QueueAnswer(MsgAnswer::No);
    QCOMPARE(GuardaGrf(QStringLiteral("z"), GraphPicture(), false, context), SaveOutcome::NotSaved);
    QCOMPARE(messages_.LastText(), QStringLiteral("replace it?"));
    QCOMPARE(messages_.LastTitle(), QStringLiteral("z.jpg File exists"));
    QCOMPARE(messages_.Shown.last().Buttons, MsgButtons::YesNo);
    QCOMPARE(QImage(QStringLiteral("Graphs/z.jpg")).size(), QSize(40, 40));
    QCOMPARE(processes_.Started.size(), 1);

    messages_.QueueAnswer(MsgAnswer::Yes);
    QCOMPARE(GuardaGrf(QStringLiteral("z"), GraphPicture(), false, context), SaveOutcome::Saved);
    // Had the old file ended the wait, the picture read here could be the old one.
    QCOMPARE(QImage(QStringLiteral("Graphs/z.jpg")).size(), QSize(120, 90));
    QVERIFY(!QFileInfo::exists(QStringLiteral("Graphs/z.bmp")));
  }

  void ChosenTypesInTheDialog() {
    WorkInTemporaryFolder work;
    QString startFolder, types, proposed;
    GraphSaveContext context = Context(work.path());
    const QString folder = work.filePath(QStringLiteral("Graphs"));
    QString answer;
    context.AskSavePath = [&](const QString& name, const QString& start, const QString& typeList) {
      proposed = name;
      startFolder = start;
      types = typeList;
      QDir::setCurrent(QDir::tempPath());  // the dialog may wander; the save sets it back
      return answer;
    };

    answer = folder + QStringLiteral("/panel.bmp");
    QCOMPARE(GuardaGrf(QStringLiteral("3+4i"), GraphPicture(), true, context), SaveOutcome::Saved);
    QCOMPARE(proposed, QStringLiteral("3+4i"));
    QCOMPARE(startFolder, QStringLiteral("Graphs"));
    QCOMPARE(types, QStringLiteral("*.jpg|*.bmp|*.png|*.svg"));
    QCOMPARE(QImage(answer).size(), QSize(120, 90));
    QCOMPARE(context.LastSavedName, QStringLiteral("panel.bmp"));
    QVERIFY(processes_.Started.isEmpty());
    QCOMPARE(QDir::currentPath(), QDir(work.path()).canonicalPath());

    // A PNG is the drawing again at the width chosen, the band still across its middle; a
    // cancelled width saves nothing.
    answer = folder + QStringLiteral("/panel.png");
    for (const int width : {600, 0}) {
      context.AskPngWidth = [width](int proposed) { return proposed == 1200 ? width : -1; };
      QCOMPARE(GuardaGrf(QStringLiteral("3+4i"), GraphPicture(), true, context), width ? SaveOutcome::Saved : SaveOutcome::NotSaved);
    }
    const QImage png(answer, "PNG");
    QCOMPARE(png.size(), QSize(600, 450));
    QCOMPARE(png.pixelColor(300, 225), QColor(Qt::red));
    QCOMPARE(png.pixelColor(300, 190), QColor(Qt::white));
    // An SVG holds the same lines and texts as vectors.
    answer = folder + QStringLiteral("/panel.svg");
    Surface picture = GraphPicture();
    picture.Print(QStringLiteral("z\u2081"));
    QCOMPARE(GuardaGrf(QStringLiteral("3+4i"), picture, true, context), SaveOutcome::Saved);
    const QString vectors = QString::fromUtf8(ReadAll(answer));
    QVERIFY(vectors.contains(QStringLiteral("<svg")) && vectors.contains(QStringLiteral("z\u2081")));
    QVERIFY(vectors.contains(QStringLiteral("viewBox=\"0 0 120 90\"")));
    QVERIFY(processes_.Started.isEmpty());
  }

  void OnlyACancelIsNotSaved() {
    WorkInTemporaryFolder work;
    GraphSaveContext context = Context(work.path(), QString());
    QCOMPARE(GuardaGrf(QStringLiteral("3+4i"), GraphPicture(), true, context), SaveOutcome::NotSaved);
    QCOMPARE(context.LastSavedName, QStringLiteral("3+4i"));
    QCOMPARE(QDir(QStringLiteral("Graphs")).entryList(QDir::Files), QStringList());
    // The proposed name given back as it was is saved, as a JPEG when it names no type.
    context = Context(work.path(), work.filePath(QStringLiteral("Graphs/3+4i")));
    QCOMPARE(GuardaGrf(QStringLiteral("3+4i"), GraphPicture(), true, context), SaveOutcome::Saved);
    QCOMPARE(QDir(QStringLiteral("Graphs")).entryList(QDir::Files), QStringList{QStringLiteral("3+4i.jpg")});
  }

  // The user accepts the proposed name in the real file dialog, with the type shown first or
  // after choosing another; dots in the name are no extension (whatever the name: the file
  // dialog's own tests).
  void AcceptingTheProposedNameInTheDialogSaves_data() {
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("saved");
    QTest::newRow("decimal") << "1.5+2i" << 0 << "1.5+2i.jpg";
    QTest::newRow("bitmap") << "1.5+2i" << 1 << "1.5+2i.bmp";
    QTest::newRow("png") << "(1+1i)^0.5" << 2 << "(1+1i)^0.5.png";
  }
  void AcceptingTheProposedNameInTheDialogSaves() {
    QFETCH(QString, proposed);
    QFETCH(int, type);
    QFETCH(QString, saved);
    WorkInTemporaryFolder work;
    GraphSaveContext context = Context(work.path());
    context.AskSavePath = [this](const QString& name, const QString& start, const QString& types) {
      return AskFile(nullptr, FileDialogMode::Save, start, types, name, Seams{&messages_, &processes_});
    };
    WhenModal<DFtxs>([type](DFtxs* dialog) {
      if (type > 0) {
        dialog->LTps->showPopup();
        for (int i = 0; i < type; ++i) QTest::keyClick(dialog->LTps->view(), Qt::Key_Down);
        QTest::keyClick(dialog->LTps->view(), Qt::Key_Return);
      }
      QTest::keyClick(dialog->IdNom, Qt::Key_Return);
    });
    QCOMPARE(GuardaGrf(proposed, GraphPicture(), true, context), SaveOutcome::Saved);
    QCOMPARE(context.LastSavedName, saved);
    QCOMPARE(QDir(QStringLiteral("Graphs")).entryList(QDir::Files), QStringList{saved});
    // A PNG is 1200 pixels wide unless the user chooses otherwise.
    QCOMPARE(QImage(QStringLiteral("Graphs/") + saved).size(), saved.endsWith(QLatin1String("png")) ? QSize(1200, 900) : QSize(120, 90));
    QVERIFY(messages_.Shown.isEmpty());
  }

  void AllFourCancelledGiveOneNotSavedBoxWithTheProposedNames() {
    WorkInTemporaryFolder work;
    GraphSaveContext context = Context(work.path(), QString());
    const Surface a = GraphPicture(), b = GraphPicture(), c = GraphPicture(), d = GraphPicture();
    SaveOperationGraphs(5, QStringLiteral("1+i"), QStringLiteral("2"), {&a, &b, &c, &d}, context);
    QCOMPARE(messages_.Shown.size(), 1);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Not saved"));
    QCOMPARE(messages_.LastText(),
             QStringLiteral("(1+i)+(2) (1+i)-(2) (1+i)\u00b7(2) (1+i)\u00f7(2) "));
  }

  void OneOperationGraphThroughTheMenuItem() {
    WorkInTemporaryFolder work;
    GraphSaveContext context = Context(work.path(), work.filePath(QStringLiteral("Graphs/quotient.jpg")));
    const Surface a = GraphPicture(10, 10), d = GraphPicture(64, 48);
    SaveOperationGraphs(4, QStringLiteral("1+i"), QStringLiteral("2"), {&a, nullptr, nullptr, &d}, context);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Saved"));
    QCOMPARE(messages_.LastText(), QStringLiteral("quotient.jpg "));
    QCOMPARE(QImage(QStringLiteral("Graphs/quotient.jpg")).size(), QSize(64, 48));
  }

  void MissingConverterKeepsTheBitmapAndSaysSo() {
    WorkInTemporaryFolder work;
    QTemporaryDir emptyProgramFolder;
    SetExecutableFolder(emptyProgramFolder.path());
    GraphSaveContext context = Context(work.path());
    const SaveOutcome outcome = GuardaGrf(QStringLiteral("(1+i)+(2)"), GraphPicture(), false, context);
    QCOMPARE(outcome, SaveOutcome::ConverterMissing);
    QVERIFY(processes_.Started.isEmpty());
    QCOMPARE(context.LastSavedName, QStringLiteral("(1+i)+(2).bmp"));
    QCOMPARE(QImage(QStringLiteral("Graphs/(1+i)+(2).bmp")).size(), QSize(120, 90));
    MsgGr(context.LastSavedName, outcome, messages_);
    QCOMPARE(messages_.LastText(), QStringLiteral("Conversor (%1) not found").arg(CompanionFileName(QStringLiteral("Trasko"))));
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Saved (1+i)+(2).bmp"));
  }

  void AConverterThatCannotStartIsMissingToo() {
    WorkInTemporaryFolder work;
    processes_.Succeed = false;
    GraphSaveContext context = Context(work.path());
    QCOMPARE(GuardaGrf(QStringLiteral("z"), GraphPicture(), false, context), SaveOutcome::ConverterMissing);
    QVERIFY(QFileInfo::exists(QStringLiteral("Graphs/z.bmp")));
  }

  void ASilentConverterEndsTheWaitWithTheWindowStillServed() {
    WorkInTemporaryFolder work;
    processes_.AlsoStart = false;  // recorded as started, but no JPEG will ever come
    GraphSaveContext context = Context(work.path());
    context.ConverterWaitMs = 400;
    bool served = false;
    QTimer::singleShot(0, [&] { served = true; });
    QElapsedTimer clock;
    clock.start();
    const SaveOutcome outcome = GuardaGrf(QStringLiteral("z"), GraphPicture(), false, context);
    QCOMPARE(outcome, SaveOutcome::ConverterSilent);
    QVERIFY(clock.elapsed() >= 400);
    QVERIFY(served);  // events kept flowing while it waited
    QVERIFY(QFileInfo::exists(QStringLiteral("Graphs/z.bmp")));
    QCOMPARE(context.LastSavedName, QStringLiteral("z.bmp"));
    MsgGr(context.LastSavedName, outcome, messages_);
    QVERIFY(messages_.LastText().contains(QStringLiteral("no JPEG")));
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Saved z.bmp"));
  }

  void NoGraphsFolderNoSave() {
    WorkInTemporaryFolder work;
    QFile blocker(QStringLiteral("Graphs"));  // a file where the folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    GraphSaveContext context = Context(work.path());
    QCOMPARE(GuardaGrf(QStringLiteral("z"), GraphPicture(), false, context), SaveOutcome::NotSaved);
    QVERIFY(processes_.Started.isEmpty());
  }

  void MsgGrTitles() {
    MsgGr(QStringLiteral("a.jpg "), SaveOutcome::NotSaved, messages_);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Not saved"));
    MsgGr(QStringLiteral("a.jpg "), SaveOutcome::Saved, messages_);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Saved"));
    QCOMPARE(messages_.LastText(), QStringLiteral("a.jpg "));
    QCOMPARE(messages_.Shown.last().Buttons, MsgButtons::Ok);
  }
};

ZORBIT_WINDOW_TEST_MAIN(SaveGraphTest)
#include "tst_save_graph.moc"
