// SPDX-License-Identifier: MIT
#include "platform/testing/recording_seams.h"

MsgAnswer RecordingMessages::Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon) {
  Shown.push_back({text, title, buttons});
  if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
  if (answers_.empty()) return MsgAnswer::Yes;
  const MsgAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

bool RecordingProcesses::Start(const ProcessCommand& command, WindowStyle style) {
  Started.push_back({command, style});
  if (!Succeed) return false;
  if (AlsoStart) return QtProcesses().Start(command, style);
  return true;
}
