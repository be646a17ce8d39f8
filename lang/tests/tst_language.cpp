// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "lang/language.h"
#include "platform/testing/file_bytes.h"

class LanguageTests : public QObject {
  Q_OBJECT

  // A fresh folder holding "Lng.txt" with these bytes (no file when `content` is null).
  static QString FolderWith(QTemporaryDir& dir, const char* content) {
    if (content != nullptr) WriteAll(dir.filePath(QStringLiteral("Lng.txt")), content);
    return dir.path();
  }

  static const QStringList& NoWord() {
    static const QStringList arguments{QStringLiteral("Zorbit")};
    return arguments;
  }

 private slots:
  void init() { lang = Language(); }

  void TheCommandLineWordDecidesAsAWhole_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("language");
    QTest::newRow("cat") << QStringList{"Zorbit", "cat"} << 1;
    QTest::newRow("CAT") << QStringList{"Zorbit", "CAT"} << 1;
    QTest::newRow("Esp") << QStringList{"Zorbit", "Esp"} << 2;
    QTest::newRow("two words") << QStringList{"Zorbit", "cat", "x"} << 0;
    QTest::newRow("engl") << QStringList{"Zorbit", "engl"} << 0;
    QTest::newRow("fr") << QStringList{"Zorbit", "fr"} << 0;
  }
  void TheCommandLineWordDecidesAsAWhole() {
    QFETCH(QStringList, arguments);
    QFETCH(int, language);
    // A word on the command line is never overruled by the file, even one that says otherwise.
    QTemporaryDir dir;
    lang.SetIndex(static_cast<std::int16_t>(2));
    lang.Settle(arguments, FolderWith(dir, "esp\n"));
    QCOMPARE(int(lang.Index()), language);
    QVERIFY(!lang.NotGiven());
  }

  void TheFirstItemOfTheFileDecides_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("language");
    QTest::newRow("esp") << QByteArray("esp\n") << 2;
    QTest::newRow("comma and more") << QByteArray("esp,cat\nother line\n") << 2;
    QTest::newRow("quoted, blanks first") << QByteArray("   \"Cat\", 3\n") << 1;
    QTest::newRow("blanks after the word") << QByteArray("esp   , x\n") << 2;
    QTest::newRow("CR LF, byte order mark") << QByteArray("\xEF\xBB\xBF" "cat\r\n") << 1;
    QTest::newRow("no line end") << QByteArray("ESP") << 2;
    QTest::newRow("fr") << QByteArray("fr\n") << 0;
    QTest::newRow("second line ignored") << QByteArray("engl\nesp\n") << 0;
  }
  void TheFirstItemOfTheFileDecides() {
    QFETCH(QByteArray, content);
    QFETCH(int, language);
    QTemporaryDir dir;
    lang.SetIndex(static_cast<std::int16_t>(language == 0 ? 1 : 0));  // so that every outcome is a change
    lang.Settle(NoWord(), FolderWith(dir, content.constData()));
    QCOMPARE(int(lang.Index()), language);
    QVERIFY(!lang.NotGiven());
  }

  void AFileWithoutAWordGivesEnglishAtOnce_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("empty first line") << QByteArray("\nesp\n");
    QTest::newRow("empty first item") << QByteArray(",esp\n");
    QTest::newRow("empty quotes") << QByteArray("\"\",esp\n");
    QTest::newRow("blanks only") << QByteArray("   \n");
  }
  void AFileWithoutAWordGivesEnglishAtOnce() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    lang.SetIndex(static_cast<std::int16_t>(2));
    lang.Settle(NoWord(), FolderWith(dir, content.constData()));
    QCOMPARE(int(lang.Index()), 0);
    QVERIFY(!lang.NotGiven());
  }

  void AnUnreadableFileGivesEnglish() {
    QTemporaryDir dir;
    // A folder named like the file cannot be read as one.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Lng.txt")));
    lang.SetIndex(static_cast<std::int16_t>(1));
    lang.Settle(NoWord(), dir.path());
    QCOMPARE(int(lang.Index()), 0);

    QTemporaryDir locked;
    FolderWith(locked, "esp\n");
    QFile::setPermissions(locked.filePath(QStringLiteral("Lng.txt")), QFileDevice::Permissions());
    if (QFile(locked.filePath(QStringLiteral("Lng.txt"))).open(QIODevice::ReadOnly))
      QSKIP("running with rights that read any file");
    lang.SetIndex(static_cast<std::int16_t>(2));
    lang.Settle(NoWord(), locked.path());
    QCOMPARE(int(lang.Index()), 0);
  }

  void NoWordAndNoFileKeepTheLanguage() {
    QTemporaryDir dir;
    lang.SetIndex(static_cast<std::int16_t>(2));
    lang.Settle(NoWord(), FolderWith(dir, nullptr));
    QCOMPARE(int(lang.Index()), 2);
    QVERIFY(lang.NotGiven());
    // The next settling with a word clears the flag again.
    lang.Settle({"Zorbit", "cat"}, dir.path());
    QCOMPARE(int(lang.Index()), 1);
    QVERIFY(!lang.NotGiven());
  }

  void TheFileIsLookedForInTheCurrentFolder() {
    QTemporaryDir dir;
    FolderWith(dir, "cat\n");
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    lang.Settle(NoWord());
    QDir::setCurrent(before);
    QCOMPARE(int(lang.Index()), 1);
  }

  void TablesHoldTheThreeLanguages() {
    // The dialog's titles sit at mode + 3 * language; the third mode is empty.
    QCOMPARE(DialogTitle(0, 0), QStringLiteral("Open"));
    QCOMPARE(DialogTitle(1, 2), QStringLiteral("Guardar"));
    QCOMPARE(DialogTitle(0, 1), QStringLiteral("Obrir"));
    QCOMPARE(DialogTitle(2, 1), QString());
    lang.SetIndex(static_cast<std::int16_t>(2));
    QCOMPARE(lang.DialogTitle(0), QStringLiteral("Abrir"));
    QCOMPARE(lang.Text(DialogTexts::EtNom), QStringLiteral("Nombre"));
    // Letters outside ASCII arrive whole.
    QCOMPARE(InLang(DialogTexts::BtFuig, 1), QString::fromUtf8("Cancel\xC2\xB7la"));
    QCOMPARE(InLang(ToolsTexts::Et[3], 2), QString::fromUtf8("Par\xC3\xA1metros"));
    QCOMPARE(InLang(ToolsTexts::ConfirmTitle, 1), QString::fromUtf8("Confirmar eliminaci\xC3\xB3"));
    QCOMPARE(InLang(ToolsTexts::Caption, 1).size(), 12);  // "Edició eines": ó is one letter
  }

 private:
  Language lang;
};

QTEST_GUILESS_MAIN(LanguageTests)
#include "tst_language.moc"
