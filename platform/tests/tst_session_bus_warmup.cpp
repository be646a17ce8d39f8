// SPDX-License-Identifier: MIT
// Connecting to the session bus ahead of the application, on a bus of the test's own: made for the
// desktop's window systems only, found by the application when it asks, and leaving the
// application's thread Qt's main thread.
#include <QApplication>
#include <QDBusConnection>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <csignal>
#include <cstdio>

#include "platform/session_bus_warmup.h"

namespace {

// The whole output of a command line run by the shell; empty when it could not run.
QByteArray Output(const QByteArray& command) {
  QByteArray output;
  if (FILE* pipe = popen(command.constData(), "r")) {
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) output.append(chunk, static_cast<qsizetype>(n));
    pclose(pipe);
  }
  return output;
}

// A session bus of the test's own, with no services to start, in `folder`.
struct PrivateBus {
  explicit PrivateBus(const QString& folder) {
    // Written without a QFile: no object of Qt's is made before the connector's thread starts.
    const QByteArray config = folder.toLocal8Bit() + "/bus.conf";
    FILE* file = std::fopen(config.constData(), "w");
    if (file == nullptr) return;
    std::fprintf(file,
                 "<busconfig><type>session</type><listen>unix:tmpdir=%s</listen><auth>EXTERNAL</auth>"
                 "<policy context=\"default\"><allow send_destination=\"*\"/><allow receive_sender=\"*\"/>"
                 "<allow own=\"*\"/></policy></busconfig>",
                 folder.toLocal8Bit().constData());
    std::fclose(file);
    const QList<QByteArray> lines =
        Output("dbus-daemon --fork --print-address=1 --print-pid=1 --config-file=" + config)
            .split('\n');
    Address = QString::fromLocal8Bit(lines.value(0));
    Pid = lines.value(1).toInt();
  }
  ~PrivateBus() {
    if (Pid > 0) kill(Pid, SIGTERM);
  }

  QString Address;
  int Pid = 0;
};

// The unique names of the connections on the bus at `address`, but for that of the asker.
QStringList Connections(const QString& address) {
  const QByteArray reply = Output("dbus-send --bus='" + address.toLocal8Bit() +
                                  "' --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus "
                                  "org.freedesktop.DBus.ListNames");
  QStringList names;
  for (const QRegularExpressionMatch& name : QRegularExpression(QStringLiteral("\"(:1\\.\\d+)\"")).globalMatch(QString::fromLatin1(reply)))
    names << name.captured(1);
  // The asker's name comes last: the bus numbers connections in turn.
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return a.mid(3).toInt() < b.mid(3).toInt(); });
  if (!names.isEmpty()) names.removeLast();
  return names;
}

QStringList Warnings;

void KeepWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtDebugMsg && type != QtInfoMsg) Warnings << message;
}

}  // namespace

class SessionBusWarmUpTests : public QObject {
  Q_OBJECT

 public:
  QStringList OffscreenMade, DesktopMade;

 private slots:
  void TheConnectionIsMadeAheadForTheDesktopOnly() {
    QCOMPARE(OffscreenMade, QStringList());
    QCOMPARE(DesktopMade.size(), 1);
    // The application's own request finds the connection made ahead.
    QCOMPARE(QDBusConnection::sessionBus().baseService(), DesktopMade.value(0));
  }

  void TheApplicationKeepsTheMainThread() { QVERIFY2(Warnings.isEmpty(), qPrintable(Warnings.join(u'\n'))); }
};

// The connections are asked for before the application is made, as the program's start does, and
// before any object of Qt's.
int main(int argc, char* argv[]) {
  if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
    std::fprintf(stderr, "SKIP: dbus-daemon is not installed (Debian: dbus-daemon)\n");
    return 77;
  }
  QTemporaryDir folder;
  PrivateBus bus(folder.path());
  if (bus.Address.isEmpty()) return 1;
  qputenv("DBUS_SESSION_BUS_ADDRESS", bus.Address.toLocal8Bit());
  // Every warning the application gives counts: none for a missing runtime folder.
  qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit());
  {
    SessionBusWarmUp offscreen(QStringLiteral("offscreen"));
  }
  const QStringList offscreenMade = Connections(bus.Address);
  qInstallMessageHandler(KeepWarning);
  SessionBusWarmUp desktop{QString()};
  QApplication app(argc, argv);
  desktop.Wait();
  qInstallMessageHandler(nullptr);
  SessionBusWarmUpTests tests;
  tests.OffscreenMade = offscreenMade;
  tests.DesktopMade = Connections(bus.Address);
  return QTest::qExec(&tests, argc, argv);
}

#include "tst_session_bus_warmup.moc"
