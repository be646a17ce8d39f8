// SPDX-License-Identifier: MIT
// On a session bus of its own (dbus-run-session): the connection asked for before the application
// is made is the one the application finds, and the application keeps Qt's main thread.
#include <QApplication>
#include <QDBusConnectionInterface>
#include <QtTest>

#include "platform/session_bus_warmup.h"

static QStringList ThreadWarnings;

class SessionBusWarmUpTests : public QObject {
  Q_OBJECT

 private slots:
  void TheApplicationFindsTheConnectionMadeAhead() {
    // A connection of the test's own finds two on the bus: itself and the one made ahead.
    const auto probe = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("probe"));
    const QStringList names = probe.interface()->registeredServiceNames();
    QCOMPARE(names.filter(QRegularExpression(QStringLiteral("^:"))).size(), 2);
    QVERIFY(names.contains(QDBusConnection::sessionBus().baseService()));
    QCOMPARE(ThreadWarnings, QStringList());
  }
};

int main(int argc, char* argv[]) {
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
    if (text.contains(QLatin1String("thread"))) ThreadWarnings << text;
  });
  SessionBusWarmUp desktop{QString()};  // before any object of Qt's, as at the program's start
  QApplication app(argc, argv);
  desktop.Wait();
  SessionBusWarmUpTests tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "tst_session_bus_warmup.moc"
