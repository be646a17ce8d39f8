// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "platform/program_font.h"
#include "platform/twips.h"
#include "about/fquant.h"
#include "about/program_icon.h"
#include "about/program_icon_drawing.h"
#include "platform/testing/layout_checks.h"
#include "platform/testing/environment.h"

class AboutTests : public QObject {
  Q_OBJECT

 private slots:
  // The window icon is read from the pictures the build drew: the drawing itself at every size.
  void TheIconIsTheDrawingAtEverySize() {
    const QIcon icon = ProgramIcon();
    QCOMPARE(icon.availableSizes().size(), int(std::size(ProgramIconSizes)));
    for (int size : ProgramIconSizes) {
      const QImage shown = icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
      QCOMPARE(shown, DrawProgramIcon(size).toImage().convertToFormat(QImage::Format_ARGB32));
    }
  }

  void ShowsTitleDescriptionVersionAndContact() {
    QWidget main;
    FQuant about(&main);
    QCOMPARE(about.windowTitle(), QStringLiteral("About Zorbit"));
    QCOMPARE(about.lblTitle->text(), QStringLiteral("Zorbit"));
    QCOMPARE(about.lblDescription->text(), QStringLiteral("Elementary calculations with complex numbers"));
    QCOMPARE(about.lblVersion->text(), QStringLiteral("Version 2.0.0"));
    QVERIFY(about.lblDisclaimer->text().contains(QLatin1Char('@')));
    QVERIFY(!about.picIcon->pixmap().isNull());
    QCOMPARE(about.cmdOK->text(), QStringLiteral("OK"));
    QVERIFY(!about.isModal());
  }

  void KeepsTheLayoutAndLookOfTheDesign() {
    QWidget main;
    FQuant about(&main);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    // At least the designed size, and fixed.
    QVERIFY(about.width() >= TwipsToPixelsRounded(5730) && about.height() >= TwipsToPixelsRounded(3555));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    // The program's family throughout, at the designed sizes, weights and colours.
    const QList<QLabel*> labels = {about.lblTitle, about.lblDescription, about.lblVersion, about.lblDisclaimer};
    for (QLabel* label : labels) QCOMPARE(QFontInfo(label->font()).family(), ProgramFontFamily());
    QCOMPARE(about.lblTitle->font().pointSizeF(), 18.0);
    QVERIFY(about.lblTitle->font().bold());
    QCOMPARE(about.lblDescription->font().pointSizeF(), 12.0);
    QCOMPARE(about.lblVersion->font().pointSizeF(), 9.75);
    QVERIFY(!about.lblVersion->font().bold());
    QCOMPARE(about.lblDisclaimer->font().pointSizeF(), 8.25);
    QCOMPARE(about.lblTitle->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(about.lblDescription->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QVERIFY(about.lblVersion->alignment() & Qt::AlignHCenter);
    // Every text shows whole, nothing lies on anything else, and the box reads from top to
    // bottom: icon and title, description, version, the separator, contact line and OK.
    for (QLabel* label : labels)
      QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->objectName() + " cut"));
    QVERIFY(about.cmdOK->width() >= about.cmdOK->sizeHint().width());
    const QList<QWidget*> controls = {about.picIcon, about.lblTitle, about.lblDescription, about.lblVersion,
                                      about.Line1, about.lblDisclaimer, about.cmdOK};
    QVERIFY2(Overlap(controls).isEmpty(), qPrintable(Overlap(controls)));
    QVERIFY(about.lblTitle->geometry().bottom() < about.lblDescription->y());
    QVERIFY(about.lblDescription->geometry().bottom() < about.lblVersion->y());
    QVERIFY(about.lblVersion->geometry().bottom() < about.Line1->y());
    QVERIFY(about.Line1->geometry().bottom() < about.lblDisclaimer->y());
    QVERIFY(about.Line1->geometry().bottom() < about.cmdOK->y());
    // The title and the contact line are centred on the box.
    for (QLabel* centred : {about.lblTitle, about.lblDisclaimer})
      QVERIFY2(std::abs(centred->geometry().center().x() - about.rect().center().x()) <= 2,
               qPrintable(centred->objectName() + " off centre"));
    // The etched separator runs across the box: grey above white.
    const QImage image = about.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const int y = about.Line1->y();
    for (int x : {TwipsToPixelsRounded(120), about.width() / 2, about.width() - TwipsToPixelsRounded(120)}) {
      QCOMPARE(image.pixelColor(QPoint(x, y) * ratio), QColor(128, 128, 128));
      QCOMPARE(image.pixelColor(QPoint(x, y + 1) * ratio), QColor(Qt::white));
    }
  }

  void EnterEscapeAndOkCloseTheBox() {
    QWidget main;
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Escape), -1}) {
      QPointer<FQuant> about = ShowAbout(&main);
      QVERIFY(about->isVisible());
      QVERIFY(QTest::qWaitForWindowExposed(about));
      // Choosing About... again while it is open brings the same box forward.
      QCOMPARE(ShowAbout(&main), about.data());
      if (key < 0)
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
      else
        QTest::keyClick(about, Qt::Key(key));
      QTRY_VERIFY(about.isNull());
    }
  }
};

ZORBIT_WINDOW_TEST_MAIN(AboutTests)
#include "tst_fquant.moc"
