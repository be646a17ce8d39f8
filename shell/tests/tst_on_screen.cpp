// SPDX-License-Identifier: MIT
// Every window opens inside the screen's available area; the main window scrolls where it cannot
// shrink. CMake runs these tests on laptop and desktop screens at 100 % and 200 %.
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "about/fquant.h"
#include "exercises/fprbls.h"
#include "filedlg/dftxs.h"
#include "form1_driver.h"
#include "platform/on_screen.h"
#include "platform/testing/environment.h"

class OnScreenTests : public QObject {
  Q_OBJECT

 private slots:
  void EveryWindowOpensInsideTheScreen() {
    KeepWindowsOnScreen(*qApp);
    Form1Driver d;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(area.contains(d.form->frameGeometry()));
    auto* scroll = d.form->findChild<QScrollArea*>(QStringLiteral("ClientScroll"));
    const QSize needed = scroll->widget()->minimumSizeHint();
    QCOMPARE(scroll->verticalScrollBar()->maximum() > 0, needed.height() > scroll->viewport()->height());
    QCOMPARE(scroll->horizontalScrollBar()->maximum() > 0, needed.width() > scroll->viewport()->width());

    DFtxs files(d.form.get(), Seams{&d.messages, &d.processes});
    files.Open(FileDialogMode::Save, d.folder.path(), QStringLiteral("*.txt|*.*"));
    FPrbls problem(d.form.get(), Seams{&d.messages, &d.processes});
    for (QWidget* dialog : {static_cast<QWidget*>(&files), static_cast<QWidget*>(&problem),
                            static_cast<QWidget*>(ShowAbout(d.form.get()))}) {
      dialog->show();
      QVERIFY2(area.contains(dialog->frameGeometry()), qPrintable(dialog->objectName()));
    }
  }
};

ZORBIT_WINDOW_TEST_MAIN(OnScreenTests)
#include "tst_on_screen.moc"
