// SPDX-License-Identifier: MIT
// The main window's set-up kept in a real settings file, the angle unit, and the open complex's
// notice, driven through the real window.
#include <QLabel>
#include <QScreen>

#include "form1_driver.h"
#include "shell/setup_keeper.h"
#include "platform/testing/environment.h"
#include "platform/testing/file_bytes.h"

namespace {

// The window as the program opens it: its set-up restored from `file`.
void Start(Form1Driver& d, const QString& file) {
  d.Open();
  new SetUpKeeper(*d.form, file);
}

}  // namespace

class Form1SetUpTests : public QObject {
  Q_OBJECT

 private slots:
  void SetUpComesBackAfterARestart() {
    Form1Driver d;
    const QString file = d.folder.filePath(QStringLiteral("Zorbit.conf"));
    Start(d, file);
    d.form->Entry->IdX->setCurrentIndex(4);
    d.form->Entry->LstUnit->setCurrentIndex(1);
    QTest::keyClicks(d.form->Combined->TxtOp, QStringLiteral("a*b'"));
    d.form->setGeometry(10, 20, 600, 450);
    Start(d, file);
    QCOMPARE(d.form->Entry->Decimals, 5);
    QCOMPARE(d.form->Entry->Unit, AngleUnit::Radians);
    QCOMPARE(d.form->Combined->TxtOp->text(), QStringLiteral("a*b'"));
    QCOMPARE(d.form->geometry(), QRect(10, 20, 600, 450));
  }

  // No file stops the start or moves anything: the defaults stand, the window is on the screen,
  // and what changes next is kept again.
  void DamagedOrForeignFileLeavesTheDefaults() {
    const struct {
      QByteArray bytes;
      bool setAside;
    } files[] = {
        {QByteArray("\x00\xff\xfe[main\n\x01=\x03geometry=@Rect(\n[[[\n", 31), true},
        {"[main]\ndecimals=42\nangleUnit=gradians\nformula=\"a\\x7\"\ngeometry=@Rect(90000 90000 5 5)\n", false},
        {"[main]\ngeometry=@Rect(-3000 5000 400 300)\n", false},
    };
    for (const auto& f : files) {
      Form1Driver d;
      const QString file = d.folder.filePath(QStringLiteral("Zorbit.conf"));
      WriteAll(file, f.bytes);
      Start(d, file);
      QVERIFY(d.form->screen()->availableGeometry().contains(d.form->frameGeometry()));
      QCOMPARE(d.form->Entry->Decimals, 2);
      QCOMPARE(d.form->Entry->Unit, AngleUnit::Degrees);
      QVERIFY(d.form->Combined->TxtOp->text().isEmpty());
      QCOMPARE(QFile::exists(file + QStringLiteral(".bad")), f.setAside);
      d.form->Entry->IdX->setCurrentIndex(2);
      Start(d, file);
      QCOMPARE(d.form->Entry->Decimals, 3);
    }
  }

  // In radians the polar box reads radians and every polar text says "rad"; the open complex is
  // named, and Esc leaves it.
  void RadiansAndTheOpenComplex() {
    Form1Driver d;
    Form1& f = *d.form;
    f.Entry->LstUnit->setCurrentIndex(1);
    d.Enter(1, QStringLiteral("2, pi/2"));
    d.Enter(0, QStringLiteral("1, 1"));
    QCOMPARE(d.Column(1), (QStringList{"0+2i", "1+1i"}));
    QCOMPARE(d.Column(2), (QStringList{"2 , 1.571 rad", "1.41 , 0.785 rad"}));
    QCOMPARE(f.Power->IdZ[1]->text(), QStringLiteral("2 , 1.571 rad"));

    QVERIFY(!f.Entry->EtEdit->isVisible());
    d.ClickRow(2, 1);
    QCOMPARE(f.Entry->EtEdit->text(), QStringLiteral("Editing b \u2014 Esc to add a new one instead"));
    QVERIFY(f.Entry->EtEdit->isVisible());
    QTest::keyClick(f.Stored->LZ[2], Qt::Key_Escape);
    QVERIFY(!f.Entry->EtEdit->isVisible());
    QVERIFY(f.Entry->EdN[1]->text().isEmpty());
    d.Enter(0, QStringLiteral("-3, 0"));
    QCOMPARE(d.Column(0), (QStringList{"a", "b", "c"}));

    f.Entry->LstUnit->setCurrentIndex(0);
    QCOMPARE(d.Column(2), (QStringList{"2 , 90\u00b0", "1.41 , 45\u00b0", "3 , 180\u00b0"}));
    QCOMPARE(f.Power->IdZ[1]->text(), QStringLiteral("2 , 90\u00b0"));
  }
};

ZORBIT_WINDOW_TEST_MAIN(Form1SetUpTests)
#include "tst_form1_setup.moc"
