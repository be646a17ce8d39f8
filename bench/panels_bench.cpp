// SPDX-License-Identifier: MIT
// Times each calculate action of the main window as the user triggers it, offscreen, including
// the repaint of what it changed: the binary operations with their four graph windows, the
// power, the ninth roots, and a combined formula. One frame at 60 Hz is 16.7 ms.
// Run: QT_QPA_PLATFORM=offscreen build-*/bench/zorbit_panels_bench
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "platform/picture_box.h"
#include "platform/program_folder.h"
#include "platform/testing/recording_seams.h"
#include "shell/binary_panel.h"
#include "shell/combined_panel.h"
#include "shell/entry_panel.h"
#include "shell/form1.h"
#include "shell/graph_panel.h"
#include "shell/power_panel.h"
#include "shell/roots_panel.h"
#include "shell/store_panel.h"

namespace {

void Measure(const char* name, const std::function<void()>& action) {
  std::vector<double> runs;
  for (int run = 0; run < 60; ++run) {
    QElapsedTimer timer;
    timer.start();
    action();
    runs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  std::sort(runs.begin(), runs.end());
  std::printf("%-44s median %6.2f ms   worst %6.2f ms\n", name, runs[runs.size() / 2], runs.back());
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // A store of its own: no session of an earlier run, none left behind.
  QTemporaryDir work;
  SetWorkFolder(work.path());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work.path());
  RecordingMessages messages;
  RecordingProcesses processes;
  Form1 form(Seams{&messages, &processes});
  form.show();
  for (const char* text : {"3, 4", "1, -2", "-8, 0"}) {
    form.Entry->EdN[0]->setText(QString::fromLatin1(text));
    QTest::keyClick(form.Entry->EdN[0], Qt::Key_Return);
  }
  form.Binary->OkOp2_Click();
  for (FGraf* window : form.Binary->GraphWindows) {
    if (!QTest::qWaitForWindowExposed(window)) return 2;
  }

  Measure("binary operations, four graph windows", [&] {
    form.Binary->OkOp2_Click();
    form.Binary->PBTblOp2->repaint();
    for (FGraf* window : form.Binary->GraphWindows) window->PBox->repaint();
  });
  form.Power->LstNp->setEditText(QStringLiteral("1/3"));
  Measure("power 1/3", [&] {
    form.Power->OkPot_Click();
    form.Graph->PBox0->repaint();
  });
  form.LstZ[3]->setCurrentIndex(2);
  form.Roots->LstNr->setEditText(QStringLiteral("9"));
  Measure("ninth roots of -8, listed and drawn", [&] {
    form.Roots->OkRel_Click();
    form.Graph->PBox0->repaint();
    form.Roots->LstRels[0]->repaint();
    form.Roots->LstRels[1]->repaint();
  });
  form.Combined->TxtOp->setText(QStringLiteral("(a+b)^2/c+a*b'-c^(1/3)"));
  Measure("combined (a+b)^2/c+a*b'-c^(1/3)", [&] {
    form.Combined->OkCmb_Click();
    form.Graph->PBox0->repaint();
    form.Combined->IdRes[0]->repaint();
    form.Combined->IdRes[1]->repaint();
  });
  return messages.Shown.isEmpty() ? 0 : 1;
}
