// SPDX-License-Identifier: MIT
// Times what the secondary windows do with a lot to show, offscreen: the four graph windows
// drawn and painted at a large size, and the file dialog listing a folder of 10,000 files and
// choosing at its end. Each is one event handler, so its time is the time a window stands still;
// one frame at 60 Hz is 16.7 ms.
// Run: QT_QPA_PLATFORM=offscreen build-*/bench/zorbit_windows_bench
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "filedlg/dftxs.h"
#include "graphics/plane_box.h"
#include "platform/picture_box.h"
#include "platform/testing/recording_seams.h"
#include "shell/binary_panel.h"
#include "shell/entry_panel.h"
#include "shell/form1.h"

namespace {

void Measure(const char* name, int runs, const std::function<void()>& action,
             const std::function<void()>& between = {}) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    QElapsedTimer timer;
    timer.start();
    action();
    times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    if (between) between();
  }
  std::sort(times.begin(), times.end());
  std::printf("%-52s median %7.2f ms   best %7.2f ms   worst %7.2f ms\n", name, times[times.size() / 2],
              times.front(), times.back());
}

// The same, also on the thread's own processor time: on a machine shared with other work the
// wall-clock figures include the time the program waited for a processor.
void MeasureWithCpu(const char* name, int runs, const std::function<void()>& action) {
  std::vector<double> wall;
  std::vector<double> cpu;
  for (int run = 0; run < runs; ++run) {
    timespec start{};
    timespec end{};
    QElapsedTimer timer;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
    timer.start();
    action();
    wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
    cpu.push_back(static_cast<double>(end.tv_sec - start.tv_sec) * 1e3 +
                  static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e6);
  }
  for (auto* times : {&wall, &cpu}) std::sort(times->begin(), times->end());
  std::printf("%-52s median %7.2f ms   worst %7.2f ms   (processor time: median %.2f ms, worst %.2f ms)\n", name,
              wall[wall.size() / 2], wall.back(), cpu[cpu.size() / 2], cpu.back());
}

void Type(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  RecordingMessages messages;
  RecordingProcesses processes;
  // The graph windows' size goes to settings of its own, not the user's.
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

  {
    Form1 form(Seams{&messages, &processes});
    form.show();
    for (const char* text : {"3, 4", "1, -2"}) {
      form.Entry->EdN[0]->setText(QString::fromLatin1(text));
      QTest::keyClick(form.Entry->EdN[0], Qt::Key_Return);
    }
    form.Binary->OkOp2_Click();
    for (FGraf* window : form.Binary->GraphWindows) {
      window->resize(640, 480);
      window->show();
      if (!QTest::qWaitForWindowExposed(window)) return 1;
    }
    Measure("binary calculation, four windows of 640x480 open", 40, [&form] {
      form.Binary->OkOp2_Click();
      for (FGraf* window : form.Binary->GraphWindows) window->PBox->repaint();
    });
    Measure("four graph windows of 640x480 drawn and painted", 40, [&form] {
      for (int k = 0; k < 4; ++k) {
        form.Binary->AccioGrf(QString::number(k));
        form.Binary->GraphWindows[static_cast<std::size_t>(k)]->PBox->repaint();
      }
    });

    // Z1 dragged around a circle in the sum's window, free (Shift) so that every move changes
    // the operand: each move recalculates the table, draws all four windows and paints them.
    for (FGraf* window : form.Binary->GraphWindows) window->resize(400, 300);
    auto* box = static_cast<PlaneBox*>(form.Binary->GraphWindows[0]->PBox);
    const QPointF tip = box->PixelAt({3, 4});
    QTest::mousePress(box, Qt::LeftButton, {}, tip.toPoint());
    QCoreApplication::processEvents();  // what the press itself repaints (focus, cursor) is not a move's
    int move = 0;
    MeasureWithCpu("Z1 dragged, four graph windows of 400x300 open", 1000, [&] {
      const double a = ++move * 0.05;
      const QPointF at = tip + QPointF(30 * std::cos(a) - 30, 30 * std::sin(a));
      QMouseEvent event(QEvent::MouseMove, at, box->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
      QApplication::sendEvent(box, &event);
      QCoreApplication::processEvents();  // the windows painted again, as the screen shows them
    });
    QTest::keyClick(box, Qt::Key_Escape);
  }

  QTemporaryDir folder;
  const QString big = folder.filePath(QStringLiteral("big"));
  QDir().mkpath(big);
  for (int i = 0; i < 10000; ++i) {
    QFile file(QStringLiteral("%1/sheet%2.txt").arg(big).arg(i, 5, 10, QLatin1Char('0')));
    if (!file.open(QIODevice::WriteOnly)) return 1;
  }
  DFtxs dialog(nullptr, Seams{&messages, &processes});
  dialog.Open(FileDialogMode::Open, folder.path(), QStringLiteral("*.txt"));
  dialog.show();
  if (!QTest::qWaitForWindowExposed(&dialog)) return 1;
  Measure("file dialog: a folder of 10,000 files listed", 5, [&] { Type(dialog.IdNom, big); },
          [&] { QTest::mouseClick(dialog.BtRere, Qt::LeftButton); });
  Type(dialog.IdNom, big);
  Measure("file dialog: a file at the end of 10,000 chosen", 5, [&] {
    QListWidgetItem* item = dialog.LFtxs->item(dialog.LFtxs->count() - 1);
    dialog.LFtxs->scrollToItem(item);
    QTest::mouseClick(dialog.LFtxs->viewport(), Qt::LeftButton, {}, dialog.LFtxs->visualItemRect(item).center());
  });
  return 0;
}
