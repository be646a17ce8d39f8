// SPDX-License-Identifier: MIT
// The soak: 10,000 random actions on the real main window, offscreen, as a user clicks and types
// (entries, random complexes, opening and deleting stored ones, the four calculations, the graph
// windows on and off, undo and redo, the store's reset, the help window, resizing). A warm-up of
// 1,000 actions first opens what is opened on first use (the graph windows' pictures, the help
// window); from there the resident size may grow by less than 5 MB; the exit status says
// whether it did. Messages are recorded, never shown, and the store is a temporary one.
// Run: QT_QPA_PLATFORM=offscreen build-*/bench/zorbit_soak [actions, default 10000] [seed]
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "app/shown_probe.h"
#include "platform/program_folder.h"
#include "platform/testing/recording_seams.h"
#include "shell/binary_panel.h"
#include "shell/combined_panel.h"
#include "shell/entry_panel.h"
#include "shell/form1.h"
#include "shell/power_panel.h"
#include "shell/roots_panel.h"
#include "shell/store_panel.h"

namespace {

void Type(QLineEdit* box, const QString& text) {
  box->setFocus();
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClicks(box, text);
  QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int actions = argc > 1 ? std::atoi(argv[1]) : 10000;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 20261207u;
  QTemporaryDir work;
  SetWorkFolder(work.path());
  RecordingMessages messages;
  RecordingProcesses processes;
  processes.Succeed = false;  // no help viewer: the program's own help window opens
  Form1 form(Seams{&messages, &processes});
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 2;
  QApplication::processEvents();
  const long shown = ResidentKilobytes();
  const QSize first = form.size();
  long before = shown;

  std::mt19937 random(seed);
  const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  const auto number = [&] { return QString::number(pick(41) - 20) + QLatin1Char('.') + QString::number(pick(10)); };
  const auto click = [](QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); };
  const std::vector<std::function<void()>> steps = {
      [&] { Type(form.Entry->EdN[0], number() + QStringLiteral(", ") + number()); },
      [&] { Type(form.Entry->EdN[1], number() + QStringLiteral(", ") + QString::number(pick(360))); },
      [&] { click(form.Entry->BtRnd); },
      [&] {
        QListWidget* column = form.Stored->LZ[static_cast<std::size_t>(pick(3))];
        if (column->count() > 0) column->setCurrentRow(pick(column->count()));
      },
      [&] { if (form.Stored->BtSupr->isEnabled()) click(form.Stored->BtSupr); },
      [&] { if (pick(20) == 0 && form.Stored->Btrst->isEnabled()) click(form.Stored->Btrst); },
      [&] {
        for (QComboBox* selector : form.Binary->LstZ)
          if (selector->count() > 0) selector->setCurrentIndex(pick(selector->count()));
        click(form.Binary->OkOp2);
      },
      [&] { click(form.Binary->OpGrfs); },
      [&] {
        form.Power->LstNp->setEditText(QString::number(pick(7) - 3) + QStringLiteral("/") + QString::number(pick(4) + 1));
        click(form.Power->OkPot);
      },
      [&] {
        form.Roots->LstNr->setEditText(QString::number(pick(30) + 1));
        click(form.Roots->OkRel);
      },
      [&] {
        static const char* const formulas[] = {"a*b+c", "(a+b)^2/c", "a'-b", "a/0", "((a"};
        Type(form.Combined->TxtOp, QString::fromLatin1(formulas[pick(5)]));
        click(form.Combined->OkCmb);
      },
      [&] { form.OpUndo->trigger(); },
      [&] { form.OpRedo->trigger(); },
      [&] {
        if (pick(10) != 0) return;
        form.ShowManualPages();
        for (QWidget* window : QApplication::topLevelWidgets())
          if (window != &form && window->isVisible() && pick(2) == 0) window->close();
      },
      // A size near the first one: a walk of steps would end anywhere, and its pictures with it.
      [&] { form.resize(first.width() + pick(161) - 80, first.height() + pick(121) - 60); },
  };
  constexpr int WarmUp = 1000;
  for (int i = 0; i < WarmUp + actions; ++i) {
    if (i == WarmUp) before = ResidentKilobytes();
    steps[static_cast<std::size_t>(pick(static_cast<int>(steps.size())))]();
    QApplication::processEvents();
    // What the event loop does between events: windows closed and replaced are deleted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (messages.Shown.size() > 100) messages.Shown.clear();  // the record is the soak's, not the program's
  }
  const long after = ResidentKilobytes();
  const double growth = static_cast<double>(after - before) / 1024;
  std::printf("%d random actions (seed %u) after %d of warm-up: resident %.1f MB when first shown, %.1f MB after "
              "the warm-up, %.1f MB at the end, growth %.1f MB (bound 5 MB)\n",
              actions, seed, WarmUp, static_cast<double>(shown) / 1024, static_cast<double>(before) / 1024,
              static_cast<double>(after) / 1024, growth);
  return growth < 5 ? 0 : 1;
}
