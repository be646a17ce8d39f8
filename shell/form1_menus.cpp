// SPDX-License-Identifier: MIT
// The menu bar and its commands: saving exercises and graphs, Open..., Exit, the tools, Info and
// About...
#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <algorithm>

#include "about/fquant.h"
#include "calc/copy_text.h"
#include "exercises/exercise_command.h"
#include "filedlg/ask_file.h"
#include "filedlg/path_helpers_qt.h"
#include "graphics/fgraf.h"
#include "graphics/save_graph.h"
#include "platform/picture_box.h"
#include "platform/program_folder.h"
#include "platform/qtext.h"
#include "shell/binary_panel.h"
#include "shell/form1.h"
#include "shell/graph_panel.h"
#include "shell/help_window.h"
#include "shell/store_panel.h"
#include "tools/ftools.h"
#include "tools/run_tool.h"
#include "worksheet_print/fworksheet.h"

namespace {

// Saving with the program's file dialog; the last saved name carries over between saves.
GraphSaveContext DialogSaving(Form1& form, const Seams& seams) {
  GraphSaveContext context;
  context.seams = seams;
  context.ProgramFolder = form.ProgramFolder;
  context.LastSavedName = form.LastSavedName;
  context.AskSavePath = [&form, seams](const QString& proposedName, const QString& startFolder,
                                       const QString& typeList) {
    return AskFile(&form, FileDialogMode::Save, startFolder, typeList, proposedName, seams, form.Lang);
  };
  return context;
}

// The graph window that shows pictures: the one child graph window bound to no operation,
// made when first needed.
FGraf* SpareGraphWindow(Form1& form) {
  const auto& linked = form.Binary->GraphWindows;
  for (FGraf* window : form.findChildren<FGraf*>(QString(), Qt::FindDirectChildrenOnly))
    if (!window->Linked() && !std::count(linked.begin(), linked.end(), window)) return window;
  auto* spare = new FGraf(&form);
  spare->setObjectName(QStringLiteral("FGraf"));
  QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), spare), &QShortcut::activated, spare, &QWidget::close);
  return spare;
}

// Shows a picture file in the spare graph window, sized to the picture as far as the screen
// allows. A file that is not a readable picture is reported and nothing else happens.
void ShowPictureFile(Form1& form, const Seams& seams, const QString& path) {
  QImageReader reader(path);
  const QSize size = reader.size();
  FGraf* spare = nullptr;
  if (reader.canRead() && size.isValid()) {
    spare = SpareGraphWindow(form);
    QSize client = size;
    if (const QScreen* screen = form.screen()) client = client.boundedTo(screen->availableGeometry().size() * 0.9);
    spare->resize(client);
  }
  if (!spare || !spare->PBox->surface().LoadPicture(path)) {
    seams.Messages->Show(QStringLiteral("The picture cannot be read:\n%1").arg(QDir::toNativeSeparators(path)),
                         QStringLiteral("Open"), MsgButtons::Ok, MsgIcon::Warning);
    return;
  }
  spare->setWindowTitle(FileNameOf(path));
  spare->PBox->update();
  spare->show();
  spare->raise();
}

}  // namespace

