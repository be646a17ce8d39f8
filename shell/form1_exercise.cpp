// SPDX-License-Identifier: MIT
// The exercise command: the Save items and the panels' exercise buttons.
#include <QLineEdit>

#include "exercises/exercise_command.h"
#include "graphics/save_graph.h"
#include "platform/qtext.h"
#include "shell/form1.h"

namespace {

// What the panels last computed, as the exercise texts read it.
ProblemInputs ExerciseInputs(const Form1& form) {
  ProblemInputs in;
  in.BinZ1 = form.BinZ1;
  in.BinZ2 = form.BinZ2;
  in.BinaryResults = form.BinaryResults;
  for (std::size_t op = 0; op < 4; ++op) in.OpCaptions[op] = FromQ(form.OpCaptions[op]);
  in.PowBase = form.LastPower.Base;
  in.PowExponent = form.LastPower.Exponent;
  in.PowResult = form.LastPower.Result;
  in.RootRadicand = form.LastRoots.Radicand;
  in.RootIndex = form.LastRoots.Index;
  in.RootFirst = form.LastRoots.First;
  in.RootStep = form.LastRoots.Step;
  in.Formula = FromQ(form.TxtOp->text());
  in.ResultCart = FromQ(form.IdRes[0]->text());
  in.ResultPolar = FromQ(form.IdRes[1]->text());
  in.Store = &form.Store;
  return in;
}

}  // namespace

void Form1::OpG_Click(int index) {
  // The graphs are saved without a dialog.
  GraphSaveContext context;
  context.seams = seams_;
  context.ProgramFolder = ProgramFolder;
  context.LastSavedName = LastSavedName;
  const ExerciseGraphs graphs{GraphsOn, IdZ1[0]->text(), IdZ2[0]->text(), GraphSurfaces(GraphWindows)};
  RunExerciseCommand(static_cast<std::int16_t>(index), ExerciseInputs(*this), graphs, this, context);
  LastSavedName = context.LastSavedName;
}

void Form1::BtG2_Click() { OpG_Click(0); }

void Form1::BtGP_Click() { OpG_Click(1); }

void Form1::BtGR_Click() { OpG_Click(2); }

void Form1::BtGC_Click() { OpG_Click(3); }
