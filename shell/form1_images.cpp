// SPDX-License-Identifier: MIT
// Saving the graphs as images.
#include <QLineEdit>

#include "filedlg/ask_file.h"
#include "graphics/save_graph.h"
#include "platform/picture_box.h"
#include "shell/form1.h"

namespace {

// Saving with the program's file dialog; the last saved name carries over between saves.
GraphSaveContext DialogSaving(Form1& form, const Seams& seams) {
  GraphSaveContext context;
  context.seams = seams;
  context.ProgramFolder = form.ProgramFolder;
  context.LastSavedName = form.LastSavedName;
  context.AskSavePath = [&form, seams](const QString& proposedName, const QString& startFolder,
                                       const QString& typeList) {
    return AskFile(&form, 1, startFolder, typeList, proposedName, seams);
  };
  return context;
}

}  // namespace

void Form1::GGr_Click(int index) {
  GraphSaveContext context = DialogSaving(*this, seams_);
  SaveOperationGraphs(index, IdZ1[0]->text(), IdZ2[0]->text(), GraphSurfaces(GraphWindows), context);
  LastSavedName = context.LastSavedName;
}

void Form1::BtGrf_Click() {
  GraphSaveContext context = DialogSaving(*this, seams_);
  SaveGraphPanel(EtZ->text(), PBox0->surface(), context);
  LastSavedName = context.LastSavedName;
}