void Form1::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MenuBar"));
  const auto action = [](QMenu* menu, const QString& name, const QString& caption, bool enabled = true) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setEnabled(enabled);
    return a;
  };
  const auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QLatin1String(name)); };

  // Access keys: Alt+F, Alt+T, Alt+I.
  OpFtx = bar->addMenu(QStringLiteral("&File"));
  OpFtx->setObjectName(QStringLiteral("OpFtx"));
  OpGuard = OpFtx->addMenu(QStringLiteral("Save"));
  OpGuard->setObjectName(QStringLiteral("OpGuard"));
  OpG[0] = action(OpGuard, QStringLiteral("OpG(0)"), QStringLiteral("Binary operations"), false);
  OpG[1] = action(OpGuard, QStringLiteral("OpG(1)"), QStringLiteral("n Power"), false);
  OpG[2] = action(OpGuard, QStringLiteral("OpG(2)"), QStringLiteral("n Root"), false);
  OpG[3] = action(OpGuard, QStringLiteral("OpG(3)"), QStringLiteral("Combined operation"), false);
  separator(OpGuard, "sep0");
  const char* const graphs[5] = {"Graph Z1 + Z2", "Graph Z1 - Z2", "Graph Z1 * Z2", "Graph Z1 / Z2",
                                 "All graphics Z1 @ Z2"};
  for (int i = 1; i <= 5; ++i)
    GGr[i] = action(OpGuard, QStringLiteral("GGr(%1)").arg(i), QString::fromLatin1(graphs[i - 1]), false);
  OpObr = action(OpFtx, QStringLiteral("OpObr"), QStringLiteral("Open..."));
  OpWorksheet = action(OpFtx, QStringLiteral("OpWorksheet"), QStringLiteral("Worksheet..."));
  separator(OpFtx, "sep");
  OpSurt = action(OpFtx, QStringLiteral("OpSurt"), QStringLiteral("Exit"));
  OpSurt->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  OpEdit = bar->addMenu(QStringLiteral("&Edit"));
  OpEdit->setObjectName(QStringLiteral("OpEdit"));
  OpUndo = action(OpEdit, QStringLiteral("OpUndo"), QStringLiteral("Undo"), false);
  OpUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  OpRedo = action(OpEdit, QStringLiteral("OpRedo"), QStringLiteral("Redo"), false);
  OpRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  OpCopy = action(OpEdit, QStringLiteral("OpCopy"), QStringLiteral("Copy"), false);
  OpCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));

  Tools = bar->addMenu(QStringLiteral("&Tools"));
  Tools->setObjectName(QStringLiteral("Tools"));
  OpEdTools = action(Tools, QStringLiteral("OpEdTools"), QStringLiteral("Edit tools"));
  separator(Tools, "sept");
  for (int i = 1; i <= 12; ++i) {
    ITool[i] = action(Tools, QStringLiteral("ITool(%1)").arg(i), QString());
    ITool[i]->setVisible(false);
  }

  Inf = bar->addMenu(QStringLiteral("&Info"));
  Inf->setObjectName(QStringLiteral("Inf"));
  OpInfo = action(Inf, QStringLiteral("OpInfo"), QStringLiteral("Info"));
  OpSobre = action(Inf, QStringLiteral("OpSobre"), QStringLiteral("About..."));
}

void Form1::ConnectMenus() {
  for (int i = 0; i < 4; ++i) connect(OpG[i], &QAction::triggered, this, [this, i] { OpG_Click(i); });
  for (int i = 1; i <= 5; ++i) connect(GGr[i], &QAction::triggered, this, [this, i] { GGr_Click(i); });
  connect(OpObr, &QAction::triggered, this, &Form1::OpObr_Click);
  connect(OpWorksheet, &QAction::triggered, this, &Form1::OpWorksheet_Click);
  connect(OpSurt, &QAction::triggered, this, &Form1::OpSurt_Click);
  connect(OpEdTools, &QAction::triggered, this, &Form1::OpEdTools_Click);
  for (int i = 1; i <= 12; ++i) connect(ITool[i], &QAction::triggered, this, [this, i] { ITool_Click(i); });
  connect(OpInfo, &QAction::triggered, this, &Form1::OpInfo_Click);
  connect(OpSobre, &QAction::triggered, this, &Form1::OpSobre_Click);
  connect(OpUndo, &QAction::triggered, this, &Form1::OpUndo_Click);
  connect(OpRedo, &QAction::triggered, this, &Form1::OpRedo_Click);
  connect(OpCopy, &QAction::triggered, this, &Form1::OpCopy_Click);
}

