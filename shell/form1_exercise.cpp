// SPDX-License-Identifier: MIT
// The exercise command: the Save items and the panels' exercise buttons.
#include <QLineEdit>

#include "exercises/exercise_command.h"
#include "graphics/save_graph.h"
#include "platform/qtext.h"
#include "shell/form1.h"

void Form1::OpG_Click(int index) {
  // The graphs are saved without a dialog.
  GraphSaveContext context;
  context.seams = seams_;
  context.ProgramFolder = ProgramFolder;
  context.LastSavedName = LastSavedName;
  const ExerciseGraphs graphs{GraphsOn, IdZ1[0]->text(), IdZ2[0]->text(), GraphSurfaces(GraphWindows)};
  RunExerciseCommand(static_cast<ProblemKind>(index), Last, graphs, this, context);
  LastSavedName = context.LastSavedName;
}

void Form1::BtG2_Click() { OpG_Click(0); }

void Form1::BtGP_Click() { OpG_Click(1); }

void Form1::BtGR_Click() { OpG_Click(2); }

void Form1::BtGC_Click() { OpG_Click(3); }
