// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "platform/testing/complex_values.h"
#include "platform/testing/file_bytes.h"
#include "platform/testing/recording_seams.h"
#include "session/session_file.h"
#include "session/session_keeper.h"

Q_DECLARE_METATYPE(std::vector<Cplx>)
Q_DECLARE_METATYPE(SessionFault)

namespace {

// Finite doubles of every size and sign, drawn as raw bit patterns.
std::vector<Cplx> RandomBits(int count, unsigned seed) {
  std::mt19937_64 engine(seed);
  auto draw = [&] {
    for (;;) {
      const double x = std::bit_cast<double>(engine());
      if (std::isfinite(x)) return x;
    }
  };
  std::vector<Cplx> complexes;
  for (int k = 0; k < count; ++k) complexes.push_back(Cplx{draw(), draw(), draw(), draw()});
  return complexes;
}

QString InDir(const QTemporaryDir& dir, const char* name) { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }

QByteArray OneComplex(const char* fields) {
  return QByteArray(R"({"Format": "Zorbit session", "Version": 1, "Complexes": [)") + fields + "]}";
}

}  // namespace

class TestSession : public QObject {
  Q_OBJECT

 private slots:
  void RoundTripsBitForBit_data() {
    QTest::addColumn<std::vector<Cplx>>("complexes");
    const double tiny = std::numeric_limits<double>::denorm_min();
    const double huge = std::numeric_limits<double>::max();
    Cplx minusZero{-0.0, -0.0, 0.0, -0.0};
    QTest::newRow("empty store") << std::vector<Cplx>{};
    QTest::newRow("3+4i") << std::vector<Cplx>{MakeCplx(3, 4)};
    QTest::newRow("unreduced arguments")
        << std::vector<Cplx>{MakePolarCplx(2, 400), MakePolarCplx(1, -340), MakePolarCplx(3, 520.25)};
    QTest::newRow("minus zero") << std::vector<Cplx>{minusZero, MakeCplx(-0.0, 1)};
    QTest::newRow("denormals") << std::vector<Cplx>{Cplx{tiny, -tiny, 3 * tiny, 2.2250738585072009e-308}};
    QTest::newRow("huge") << std::vector<Cplx>{Cplx{huge, -huge, huge, 1e300}, Cplx{1e22, 1e23, 9007199254740993.0, -1e-300}};
    QTest::newRow("thirds and tenths") << std::vector<Cplx>{MakeCplx(0.1 + 0.2, 1.0 / 3), MakeCplx(-2.0 / 3, 1e-7)};
    QTest::newRow("26 complexes") << RandomBits(26, 1);
    QTest::newRow("26 more") << RandomBits(26, 2);
  }

