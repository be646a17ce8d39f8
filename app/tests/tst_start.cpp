// SPDX-License-Identifier: MIT
// The built Zorbit's start, as a user starts it: the window shows without anything a bare window
// does not need for its first paint.
#include <QFile>
#include <QProcess>
#include <QtTest>

#include "platform/testing/environment.h"

// The resident kB of the process's mappings of the file whose path ends with `name`.
static qint64 ResidentKilobytesOf(qint64 pid, const QByteArray& name) {
  QFile smaps(QStringLiteral("/proc/%1/smaps").arg(pid));
  qint64 total = 0;
  bool counting = false;
  if (smaps.open(QIODevice::ReadOnly))
    for (const QByteArray& line : smaps.readAll().split('\n')) {
      if (line.indexOf('-') > 0 && line.indexOf('-') < line.indexOf(' ')) counting = line.endsWith(name);
      else if (counting && line.startsWith("Rss:")) total += line.mid(4).chopped(3).trimmed().toLongLong();
    }
  return total;
}

class StartTests : public QObject {
  Q_OBJECT

 private slots:
  void TheWindowShowsWithoutImageDecodersOrPlugins() {
    QProcess zorbit;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZORBIT_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
    zorbit.setProcessEnvironment(environment);
    zorbit.start(qEnvironmentVariable("ZORBIT_PROGRAM_DIR") + QStringLiteral("/Zorbit"), {});
    QVERIFY(zorbit.waitForStarted());
    // Once shown the program waits a second before it ends: long enough to look at what it loaded.
    QTRY_VERIFY_WITH_TIMEOUT(zorbit.canReadLine() || zorbit.state() == QProcess::NotRunning, 60000);
    QVERIFY2(zorbit.readLine().startsWith("shown_ns "), "no window shown");
    QFile maps(QStringLiteral("/proc/%1/maps").arg(zorbit.processId()));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray loaded = maps.readAll();
    // Qt SVG and Qt Print Support come with the program's modules, loaded when a graph is first
    // saved as SVG and when the user first prints; the one-writer guard's socket needs no Qt Network.
    for (const char* needless : {"/imageformats/", "/iconengines/", "libjpeg", "libQt6Svg", "zorbit_svg",
                                 "libQt6PrintSupport", "zorbit_print", "libQt6Network"})
      QVERIFY2(!loaded.contains(needless), needless);
#ifdef ZORBIT_STARTUP_ORDER
    // The start-up code lies together (app/startup_order.txt): the start reads under half of it.
    QVERIFY(ResidentKilobytesOf(zorbit.processId(), "/Zorbit") * 2048 < QFile(zorbit.program()).size());
#endif
    QVERIFY(zorbit.waitForFinished(60000));
    QCOMPARE(zorbit.exitCode(), 0);
    QVERIFY(zorbit.readAll().startsWith("resident_kb "));
  }
};

// The program started here opens its window on the offscreen platform, in the DejaVu fonts.
ZORBIT_WINDOW_TEST_MAIN(StartTests)
#include "tst_start.moc"
