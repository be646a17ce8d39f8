// SPDX-License-Identifier: MIT
// Renders the main window in a few states, and every secondary window in each language, to PNG
// files: zorbit_screenshots <folder> [scale].
// Run it offscreen (QT_QPA_PLATFORM=offscreen); a scale of 2 renders as a 200% screen would.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QToolButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "about/fquant.h"
#include "calc/problem.h"
#include "core/random.h"
#include "exercises/fprbls.h"
#include "exercises/fworking.h"
#include "filedlg/dftxs.h"
#include "lang/language.h"
#include "tools/ftools.h"
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

// The whole window, or the part of it `area` says.
bool Save(QWidget& window, const QDir& folder, const QString& name, const QRect& area = QRect(QPoint(0, 0), QSize(-1, -1))) {
  QApplication::processEvents();
  const QString path = folder.filePath(name + QStringLiteral(".png"));
  const bool saved = window.grab(area).save(path);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
  return saved;
}

// The four graph windows where they stand on the desktop: to the right of the main window,
// stacked downwards. Offscreen windows have no title bars, so each caption is written beside its
// window.
bool SaveGraphWindows(Form1& form, const QDir& folder) {
  QApplication::processEvents();
  const QRect main = form.frameGeometry();
  const QFontMetrics metrics(form.font());
  const int legend = metrics.horizontalAdvance(form.Binary->GraphWindows[2]->windowTitle()) + 24;
  QRect area = main;
  for (FGraf* window : form.Binary->GraphWindows) area |= window->frameGeometry().adjusted(0, 0, legend, 0);
  area.adjust(-8, -8, 8, 8);
  const qreal ratio = form.devicePixelRatioF();
  QImage image(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(QColor(60, 70, 90));
  QPainter painter(&image);
  painter.drawPixmap(main.topLeft() - area.topLeft(), form.grab());
  painter.setPen(Qt::white);
  painter.setFont(form.font());
  for (FGraf* window : form.Binary->GraphWindows) {
    const QRect at = window->frameGeometry().translated(-area.topLeft());
    painter.drawPixmap(at.topLeft(), window->grab());
    painter.drawText(QRect(at.right() + 12, at.top(), legend, at.height()), Qt::AlignVCenter | Qt::AlignLeft,
                     window->windowTitle());
  }
  painter.end();
  const QString path = folder.filePath(QStringLiteral("form1_with_graph_windows.png"));
  const bool saved = image.save(path);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
  return saved;
}

void Enter(Form1& form, int box, const char* text) {
  form.Entry->EdN[box]->setText(QString::fromUtf8(text));
  QTest::keyClick(form.Entry->EdN[box], Qt::Key_Return);
}

// The secondary windows in English, Catalan and Spanish: the file dialog opening and saving, the
// tools editor with a tool open, the exercise window with the binary operations' exercise, and
// the About box.
bool SaveSecondaryWindows(Form1& form, const Seams& seams, const QDir& folder) {
  bool ok = true;
  const QString start = QDir::currentPath();
  QTemporaryDir work;  // the tools editor's "Tools.rel" and "Lng.txt" live here
  const char* const words[] = {"eng", "cat", "esp"};
  const char* const suffixes[] = {"en", "ca", "es"};
  const Problem exercise = FesPrbl(ProblemKind::Binary, form.Last());
  for (int lang = 0; lang < 3; ++lang) {
    const QString suffix = QString::fromLatin1(suffixes[lang]);
    Language shown;
    shown.SetIndex(static_cast<std::int16_t>(lang));
    for (FileDialogMode mode : {FileDialogMode::Open, FileDialogMode::Save}) {
      DFtxs dialog(&form, seams, shown);
      dialog.Open(mode, start, QStringLiteral("*.txt|*.*"));
      if (mode == FileDialogMode::Save) dialog.ProposeName(QStringLiteral("sheet1"));
      dialog.show();
      ok = Save(dialog, folder, QStringLiteral("dftxs_%1_%2").arg(mode == FileDialogMode::Open ? "open" : "save", suffix)) && ok;
    }
    FPrbls problem(&form, seams, {}, shown);
    problem.setWindowTitle(QStringLiteral("Problema"));
    problem.SetProblem(exercise);
    problem.show();
    ok = Save(problem, folder, QStringLiteral("fprbls_%1").arg(suffix)) && ok;
    problem.SetWorking(WorkingOf(ProblemKind::Binary, form.Last(), 2, WorkingLanguageOf(lang)));
    problem.ChkWorking->setChecked(true);
    ok = Save(problem, folder, QStringLiteral("fprbls_working_%1").arg(suffix)) && ok;
    problem.close();

    // The working window with the combined operation's working, and with the power's.
    FWorking working(&form, seams);
    working.show();
    for (const ProblemKind kind : {ProblemKind::Combined, ProblemKind::Power}) {
      working.SetWorking(kind, WorkingOf(kind, form.Last(), 2, WorkingLanguageOf(lang)), shown);
      const char* name = kind == ProblemKind::Power ? "power" : "combined";
      ok = Save(working, folder, QStringLiteral("fworking_%1_%2").arg(QLatin1String(name), suffix)) && ok;
    }
    working.close();

    // The tools editor settles its language from "Lng.txt" when it opens.
    QDir::setCurrent(work.path());
    QFile tools(QStringLiteral("Tools.rel"));
    QFile language(QStringLiteral("Lng.txt"));
    if (tools.open(QIODevice::WriteOnly) && language.open(QIODevice::WriteOnly)) {
      tools.write("Text editor\r\ngedit\r\n/usr/bin\r\nnotes.txt\r\nCalculator\r\ngnome-calculator\r\n\r\n\r\n\r\n");
      language.write(QByteArray(words[lang]) + "\r\n");
    }
    tools.close();
    language.close();
    FTools* editor = OpenToolsEditor(&form, form.Lang, seams);
    editor->Lst->setCurrentRow(0);
    ok = Save(*editor, folder, QStringLiteral("ftools_%1").arg(suffix)) && ok;
    editor->close();
    QApplication::processEvents();
    QDir::setCurrent(start);
  }
  form.Lang.SetIndex(0);
  QPointer<FQuant> about = ShowAbout(&form);
  ok = Save(*about, folder, QStringLiteral("fquant")) && ok;
  about->close();
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc > 2) qputenv("QT_SCALE_FACTOR", argv[2]);
  // The program is given no language word, so that "Lng.txt" decides the tools editor's.
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: zorbit_screenshots <folder> [scale]\n");
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  folder.mkpath(QStringLiteral("."));
  // The pictures show a fresh store; the session they leave goes with this folder.
  QTemporaryDir work;
  SetWorkFolder(work.path());
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

  form.Stored->LZ[2]->setCurrentRow(0);  // open "a" for editing, as a click on its row does
  ok = Save(form, folder, QStringLiteral("form1_editing_a")) && ok;

  form.Stored->BtNou->click();
  form.Stored->Btrst->click();
  SetUniformSource(nullptr);
  form.Entry->LstN->setEditText(QStringLiteral("20"));
  form.Entry->BtRnd->click();
  ok = Save(form, folder, QStringLiteral("form1_twenty_random")) && ok;

  // The program's own help, as it opens when the help viewer cannot be started.
  processes.Succeed = false;
  form.Entry->BtHEntr->click();
  if (auto* help = form.findChild<QWidget*>(QStringLiteral("HelpWindow")))
    ok = Save(*help, folder, QStringLiteral("help_entry")) && ok;

  // Every operation panel with its results, and the four graph windows of the binary operations.
  processes.Succeed = true;
  form.Stored->Btrst->click();
  Enter(form, 0, "3, 4");
  Enter(form, 0, "1, -2");
  Enter(form, 0, "-8, 0");
  Enter(form, 0, "1, 1");
  form.Binary->OkOp2->click();
  form.LstZ[2]->setCurrentIndex(3);
  form.Power->LstNp->setEditText(QStringLiteral("2"));
  form.Power->OkPot->click();
  form.LstZ[3]->setCurrentIndex(2);
  form.Roots->LstNr->setEditText(QStringLiteral("3"));
  form.Roots->OkRel->click();
  form.Combined->TxtOp->setText(QStringLiteral("a*b+c'"));
  form.Combined->OkCmb->click();
  ok = Save(form, folder, QStringLiteral("form1_panel_results")) && ok;
  // The same window made larger: the graph panel and the roots' lists take the room.
  const QSize designed = form.size();
  form.resize(designed + QSize(360, 220));
  ok = Save(form, folder, QStringLiteral("form1_resized_larger")) && ok;
  form.resize(designed);
  for (int k = 0; k < 4; ++k) {
    FGraf* window = form.Binary->GraphWindows[k];
    if (window == nullptr || !window->isVisible()) {
      std::printf("FAILED graph window %d is not on show\n", k);
      ok = false;
      continue;
    }
    ok = Save(*window, folder, QStringLiteral("graph_window_%1").arg(k)) && ok;
  }
  ok = SaveGraphWindows(form, folder) && ok;
  ok = SaveSecondaryWindows(form, Seams{&messages, &processes}, folder) && ok;

  // Z2 = 0: three results, the quotient not defined, and its window with the operands alone.
  Enter(form, 0, "0, 0");
  form.LstZ[1]->setCurrentIndex(4);
  form.Binary->OkOp2->click();
  // The panel as it stands in the window, on its card.
  const QRect card(form.Binary->mapTo(&form, QPoint(-3, -3)), form.Binary->size() + QSize(6, 6));
  ok = Save(form, folder, QStringLiteral("binary_division_by_zero"), card) && ok;
  ok = Save(*form.Binary->GraphWindows[3], folder, QStringLiteral("graph_window_3_no_quotient")) && ok;

  processes.Succeed = false;
  form.Combined->BtHCmb->click();
  for (QWidget* help : form.findChildren<QWidget*>(QStringLiteral("HelpWindow"))) {
    if (help->windowTitle().contains(QStringLiteral("combined")))
      ok = Save(*help, folder, QStringLiteral("help_combined")) && ok;
  }
  return ok ? 0 : 1;
}
