// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "exercises/fprbls.h"
#include "calc/problem.h"
#include "graphics/save_graph.h"

class QWidget;
class Surface;

// What the exercise command needs from the main window besides the panels' last results.
struct ExerciseGraphs {
  bool GraphsOn = false;
  // The operand boxes IdZ1(0) and IdZ2(0) as they show: the graphs' file names are built from them.
  QString Z1Text;
  QString Z2Text;
  // The pictures of the four graph windows, in operation order.
  std::array<const Surface*, 4> Surfaces{};
};

// The Save submenu's exercise items and the panels' exercise buttons: builds the exercise of
// the given kind from the panels' last calculations, shows it in the
// exercise window captioned "Problema" and, once that is closed, for the binary operations with
// graphs on, asks "Save graphics?" and saves the four graphs as Graphs/<name>.jpg without
// further questions, listing their names in "Graphics saved".
void RunExerciseCommand(ProblemKind kind, const LastCalculations& last, const ExerciseGraphs& graphs, QWidget* parent,
                        GraphSaveContext& graphContext, AskSheetPath askSheet = {},
                        const Language& language = Language());

// The four graphs saved without a dialog; answers the text of the "Graphics saved" box: each
// name preceded by two blanks.
QString SaveExerciseGraphs(const ExerciseGraphs& graphs, GraphSaveContext& graphContext);
