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

  void OnlyTheDesktopPlatformsBridge_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("bridges");
    QTest::newRow("Qt's default") << QString() << true;
    QTest::newRow("X11 with an option") << QStringLiteral("xcb:nograb") << true;
    QTest::newRow("Wayland, X11 as fallback") << QStringLiteral("wayland-egl;xcb") << true;
    QTest::newRow("offscreen") << QStringLiteral("offscreen") << false;
    QTest::newRow("minimal, X11 as fallback") << QStringLiteral("minimal;xcb") << false;
  }
  void OnlyTheDesktopPlatformsBridge() {
    QFETCH(QString, platform);
    QTEST(SessionBusWarmUp::Bridges(platform), "bridges");
  }

  void ThePlatformComesFromTheCommandLineElseTheEnvironment_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform");
    const QString environment = qEnvironmentVariable("QT_QPA_PLATFORM");
    QTest::newRow("-platform") << QStringList{"-platform", "xcb"} << QStringLiteral("xcb");
    QTest::newRow("--platform after another") << QStringList{"-style", "fusion", "--platform", "wayland"}
                                              << QStringLiteral("wayland");
    QTest::newRow("none named") << QStringList{"-style", "fusion"} << environment;
    QTest::newRow("-platform with no value") << QStringList{"-platform"} << environment;
  }
  void ThePlatformComesFromTheCommandLineElseTheEnvironment() {
    QFETCH(QStringList, arguments);
    std::vector<QByteArray> kept{"Zorbit"};
    for (const QString& argument : arguments) kept.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& argument : kept) argv.push_back(argument.data());
    QTEST(SessionBusWarmUp::PlatformOf(int(argv.size()), argv.data()), "platform");
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