// The exercise of the Save submenu's item, also asked by the panels' exercise buttons. The
// graphs are saved without a dialog.
void Form1::OpG_Click(int index) {
  GraphSaveContext context;
  context.seams = seams_;
  context.ProgramFolder = ProgramFolder;
  context.LastSavedName = LastSavedName;
  const ExerciseGraphs graphs{Binary->GraphsOn, Binary->IdZ1[0]->text(), Binary->IdZ2[0]->text(),
                              GraphSurfaces(Binary->GraphWindows)};
  RunExerciseCommand(static_cast<ProblemKind>(index), Last(), graphs, this, context, {}, Lang);
  LastSavedName = context.LastSavedName;
}

void Form1::GGr_Click(int index) {
  GraphSaveContext context = DialogSaving(*this, seams_);
  SaveOperationGraphs(index, Binary->IdZ1[0]->text(), Binary->IdZ2[0]->text(), GraphSurfaces(Binary->GraphWindows),
                      context);
  LastSavedName = context.LastSavedName;
}

void Form1::BtGrf_Click() {
  GraphSaveContext context = DialogSaving(*this, seams_);
  SaveGraphPanel(Graph->EtZ->text(), Graph->surface(), context);
  LastSavedName = context.LastSavedName;
}

void Form1::OpObr_Click() {
  const QString start = ProgramFolder + QDir::separator() + SheetFolderName;
  const QString path = AskFile(this, FileDialogMode::Open, start, QStringLiteral("*.txt|*.*"), QString(), seams_, Lang);
  if (!path.isEmpty()) {
    // Only these extensions, written in lower case, are shown here; any other file goes to the
    // desktop's application for it.
    const QString ext = ExtOf(path);
    if (ext == QLatin1String("gif") || ext == QLatin1String("bmp") || ext == QLatin1String("jpg"))
      ShowPictureFile(*this, seams_, path);
    else
      OpenDocument(path, seams_);
  }
  QDir::setCurrent(ProgramFolder);
}

void Form1::OpWorksheet_Click() { ShowWorksheetWindow(this, seams_, Lang.Index()); }

// Ends the program at once, without the unload step.
void Form1::OpSurt_Click() { QCoreApplication::exit(0); }

// Without the manual, or without an application to show it, the user is told so and the
// manual's own pages open in the help window.
void Form1::OpInfo_Click() {
  const ManualOpening opening = OpenManual(seams_);
  if (opening == ManualOpening::Started) return;
  const QString why = opening == ManualOpening::Missing ? QStringLiteral("The manual is missing:")
                                                        : QStringLiteral("No application could be started to show the manual:");
  seams_.Messages->Show(why + QLatin1Char('\n') + QDir::toNativeSeparators(ManualPath()) +
                            QStringLiteral("\n\nIts pages open in the help window instead."),
                        QStringLiteral("Info"), MsgButtons::Ok, MsgIcon::Information);
  ShowManualPages();
}

void Form1::ShowManualPages(const QString& anchor) {
  if (manualPages_ == nullptr) manualPages_ = new HelpWindow(HelpTopic::Manual, this);
  manualPages_->show();
  if (!anchor.isEmpty()) manualPages_->Text->scrollToAnchor(anchor);
  manualPages_->raise();
  manualPages_->activateWindow();
}

void Form1::OpSobre_Click() { ShowAbout(this); }

void Form1::OpEdTools_Click() { OpenToolsEditor(this, Lang, seams_); }

void Form1::ITool_Click(int index) { RunTool(index, seams_); }

void Form1::OpUndo_Click() {
  if (const auto before = history_.Undo()) PutBackStore(*before);
}

void Form1::OpRedo_Click() {
  if (const auto after = history_.Redo()) PutBackStore(*after);
}

// The complex of the selected row, as the columns show it, with its polar form as a second line.
void Form1::OpCopy_Click() {
  const int row = CopyableRow();
  if (row < 0) return;
  QGuiApplication::clipboard()->setText(ToQ(StoredCopyText(Stored->Store().At(row + 1))));
}
