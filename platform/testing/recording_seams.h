// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <deque>

#include "platform/messages.h"
#include "platform/processes.h"

// Test doubles of the seams: they record what the program asked for and answer as told.

struct ShownMessage {
  QString Text;
  QString Title;
  MsgButtons Buttons = MsgButtons::Ok;
};

class RecordingMessages final : public MessageSeam {
 public:
  MsgAnswer Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;

  // Answers for the next Yes/No questions, in order; Yes when none is queued.
  void QueueAnswer(MsgAnswer answer) { answers_.push_back(answer); }

  QList<ShownMessage> Shown;
  QString LastText() const { return Shown.isEmpty() ? QString() : Shown.last().Text; }
  QString LastTitle() const { return Shown.isEmpty() ? QString() : Shown.last().Title; }

 private:
  std::deque<MsgAnswer> answers_;
};

struct StartedProcess {
  ProcessCommand Command;
  WindowStyle Style = WindowStyle::NormalFocus;
};

class RecordingProcesses final : public ProcessSeam {
 public:
  bool Start(const ProcessCommand& command, WindowStyle style) override;

  // What Start answers; true unless a test makes starting fail.
  bool Succeed = true;
  // When set, the command is really started too (for companion programs built beside Zorbit).
  bool AlsoStart = false;

  QList<StartedProcess> Started;
  QString LastCommandLine() const { return Started.isEmpty() ? QString() : Started.last().Command.CommandLine; }
};
