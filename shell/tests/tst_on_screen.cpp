// SPDX-License-Identifier: MIT
// Every window opens inside the screen's available area; the main window scrolls where it cannot
// shrink. CMake runs these tests on laptop and desktop screens at 100 % and 200 %.
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>

#include "about/fquant.h"
#include "exercises/fprbls.h"
#include "filedlg/dftxs.h"
#include "form1_driver.h"
#include "platform/on_screen.h"
#include "shell/setup_keeper.h"

namespace {

QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

bool Inside(const QWidget& window) { return Available().contains(window.frameGeometry()); }

}  // namespace

class OnScreenTests : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { KeepWindowsOnScreen(*qApp); }

  void MainWindowFitsAndScrollsWhereItCannotShrink() {
    Form1Driver d;
    Form1& f = *d.form;
    QVERIFY2(Inside(f), qPrintable(QStringLiteral("%1x%2").arg(f.width()).arg(f.height())));
    auto* scroll = f.findChild<QScrollArea*>(QStringLiteral("ClientScroll"));
    QVERIFY(scroll != nullptr);
    const QSize needed = scroll->widget()->minimumSizeHint();
    QCOMPARE(scroll->verticalScrollBar()->maximum() > 0, needed.height() > scroll->viewport()->height());
    QCOMPARE(scroll->horizontalScrollBar()->maximum() > 0, needed.width() > scroll->viewport()->width());
    // The lowest control can be scrolled to.
    scroll->ensureWidgetVisible(f.Combined->OkCmb);
    QVERIFY(scroll->viewport()->rect().contains(
        QRect(f.Combined->OkCmb->mapTo(scroll->viewport(), QPoint()), f.Combined->OkCmb->size())));
  }

  // A place kept on a larger screen, or written by hand, still opens on this one.
  void AKeptPlaceOffTheScreenComesBackOnIt() {
    Form1Driver d;
    const QString file = d.folder.filePath(QStringLiteral("Zorbit.conf"));
    for (const QRect& place : {QRect(5000, 4000, 3000, 2000), QRect(-900, -700, 400, 300)}) {
      {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue(QStringLiteral("main/geometry"), place);
      }
      d.Open();
      new SetUpKeeper(*d.form, file);
      QVERIFY(Inside(*d.form));
    }
  }

  void DialogsOpenInsideTheScreen() {
    Form1Driver d;
    const Seams seams{&d.messages, &d.processes};
    DFtxs files(d.form.get(), seams);
    files.Open(FileDialogMode::Save, d.folder.path(), QStringLiteral("*.txt|*.*"));
    FPrbls problem(d.form.get(), seams);
    for (QWidget* dialog : {static_cast<QWidget*>(&files), static_cast<QWidget*>(&problem)}) {
      dialog->show();
      QVERIFY2(Inside(*dialog), qPrintable(dialog->objectName()));
      dialog->close();
    }
    QPointer<FQuant> about = ShowAbout(d.form.get());
    QVERIFY(Inside(*about));
    about->close();
  }
};

QTEST_MAIN(OnScreenTests)
#include "tst_on_screen.moc"
