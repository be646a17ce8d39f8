// SPDX-License-Identifier: MIT
// Run against an installed tree: ZORBIT_PROGRAM_DIR=<prefix>/bin, XDG_DATA_HOME=<a fresh folder>.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtTest>

#include "graphics/save_graph.h"
#include "platform/processes.h"
#include "platform/modules.h"
#include "platform/program_folder.h"
#include "platform/surface.h"
#include "platform/twips.h"
#include "tools/tools_file.h"

class InstalledTreeTests : public QObject {
  Q_OBJECT

  QString prefix_;
  QString dataHome_;

  bool InPrefix(const QString& path) const {
    return QFileInfo(path).absoluteFilePath().startsWith(prefix_ + QLatin1Char('/'));
  }

 private slots:
  void initTestCase() {
    QCoreApplication::setApplicationName(QStringLiteral("Zorbit"));
    const QString program = qEnvironmentVariable("ZORBIT_PROGRAM_DIR");
    dataHome_ = qEnvironmentVariable("XDG_DATA_HOME");
    QVERIFY2(!program.isEmpty() && !dataHome_.isEmpty(), "set ZORBIT_PROGRAM_DIR and XDG_DATA_HOME");
    prefix_ = QFileInfo(program + QStringLiteral("/..")).canonicalFilePath();
    QVERIFY(QFileInfo(program + QStringLiteral("/Zorbit")).isExecutable());
  }

  void TheProgramKnowsItIsInstalled() { QCOMPARE(CurrentLayout(), ProgramLayout::Installed); }

  void CompanionsManualAndPagesAreWhereTheProgramLooks() {
    for (const char* name : {"Kovel", "Trasko"}) {
      const QString path = CompanionPath(QString::fromUtf8(name));
      QVERIFY2(QFileInfo(path).isExecutable() && InPrefix(path), qPrintable(path));
      QVERIFY2(!QFileInfo::exists(QDir(ExecutableFolder()).filePath(QString::fromUtf8(name))), name);
    }
    // The SVG writer and printing are modules that lie with them.
    QVERIFY(ModuleFunction("zorbit_svg", "ZorbitSvgDevice") != nullptr);
    QVERIFY(ModuleFunction("zorbit_print", "ZorbitPrintPages") != nullptr);
    QFile manual(ManualPath());
    QVERIFY2(InPrefix(manual.fileName()), qPrintable(manual.fileName()));
    QVERIFY2(manual.open(QIODevice::ReadOnly), qPrintable(manual.fileName()));
    QCOMPARE(manual.read(5), QByteArray("%PDF-"));
    QFile pages(QDir(PagesFolder()).filePath(QStringLiteral("manual.html")));
    QVERIFY2(InPrefix(pages.fileName()) && pages.open(QIODevice::ReadOnly), qPrintable(pages.fileName()));
    QVERIFY(pages.readAll().contains("Zorbit"));
  }

  void WorkGoesToTheUsersDataFolder() {
    const QString work = EnterWorkFolder();
    QCOMPARE(work, QDir(dataHome_).filePath(QStringLiteral("Zorbit")));
    QVERIFY(!InPrefix(QDir::currentPath()));

    QVERIFY(SaveTools());
    QVERIFY(QFileInfo::exists(QDir(work).filePath(QStringLiteral("Tools.rel"))));

    // A graph saved as JPEG goes through the installed converter into the user's Graphs folder.
    Surface surface(PixelsToTwips(120), PixelsToTwips(90));
    surface.SetForeColor(Qt::blue);
    surface.Line(0, 0, PixelsToTwips(119), PixelsToTwips(89));
    GraphSaveContext context;
    context.ProgramFolder = work;
    QCOMPARE(GuardaGrf(QStringLiteral("(1+i)+(2)"), surface, false, context), SaveOutcome::Saved);
    const QString jpeg = QDir(work).filePath(QStringLiteral("Graphs/(1+i)+(2).jpg"));
    QCOMPARE(QImage(jpeg).size(), QSize(120, 90));
    QVERIFY(!QFileInfo::exists(QDir(work).filePath(QStringLiteral("Graphs/(1+i)+(2).bmp"))));
  }
};

QTEST_MAIN(InstalledTreeTests)
#include "tst_installed_tree.moc"
