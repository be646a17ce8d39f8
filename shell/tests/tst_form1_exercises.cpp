// SPDX-License-Identifier: MIT
// The exercise command and the saving of graph images as the user meets them in the main
// window: the Save items, the panels' exercise buttons, the graph panel's save button.
#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <functional>

#include "exercises/fprbls.h"
#include "filedlg/dftxs.h"
#include "panel_actions.h"
#include "platform/testing/modal.h"
#include "platform/testing/typing.h"
#include "platform/testing/environment.h"

namespace {

// What the exercise window showed before the user closed it.
struct Shown {
  QString Caption, Statement, Answer;
};

void ReadAndClose(Shown& shown) {
  WhenModal<FPrbls>([&shown](FPrbls* window) {
    shown = {window->windowTitle(), window->IdEn->toPlainText(), window->IdResp->toPlainText()};
    window->close();
  });
}

// a = 1+1i and b = 2, picked as Z1 and Z2, the four operations calculated; images and sheets go
// to the test's folder, and the real converter runs.
void BinaryExample(Form1Driver& d) {
  StoreAll(d, {"1, 1", "2, 0"});
  d.form->ProgramFolder = d.folder.path();
  d.processes.AlsoStart = true;
  QTest::mouseClick(d.form->Binary->OkOp2, Qt::LeftButton);
  QVERIFY(d.form->Binary->BtG2->isEnabled());
}

const QStringList GraphNames = {QStringLiteral("(1+1i)+(2+0i)"), QStringLiteral("(1+1i)-(2+0i)"),
                                QStringLiteral("(1+1i)\u00b7(2+0i)"), QStringLiteral("(1+1i)\u00f7(2+0i)")};

}  // namespace

class Form1ExerciseTests : public QObject {
  Q_OBJECT

 private slots:
  void SaveBinaryOperationsShowsTheExerciseThenSavesTheFourGraphs() {
    Form1Driver d;
    BinaryExample(d);
    Shown shown;
    ReadAndClose(shown);
    d.form->OpG[0]->trigger();

    // The panel's operands and graph windows go to the exercise command; its texts and messages
    // are its own tests'.
    QCOMPARE(shown.Statement, QStringLiteral("If z1 = 1+1i and z2 = 2+0i calculate: z1+z2, z1-z2, z1*z2, z1/z2."));
    QCOMPARE(d.messages.Shown.size(), 2);
    QCOMPARE(d.messages.Shown[1].Text, QStringLiteral("  ") + GraphNames.join(QStringLiteral("  ")));
    for (const QString& name : GraphNames) {
      const QString jpeg = d.folder.filePath(QStringLiteral("Graphs/%1.jpg").arg(name));
      QVERIFY2(!QImage(jpeg).isNull(), qPrintable(jpeg));
    }
    QCOMPARE(QDir::currentPath(), QDir(d.folder.path()).canonicalPath());
  }

  void TheExerciseButtonWithGraphsOffOrAnsweredNo() {
    Form1Driver d;
    BinaryExample(d);
    QTest::mouseClick(d.form->Binary->OpGrfs, Qt::LeftButton);
    QVERIFY(!d.form->Binary->GraphsOn);
    Shown shown;
    ReadAndClose(shown);
    QTest::mouseClick(d.form->Binary->BtG2, Qt::LeftButton);
    QCOMPARE(shown.Caption, QStringLiteral("Problema"));
    QVERIFY(d.messages.Shown.isEmpty());

    QTest::mouseClick(d.form->Binary->OpGrfs, Qt::LeftButton);
    QVERIFY(d.form->Binary->GraphsOn);
    d.messages.QueueAnswer(MsgAnswer::No);
    ReadAndClose(shown);
    QTest::mouseClick(d.form->Binary->BtG2, Qt::LeftButton);
    QCOMPARE(d.messages.LastTitle(), QStringLiteral("Save graphics?"));
    QCOMPARE(d.messages.Shown.size(), 1);
    QVERIFY(QDir(d.folder.filePath(QStringLiteral("Graphs"))).entryList(QDir::Files).isEmpty());
  }

