// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString TraskoPath() {
  QString name = QStringLiteral("Trasko");
#ifdef Q_OS_WIN
  name += QStringLiteral(".exe");
#endif
  return QDir(qEnvironmentVariable("ZORBIT_PROGRAM_DIR")).filePath(name);
}

// Runs Trasko with the given arguments and answers its exit code (-1 when it did not run).
int RunTrasko(const QStringList& arguments, const QString& workDir = QString()) {
  QProcess process;
  if (!workDir.isEmpty()) process.setWorkingDirectory(workDir);
  process.start(TraskoPath(), arguments);
  if (!process.waitForFinished(20000)) return -1;
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// A picture with a red left half and a blue right half, so that a mirrored or blank output shows.
QImage TwoColours() {
  QImage image(120, 80, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, x < 60 ? qRgb(220, 20, 20) : qRgb(20, 20, 220));
  return image;
}

bool Near(QRgb a, QRgb b) {
  return qAbs(qRed(a) - qRed(b)) < 24 && qAbs(qGreen(a) - qGreen(b)) < 24 && qAbs(qBlue(a) - qBlue(b)) < 24;
}

}  // namespace

class TraskoTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY2(QFileInfo::exists(TraskoPath()), qPrintable(TraskoPath())); }

  void WritesTheJpegOfTheSameBaseNameBesideTheBitmap() {
    QTemporaryDir dir;
    // Decimal points and blanks in the name: only the last "." starts the extension.
    const QString bitmap = dir.filePath(QStringLiteral("my graphs/(1.5+i)·(2.25).bmp"));
    QVERIFY(QDir().mkpath(QFileInfo(bitmap).path()));
    QVERIFY(TwoColours().save(bitmap, "BMP"));

    QCOMPARE(RunTrasko({bitmap}), 0);

    const QString jpeg = dir.filePath(QStringLiteral("my graphs/(1.5+i)·(2.25).jpg"));
    QFile file(jpeg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(3), QByteArray("\xFF\xD8\xFF"));  // a JPEG, not a renamed bitmap
    file.close();
    const QImage read(jpeg);
    QCOMPARE(read.size(), QSize(120, 80));
    QVERIFY(Near(read.pixel(10, 40), qRgb(220, 20, 20)));
    QVERIFY(Near(read.pixel(110, 40), qRgb(20, 20, 220)));
    QVERIFY(QFileInfo::exists(bitmap));  // the caller decides whether the bitmap goes
  }

  void TakesARelativePathFromItsWorkingFolder() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Graphs")));
    QVERIFY(TwoColours().save(dir.filePath(QStringLiteral("Graphs/z.bmp")), "BMP"));
    QCOMPARE(RunTrasko({QStringLiteral("Graphs/z.bmp")}, dir.path()), 0);
    QVERIFY(!QImage(dir.filePath(QStringLiteral("Graphs/z.jpg"))).isNull());
  }

  void ReplacesAnOldJpeg() {
    QTemporaryDir dir;
    const QString jpeg = dir.filePath(QStringLiteral("z.jpg"));
    QImage old(10, 10, QImage::Format_RGB32);
    old.fill(Qt::green);
    QVERIFY(old.save(jpeg, "JPG"));
    QVERIFY(TwoColours().save(dir.filePath(QStringLiteral("z.bmp")), "BMP"));
    QCOMPARE(RunTrasko({dir.filePath(QStringLiteral("z.bmp"))}), 0);
    QCOMPARE(QImage(jpeg).size(), QSize(120, 80));
  }

  void FlattensTransparencyOntoWhite() {
    QTemporaryDir dir;
    QImage clear(16, 16, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QVERIFY(clear.save(dir.filePath(QStringLiteral("t.png")), "PNG"));
    QCOMPARE(RunTrasko({dir.filePath(QStringLiteral("t.png"))}), 0);
    QVERIFY(Near(QImage(dir.filePath(QStringLiteral("t.jpg"))).pixel(8, 8), qRgb(255, 255, 255)));
  }

  void FailsWithoutWritingAnythingForAnUnreadableBitmap() {
    QTemporaryDir dir;
    QFile junk(dir.filePath(QStringLiteral("junk.bmp")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    QVERIFY(RunTrasko({junk.fileName()}) > 0);
    QVERIFY(RunTrasko({dir.filePath(QStringLiteral("missing.bmp"))}) > 0);
    QVERIFY(RunTrasko({}) > 0);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("junk.bmp")});
  }
};

QTEST_GUILESS_MAIN(TraskoTest)
#include "tst_trasko.moc"
