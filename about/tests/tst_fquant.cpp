// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "platform/twips.h"
#include "about/fquant.h"

class AboutTests : public QObject {
  Q_OBJECT

 private slots:
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
    QCOMPARE(about.size(), QSize(TwipsToPixelsRounded(5730), TwipsToPixelsRounded(3555)));
    QCOMPARE(about.cmdOK->geometry(), QRect(TwipsToPixelsRounded(4590), TwipsToPixelsRounded(2625),
                                            TwipsToPixelsRounded(915), TwipsToPixelsRounded(345)));
    QCOMPARE(about.lblTitle->font().pointSizeF(), 18.0);
    QVERIFY(about.lblTitle->font().bold());
    QCOMPARE(about.lblTitle->font().families().first(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(about.lblDescription->font().pointSizeF(), 12.0);
    QCOMPARE(about.lblVersion->font().pointSizeF(), 9.75);
    QVERIFY(!about.lblVersion->font().bold());
    QCOMPARE(about.lblDisclaimer->font().pointSizeF(), 8.25);
    QCOMPARE(about.lblTitle->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(about.lblDescription->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QVERIFY(about.lblVersion->alignment() & Qt::AlignHCenter);
    // The etched separator is drawn: grey above white.
    const QImage image = about.grab().toImage();
    const int x = about.width() / 2;
    QCOMPARE(image.pixelColor(x, TwipsToPixelsRounded(2445)), QColor(128, 128, 128));
    QCOMPARE(image.pixelColor(x, TwipsToPixelsRounded(2460)), QColor(Qt::white));
    const QString png = qEnvironmentVariable("ZORBIT_SHOTS");
    if (!png.isEmpty()) image.save(png + QStringLiteral("/fquant.png"));
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

QTEST_MAIN(AboutTests)
#include "tst_fquant.moc"