  void PowerRootsAndCombinedExercisesFromTheirButtons() {
    Form1Driver d;
    StoreAll(d, {"1, 1", "2, 0"});
    Form1& f = *d.form;
    Shown shown;

    TypeInto(f.Power->LstNp, QStringLiteral("0.5"));
    QTest::mouseClick(f.Power->OkPot, Qt::LeftButton);
    ReadAndClose(shown);
    QTest::mouseClick(f.Power->BtGP, Qt::LeftButton);
    QCOMPARE(shown.Statement, QStringLiteral("Find the power 0.5 of Z= 1+1i"));
    QVERIFY(shown.Answer.startsWith(QStringLiteral(" Z^0.5 = ")));

    TypeInto(f.Roots->LstNr, QStringLiteral("3"));
    QTest::mouseClick(f.Roots->OkRel, Qt::LeftButton);
    ReadAndClose(shown);
    QTest::mouseClick(f.Roots->BtGR, Qt::LeftButton);
    QCOMPARE(shown.Statement, QStringLiteral("Find the roots of index 3 of Z= 1+1i"));
    QCOMPARE(shown.Answer.count(QLatin1Char('\n')), 3);

    // A is a: (1+i)² + 2 = 2i + 2.
    TypeFormula(f.Combined->TxtOp, QStringLiteral("A*a+b"));
    QTest::mouseClick(f.Combined->OkCmb, Qt::LeftButton);
    ReadAndClose(shown);
    QTest::mouseClick(f.Combined->BtGC, Qt::LeftButton);
    QCOMPARE(shown.Statement, QStringLiteral("Calculate A*a+b . Where:\na = 1+1i\na = 1+1i\nb = 2+0i\n"));
    QCOMPARE(shown.Answer, QStringLiteral(" cart.: 2+2i  polar: 2.83 , 45\u00b0"));
    QVERIFY(d.messages.Shown.isEmpty());
  }

  void AFailedPowerAttemptNeverMixesIntoTheExercise() {
    Form1Driver d;
    StoreAll(d, {"1, 1", "2, 0"});
    Form1& f = *d.form;
    Shown before, after;
    TypeInto(f.Power->LstNp, QStringLiteral("0.5"));
    QTest::mouseClick(f.Power->OkPot, Qt::LeftButton);
    ReadAndClose(before);
    f.OpG[1]->trigger();
    // A new base with an exponent that does not read: the panel keeps its last result.
    f.LstZ[2]->setCurrentIndex(1);
    TypeInto(f.Power->LstNp, QStringLiteral("x"));
    QTest::mouseClick(f.Power->OkPot, Qt::LeftButton);
    QCOMPARE(f.Power->Last.Base.Re, 1.0);
    ReadAndClose(after);
    f.OpG[1]->trigger();
    QCOMPARE(after.Statement, QStringLiteral("Find the power 0.5 of Z= 1+1i"));
    QCOMPARE(after.Answer, before.Answer);
  }

  void TheGraphPanelIsSavedThroughTheFileDialog() {
    Form1Driver d;
    StoreAll(d, {"3, 4"});
    d.form->ProgramFolder = d.folder.path();
    QString proposed;
    WhenModal<DFtxs>([&](DFtxs* dialog) {
      proposed = dialog->IdNom->text();
      dialog->IdNom->setText(QStringLiteral("panel.bmp"));
      QTest::mouseClick(dialog->BtOk, Qt::LeftButton);
    });
    QTest::mouseClick(d.form->Graph->BtGrf, Qt::LeftButton);
    QCOMPARE(proposed, d.form->Graph->EtZ->text());
    QCOMPARE(d.messages.LastTitle(), QStringLiteral("Saved"));
    QCOMPARE(d.messages.LastText(), QStringLiteral("panel.bmp"));
    QCOMPARE(d.form->LastSavedName, QStringLiteral("panel.bmp"));
    QVERIFY(!QImage(d.folder.filePath(QStringLiteral("Graphs/panel.bmp"))).isNull());
  }

  void AllGraphicsCancelledGiveOneNotSavedBox() {
    Form1Driver d;
    BinaryExample(d);
    WhenModal<DFtxs>([](DFtxs* dialog) { QTest::mouseClick(dialog->BtFuig, Qt::LeftButton); }, 4);
    d.form->GGr[5]->trigger();
    QCOMPARE(d.messages.Shown.size(), 1);
    QCOMPARE(d.messages.LastTitle(), QStringLiteral("Not saved"));
    QCOMPARE(d.messages.LastText(), GraphNames.join(QLatin1Char(' ')) + QLatin1Char(' '));
  }
};

ZORBIT_WINDOW_TEST_MAIN(Form1ExerciseTests)
#include "tst_form1_exercises.moc"
