// SPDX-License-Identifier: MIT
#include "exercises/exercise_command.h"

#include <QDir>

#include "platform/surface.h"

QString SaveExerciseGraphs(const ExerciseGraphs& graphs, GraphSaveContext& graphContext) {
  QDir().mkpath(QStringLiteral("Graphs"));
  QString list;
  for (int j = 0; j < 4; ++j) {
    const QString name = OperationGraphName(j, graphs.Z1Text, graphs.Z2Text);
    // Each outcome goes unreported: the final box lists the names whatever became of them.
    if (const Surface* surface = graphs.Surfaces[static_cast<std::size_t>(j)])
      GuardaGrf(name, *surface, false, graphContext);
    list += QStringLiteral("  ") + name;
  }
  return list;
}

void RunExerciseCommand(ProblemKind kind, const LastCalculations& last, const ExerciseGraphs& graphs, QWidget* parent,
                        GraphSaveContext& graphContext, AskSheetPath askSheet, const Language& language) {
  const Problem problem = FesPrbl(kind, last);
  // The working at the exercise's own 2 decimals, in the window's language.
  const Working working = WorkingOf(kind, last, 2, WorkingLanguageOf(language.Index()));
  ShowProblem(parent, QStringLiteral("Problema"), problem, graphContext.seams, std::move(askSheet), language, working);
  if (kind != ProblemKind::Binary || !graphs.GraphsOn) return;
  MessageSeam& messages = *graphContext.seams.Messages;
  if (messages.Show(QString(), QStringLiteral("Save graphics?"), MsgButtons::YesNo, MsgIcon::Question) ==
      MsgAnswer::No)
    return;
  messages.Show(SaveExerciseGraphs(graphs, graphContext), QStringLiteral("Graphics saved"), MsgButtons::Ok);
}
