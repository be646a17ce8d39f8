// SPDX-License-Identifier: MIT
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/picture_box.h"
#include "platform/processes.h"
#include "platform/program_folder.h"
#include "platform/surface.h"
#include "platform/testing/recording_seams.h"
#include "platform/twips.h"

class PlatformTests : public QObject {
  Q_OBJECT

 private slots:
  void SurfaceDrawsInItsForeColourAndKeepsThePicture() {
    Surface surface(PixelsToTwips(100), PixelsToTwips(50));
    surface.SetForeColor(Qt::red);
    const double y = PixelsToTwips(10);
    surface.Line(0, y, PixelsToTwips(99), y);
    QCOMPARE(surface.Image().pixelColor(50, 10), QColor(Qt::red));
    QCOMPARE(surface.Image().pixelColor(50, 30), QColor(Qt::white));
    // Growing keeps what was drawn.
    surface.SetScaleSize(PixelsToTwips(200), PixelsToTwips(80));
    QCOMPARE(surface.Image().width(), 200);
    QCOMPARE(surface.Image().pixelColor(50, 10), QColor(Qt::red));
    surface.Clear();
    QCOMPARE(surface.Image().pixelColor(50, 10), QColor(Qt::white));
  }

  void PrintingAdvancesByTheTextWidthAndIsRecorded() {
    Surface surface(3000, 1000);
    surface.SetFontName(QStringLiteral("DejaVu Sans"));
    surface.SetFontSize(9);
    surface.StartRecording();
    surface.CurrentX = 100;
    surface.CurrentY = 50;
    const double width = surface.TextWidth(QStringLiteral("3+4i"));
    QVERIFY(width > 0);
    surface.Print(QStringLiteral("3+4i"));
    QCOMPARE(surface.CurrentX, 100 + width);
    QCOMPARE(surface.CurrentY, 50.0);
    QCOMPARE(surface.Recorded().size(), size_t(1));
    QCOMPARE(surface.Recorded()[0].Text, QStringLiteral("3+4i"));
    QCOMPARE(surface.Recorded()[0].X1, 100.0);
    // A larger font measures wider.
    surface.SetFontSize(18);
    QVERIFY(surface.TextWidth(QStringLiteral("3+4i")) > width * 1.5);
  }

  void ZeroSizedSurfaceNeverFails() {
    Surface surface(0, 0);
    surface.Line(0, 0, 10, 10);
    surface.Print(QStringLiteral("x"));
    QVERIFY(!surface.Image().isNull());
  }

  void BitmapsSaveAndLoadBack() {
    QTemporaryDir dir;
    Surface surface(PixelsToTwips(40), PixelsToTwips(30));
    surface.SetForeColor(Qt::blue);
    surface.Line(0, 0, PixelsToTwips(39), 0);
    const QString path = dir.filePath(QStringLiteral("g.bmp"));
    QVERIFY(surface.SaveBitmap(path));
    Surface other(PixelsToTwips(40), PixelsToTwips(30));
    QVERIFY(other.LoadPicture(path));
    QCOMPARE(other.Image().pixelColor(10, 0).blue(), 255);
    QVERIFY(!other.LoadPicture(dir.filePath(QStringLiteral("missing.bmp"))));
  }

  void PictureBoxFollowsTheWidgetAndTheProgram() {
    QWidget parent;
    PictureBox box(&parent, true);
    box.resize(200, 100);
    QCOMPARE(box.surface().Width(), PixelsToTwips(200));
    QCOMPARE(box.surface().ScaleWidth(), PixelsToTwips(196));
    box.surface().SetOuterSize(PixelsToTwips(300), PixelsToTwips(120));
    QCOMPARE(box.size(), QSize(300, 120));
    QSignalSpy down(&box, &PictureBox::MouseDown);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(12, 22));
    QCOMPARE(down.count(), 1);
    QCOMPARE(down[0][2].toDouble(), PixelsToTwips(10));
    QCOMPARE(down[0][3].toDouble(), PixelsToTwips(20));
  }

  void CompanionCommandsJoinWithOneBlank() {
    SetExecutableFolder(QStringLiteral("/opt/zorbit"));
    const ProcessCommand command = CompanionCommand(QStringLiteral("Kovel"), QStringLiteral("/tmp/a b"));
    QCOMPARE(command.CommandLine, CompanionFileName(QStringLiteral("Kovel")) + QStringLiteral(" /tmp/a b"));
    QCOMPARE(command.Arguments, QStringList{QStringLiteral("/tmp/a b")});
    QCOMPARE(QDir::fromNativeSeparators(command.Program), QStringLiteral("/opt/zorbit/") + CompanionFileName("Kovel"));
    SetExecutableFolder(QString());
  }

  void RealProcessesStartAndMissingOnesFail() {
    QtProcesses processes;
    ProcessCommand missing;
    missing.CommandLine = missing.Program = QStringLiteral("/nonexistent/program");
    QVERIFY(!processes.Start(missing, WindowStyle::NormalFocus));
    QTemporaryDir dir;
    ProcessCommand touch;
    touch.Program = QStringLiteral("touch");
    touch.Arguments = {dir.filePath(QStringLiteral("made by a started program"))};
    QVERIFY(processes.Start(touch, WindowStyle::Hidden));
    QTRY_VERIFY(QFile::exists(touch.Arguments[0]));
  }

  void WorkFolderIsTheProgramFolderWhenWritable() {
    QTemporaryDir dir;
    SetExecutableFolder(dir.path());
    QCOMPARE(WorkFolder(), dir.path());
    const QString before = QDir::currentPath();
    QCOMPARE(EnterWorkFolder(), dir.path());
    QCOMPARE(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    QDir::setCurrent(before);
    SetExecutableFolder(QString());
  }
};

QTEST_MAIN(PlatformTests)
#include "tst_platform.moc"
