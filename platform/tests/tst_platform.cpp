// SPDX-License-Identifier: MIT
#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/picture_box.h"
#include "platform/processes.h"
#include "platform/program_folder.h"
#include "platform/surface.h"
#include "platform/testing/recording_seams.h"
#include "platform/twips.h"
#include "platform/testing/environment.h"

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

  // A kept background gives the same pixels as drawing it, whether the picture goes on past the
  // background or leaves it half way; a new size forgets it.
  void KeptBackgroundGivesThePicturesItWouldDraw_data() {
    QTest::addColumn<bool>("leaves");
    QTest::newRow("goes on past the background") << false;
    QTest::newRow("leaves it half way") << true;
  }
  void KeptBackgroundGivesThePicturesItWouldDraw() {
    QFETCH(bool, leaves);
    const double px = PixelsToTwips(1);
    const auto draw = [&](Surface& surface, bool keep, double arrow) {
      surface.Clear();
      surface.SetForeColor(Qt::black);
      surface.Line(0, 20 * px, 99 * px, 20 * px);
      surface.SetForeColor(leaves ? Qt::green : Qt::black);
      surface.Line(50 * px, 0, 50 * px, 39 * px);
      surface.SetForeColor(Qt::black);
      surface.CurrentX = 60 * px;
      surface.CurrentY = 22 * px;
      surface.Print(QStringLiteral("2"));
      if (keep) surface.KeepAsBackground();
      surface.SetForeColor(Qt::red);
      surface.Line(50 * px, 20 * px, arrow * px, 5 * px);
    };
    Surface kept(100 * px, 40 * px);
    kept.SetKeepingBackground(true);
    draw(kept, true, 90);
    draw(kept, true, 70);
    Surface plain(100 * px, 40 * px);
    draw(plain, false, 70);
    QCOMPARE(kept.Image(), plain.Image());
    leaves = !leaves;  // the second line changes colour: the background is left there
    draw(kept, true, 60);
    draw(plain, false, 60);
    QCOMPARE(kept.Image(), plain.Image());
    QCOMPARE(kept.Image().pixelColor(50, 30), QColor(leaves ? Qt::green : Qt::black));
    kept.SetScaleSize(120 * px, 40 * px);
    plain.SetScaleSize(120 * px, 40 * px);
    draw(kept, true, 110);
    draw(plain, false, 110);
    QCOMPARE(kept.Image(), plain.Image());
    kept.SetKeepingBackground(false);
    draw(kept, true, 100);
    draw(plain, false, 100);
    QCOMPARE(kept.Image(), plain.Image());
  }

  // Until a clip makes it, a picture is drawn anew for each showing, as the one made at once.
  void PictureMadeLateHasThePixelsOfOneMadeAtOnce() {
    const double px = PixelsToTwips(1);
    Surface atOnce(70 * px, 40 * px), late(70 * px, 40 * px);
    (void)atOnce.Image();
    for (Surface* s : {&atOnce, &late}) {
      s->Clear();
      s->Line(0, 5 * px, 60 * px, 35 * px);
      s->Print(QStringLiteral("z₁ = 3 − 4i"));
      s->SetBackColor(Qt::cyan);
      s->SetScaleSize(50 * px, 30 * px);
      s->Line(0, 29 * px, 49 * px, 0);
      s->SetScaleSize(80 * px, 60 * px);
    }
    QCOMPARE(late.ShownImage(), atOnce.Image());
    QVERIFY(late.ShownImage().cacheKey() != late.ShownImage().cacheKey());
    for (Surface* s : {&atOnce, &late}) {
      s->SetClip(0, 0, 20 * px, 20 * px);
      s->CurrentX = s->CurrentY = 5 * px;
      s->Print(QStringLiteral("cut short"));
    }
    QCOMPARE(late.ShownImage(), atOnce.Image());
    QCOMPARE(late.ShownImage().cacheKey(), late.ShownImage().cacheKey());
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
    // A folder of the test's own comes first; cleared, the program's folder is back.
    QTemporaryDir own;
    SetWorkFolder(own.path());
    QCOMPARE(WorkFolder(), own.path());
    SetWorkFolder(QString());
    QCOMPARE(WorkFolder(), dir.path());
    SetExecutableFolder(QString());
  }

  void BuiltProgramFindsEverythingBesideIt() {
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    SetExecutableFolder(bin);
    QCOMPARE(CurrentLayout(), ProgramLayout::Beside);
    QCOMPARE(QDir::fromNativeSeparators(CompanionPath(QStringLiteral("Trasko"))),
             bin + QLatin1Char('/') + CompanionFileName(QStringLiteral("Trasko")));
    QCOMPARE(ManualPath(), bin + QStringLiteral("/Zorbit.pdf"));
    QCOMPARE(PagesFolder(), bin);
    QCOMPARE(WorkFolder(), bin);
    SetExecutableFolder(QString());
  }

  void InstalledProgramFindsItsFilesInThePrefixAndWorksInTheUsersFolder() {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("prefix"));
    for (const char* folder : {"bin", "lib/zorbit", "share/doc/zorbit", "share/zorbit"})
      QVERIFY(QDir(prefix).mkpath(QString::fromUtf8(folder)));
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    QCoreApplication::setApplicationName(QStringLiteral("Zorbit"));
    SetExecutableFolder(prefix + QStringLiteral("/bin"));

    QCOMPARE(CurrentLayout(), ProgramLayout::Installed);
    const ProcessCommand kovel = CompanionCommand(QStringLiteral("Kovel"), QStringLiteral("/tmp"));
    QCOMPARE(QDir::fromNativeSeparators(kovel.Program),
             prefix + QStringLiteral("/lib/zorbit/") + CompanionFileName(QStringLiteral("Kovel")));
    QCOMPARE(ManualPath(), prefix + QStringLiteral("/share/doc/zorbit/Zorbit.pdf"));
    QCOMPARE(PagesFolder(), prefix + QStringLiteral("/share/zorbit"));
    // The prefix is writable here, as it is for root or for a prefix in the user's home: the
    // program still keeps its work out of it.
    const QString work = WorkFolder();
    QCOMPARE(work, dir.filePath(QStringLiteral("data/Zorbit")));
    QVERIFY(QFileInfo(work).isDir());
    QCOMPARE(QDir(prefix + QStringLiteral("/bin")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

    SetExecutableFolder(QString());
    QCoreApplication::setApplicationName(QStringLiteral("platform_tests"));
    if (dataHome.isNull()) qunsetenv("XDG_DATA_HOME");
    else qputenv("XDG_DATA_HOME", dataHome);
  }
};

ZORBIT_WINDOW_TEST_MAIN(PlatformTests)
#include "tst_platform.moc"
