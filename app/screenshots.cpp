// SPDX-License-Identifier: MIT
// Renders the main window in a few states to PNG files: zorbit_screenshots <folder> [scale].
// Run it offscreen (QT_QPA_PLATFORM=offscreen); a scale of 2 renders as a 200% screen would.
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QToolButton>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <cstdio>

#include "core/random.h"
#include "platform/program_folder.h"
#include "platform/testing/recording_seams.h"
#include "shell/form1.h"

namespace {

bool Save(QWidget& window, const QDir& folder, const QString& name) {
  QApplication::processEvents();
  const QString path = folder.filePath(name + QStringLiteral(".png"));
  const bool saved = window.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
  return saved;
}

void Enter(Form1& form, int box, const char* text) {
  form.EdN[box]->setText(QString::fromUtf8(text));
  QTest::keyClick(form.EdN[box], Qt::Key_Return);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc > 2) qputenv("QT_SCALE_FACTOR", argv[2]);
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: zorbit_screenshots <folder> [scale]\n");
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  folder.mkpath(QStringLiteral("."));
  EnterWorkFolder();
  RecordingMessages messages;
  RecordingProcesses processes;
  Form1 form(Seams{&messages, &processes});
  form.show();
  bool ok = Save(form, folder, QStringLiteral("form1_empty"));

  Enter(form, 0, "3, 4");
  Enter(form, 1, "2 , 90");
  Enter(form, 0, "-2.5, 1.25");
  Enter(form, 1, "1 , 450");
  Enter(form, 0, "1/3, -pi");
  ok = Save(form, folder, QStringLiteral("form1_five_complexes")) && ok;

  form.LZ[2]->setCurrentRow(0);  // open "a" for editing, as a click on its row does
  ok = Save(form, folder, QStringLiteral("form1_editing_a")) && ok;

  form.BtNou->click();
  form.Btrst->click();
  SetUniformSource(nullptr);
  form.LstN->setEditText(QStringLiteral("20"));
  form.BtRnd->click();
  ok = Save(form, folder, QStringLiteral("form1_twenty_random")) && ok;

  // The program's own help, as it opens when the help viewer cannot be started.
  processes.Succeed = false;
  form.BtHEntr->click();
  if (auto* help = form.findChild<QWidget*>(QStringLiteral("HelpWindow")))
    ok = Save(*help, folder, QStringLiteral("help_entry")) && ok;
  return ok ? 0 : 1;
}
