// SPDX-License-Identifier: MIT
#pragma once

#include "platform/messages.h"
#include "platform/qtext.h"
#include "text/notice.h"

// What the parsers have to say, shown as a message box with an OK button.
class MessageNotice final : public Notice {
 public:
  explicit MessageNotice(MessageSeam& messages) : messages_(messages) {}
  void Show(const std::string& text) override {
    messages_.Show(ToQ(text), QStringLiteral("Zorbit"), MsgButtons::Ok, MsgIcon::Warning);
  }

 private:
  MessageSeam& messages_;
};
