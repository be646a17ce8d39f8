// SPDX-License-Identifier: MIT
// The panels' Working buttons open the one working window.
#include "exercises/fworking.h"
#include "shell/entry_panel.h"
#include "shell/form1.h"

void Form1::ShowWorking(int index) {
  if (WorkingWindow == nullptr) {
    WorkingWindow = new FWorking(this, seams_);
    WorkingWindow->setAttribute(Qt::WA_DeleteOnClose);
  }
  const auto kind = static_cast<ProblemKind>(index);
  WorkingWindow->SetWorking(kind, WorkingOf(kind, Last(), Entry->Decimals, WorkingLanguageOf(Lang.Index())), Lang);
  WorkingWindow->show();
  WorkingWindow->raise();
  WorkingWindow->activateWindow();
}