  void RoundTripsBitForBit() {
    QFETCH(std::vector<Cplx>, complexes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString error;
    QVERIFY2(SaveSession(complexes, dir.path(), &error), qPrintable(error));
    const SessionLoad load = LoadSession(dir.path());
    QCOMPARE(load.Status, SessionStatus::Restored);
    QCOMPARE(load.Fault, SessionFault::None);
    QVERIFY(SameBits(load.Complexes, complexes));
  }

  void WritesReadableJson() {
    const QByteArray bytes = SessionBytes({MakeCplx(3, 4), Cplx{-0.0, 0.5, 2, 400}});
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    QCOMPARE(root.value("Format").toString(), QStringLiteral("Zorbit session"));
    QCOMPARE(root.value("Version").toInt(), 1);
    const QJsonArray items = root.value("Complexes").toArray();
    QCOMPARE(items.size(), 2);
    const QJsonObject a = items[0].toObject();
    QCOMPARE(a.value("Name").toString(), QStringLiteral("a"));
    QCOMPARE(a.value("Re").toString(), QStringLiteral("3"));
    QCOMPARE(a.value("Mod").toString(), QStringLiteral("5"));
    const QJsonObject b = items[1].toObject();
    QCOMPARE(b.value("Name").toString(), QStringLiteral("b"));
    QCOMPARE(b.value("Re").toString(), QStringLiteral("-0"));
    QCOMPARE(b.value("Im").toString(), QStringLiteral("0.5"));
    QCOMPARE(b.value("Arg").toString(), QStringLiteral("400"));
  }

  void NoFileGivesAnEmptyStoreSilently() {
    QTemporaryDir dir;
    RecordingMessages messages;
    SessionKeeper keeper(dir.path(), messages);
    QVERIFY(keeper.Restore().empty());
    QVERIFY(messages.Shown.isEmpty());
    QVERIFY(!QFile::exists(InDir(dir, SessionBadName)));
  }

  void KeeperRestoresWhatItSaved() {
    QTemporaryDir dir;
    RecordingMessages messages;
    const std::vector<Cplx> complexes = {MakePolarCplx(2, 400), MakeCplx(-1, 0)};
    QVERIFY(SessionKeeper(dir.path(), messages).Save(complexes));
    SessionKeeper nextRun(dir.path(), messages);
    QVERIFY(SameBits(nextRun.Restore(), complexes));
    QVERIFY(SessionKeeper(dir.path(), messages).Save({}));  // after rst
    QVERIFY(SessionKeeper(dir.path(), messages).Restore().empty());
    QVERIFY(messages.Shown.isEmpty());
  }

  void DamagedFileIsSetAside_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<SessionFault>("fault");
    const QByteArray good = R"({"Re": "3", "Im": "4", "Mod": "5", "Arg": "53.1"})";
    QByteArray many;
    for (int k = 0; k < 27; ++k) many += (k ? "," : "") + good;

    QTest::newRow("empty file") << QByteArray() << SessionFault::BadJson;
    QTest::newRow("cut short") << OneComplex(good).left(60) << SessionFault::BadJson;
    QTest::newRow("not JSON") << QByteArray("a 3+4i\r\n") << SessionFault::BadJson;
    QTest::newRow("an array") << QByteArray("[1, 2]") << SessionFault::Foreign;
    QTest::newRow("no format") << QByteArray(R"({"Version": 1, "Complexes": []})") << SessionFault::Foreign;
    QTest::newRow("another program")
        << QByteArray(R"({"Format": "Zorbit tools", "Version": 1, "Complexes": []})") << SessionFault::Foreign;
    QTest::newRow("version 2")
        << QByteArray(R"({"Format": "Zorbit session", "Version": 2, "Complexes": []})") << SessionFault::WrongVersion;
    QTest::newRow("version as text")
        << QByteArray(R"({"Format": "Zorbit session", "Version": "1", "Complexes": []})") << SessionFault::WrongVersion;
    QTest::newRow("no version") << QByteArray(R"({"Format": "Zorbit session", "Complexes": []})")
                                << SessionFault::WrongVersion;
    QTest::newRow("no complexes") << QByteArray(R"({"Format": "Zorbit session", "Version": 1})")
                                  << SessionFault::MissingField;
    QTest::newRow("27 complexes") << OneComplex(many) << SessionFault::TooMany;
    QTest::newRow("no argument") << OneComplex(R"({"Re": "3", "Im": "4", "Mod": "5"})") << SessionFault::MissingField;
    QTest::newRow("number not text") << OneComplex(R"({"Re": 3, "Im": "4", "Mod": "5", "Arg": "0"})")
                                     << SessionFault::MissingField;
    QTest::newRow("complex not object") << OneComplex(R"("3+4i")") << SessionFault::MissingField;
    QTest::newRow("infinite") << OneComplex(R"({"Re": "inf", "Im": "4", "Mod": "5", "Arg": "0"})")
                              << SessionFault::BadNumber;
    QTest::newRow("not a number") << OneComplex(R"({"Re": "3", "Im": "nan", "Mod": "5", "Arg": "0"})")
                                  << SessionFault::BadNumber;
    QTest::newRow("overflowing") << OneComplex(R"({"Re": "3", "Im": "4", "Mod": "1e999", "Arg": "0"})")
                                 << SessionFault::BadNumber;
    QTest::newRow("trailing junk") << OneComplex(R"({"Re": "3", "Im": "4", "Mod": "5", "Arg": "53.1x"})")
                                   << SessionFault::BadNumber;
    QTest::newRow("empty number") << OneComplex(R"({"Re": "", "Im": "4", "Mod": "5", "Arg": "0"})")
                                  << SessionFault::BadNumber;
    QByteArray lastBad;
    for (int k = 0; k < 25; ++k) lastBad += good + ",";
    lastBad += R"({"Re": "3", "Im": "4", "Mod": "5", "Arg": "53,1"})";
    QTest::newRow("bad in the 26th") << OneComplex(lastBad) << SessionFault::BadNumber;
  }

