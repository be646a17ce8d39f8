// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

// The build prints the manual into the program folder; Info ▸ Info opens it there.
class ManualTests : public QObject {
  Q_OBJECT

 private slots:
  void ManualIsAWellFormedPdfInTheProgramFolder() {
    QFile pdf(QDir(qEnvironmentVariable("ZORBIT_PROGRAM_DIR")).filePath(QStringLiteral("Zorbit.pdf")));
    QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(pdf.fileName()));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-1."));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    QVERIFY(bytes.contains("startxref"));
    // More than a blank page, and small enough to stay a short manual.
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    QVERIFY(QString::fromLatin1(bytes).count(page) >= 1);
    QVERIFY(bytes.size() > 5000);
    QVERIFY(bytes.size() < 2'000'000);
  }
};

QTEST_GUILESS_MAIN(ManualTests)
#include "tst_manual.moc"