  void DamagedFileIsSetAside() {
    QFETCH(QByteArray, bytes);
    QFETCH(SessionFault, fault);
    QTemporaryDir dir;
    WriteAll(InDir(dir, SessionFileName), bytes);
    WriteAll(InDir(dir, SessionBadName), "an older bad file");

    const SessionLoad load = LoadSession(dir.path());
    QCOMPARE(load.Fault, fault);
    QCOMPARE(load.Status, SessionStatus::SetAside);
    QVERIFY(load.Complexes.empty());
    QVERIFY(!QFile::exists(InDir(dir, SessionFileName)));
    QCOMPARE(ReadAll(InDir(dir, SessionBadName)), bytes);  // nothing lost: the file as it was
  }

  void KeeperTellsThatTheFileWasSetAside() {
    QTemporaryDir dir;
    WriteAll(InDir(dir, SessionFileName), "{\"Format\": \"Zorbit session\", \"Version\": 1, \"Compl");
    RecordingMessages messages;
    SessionKeeper keeper(dir.path(), messages);
    QVERIFY(keeper.Restore().empty());
    QCOMPARE(messages.Shown.size(), 1);
    QCOMPARE(messages.LastText(), SessionSetAsideText());
    QVERIFY(QFile::exists(InDir(dir, SessionBadName)));
    // The next change starts a good file again.
    QVERIFY(keeper.Save({MakeCplx(1, 1)}));
    QCOMPARE(LoadSession(dir.path()).Complexes.size(), std::size_t(1));
    QCOMPARE(messages.Shown.size(), 1);
  }

  void FileThatCannotBeSetAsideIsLeftAlone() {
    QTemporaryDir dir;
    const QByteArray damaged = "not a session";
    WriteAll(InDir(dir, SessionFileName), damaged);
    // A folder named Session.bad, with something in it, cannot be replaced by the file.
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Session.bad/inside")));
    RecordingMessages messages;
    SessionKeeper keeper(dir.path(), messages);
    QVERIFY(keeper.Restore().empty());
    QCOMPARE(messages.LastText(), SessionStuckText());
    QVERIFY(!keeper.Save({MakeCplx(1, 1)}));  // writing would destroy it
    QCOMPARE(ReadAll(InDir(dir, SessionFileName)), damaged);
    QCOMPARE(messages.Shown.size(), 1);
  }

  void FailedWriteIsToldOnce() {
    QTemporaryDir dir;
    // The work folder is a regular file, so nothing can be written in it, not even by root.
    const QString folder = InDir(dir, "work");
    WriteAll(folder, "a file, not a folder");
    RecordingMessages messages;
    SessionKeeper keeper(folder, messages);
    const std::vector<Cplx> one = {MakeCplx(3, 4)};

    QVERIFY(!keeper.Save(one));
    QVERIFY(!keeper.Save(one));
    QVERIFY(!keeper.Save({}));
    QCOMPARE(messages.Shown.size(), 1);
    QVERIFY(messages.LastText().startsWith(QStringLiteral("The complexes could not be saved in Session.json (")));
    QCOMPARE(messages.LastTitle(), SessionMessageTitle());

    // The folder comes back: the write succeeds, and the next failure is told again.
    QVERIFY(QFile::remove(folder));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(keeper.Save(one));
    QVERIFY(keeper.Save(one));
    QCOMPARE(messages.Shown.size(), 1);
    QVERIFY(QDir(folder).removeRecursively());
    WriteAll(folder, "a file again");
    QVERIFY(!keeper.Save(one));
    QVERIFY(!keeper.Save(one));
    QCOMPARE(messages.Shown.size(), 2);
  }

  void FailedWriteKeepsThePreviousFile() {
    QTemporaryDir dir;
    const std::vector<Cplx> before = {MakePolarCplx(2, 400)};
    QVERIFY(SaveSession(before, dir.path()));
    const QByteArray bytes = ReadAll(InDir(dir, SessionFileName));
    // More complexes than letters: refused before anything is written.
    QString error;
    QVERIFY(!SaveSession(RandomBits(27, 3), dir.path(), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(ReadAll(InDir(dir, SessionFileName)), bytes);
    QVERIFY(SameBits(LoadSession(dir.path()).Complexes, before));
  }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
