// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

class MessageSeam;

// The program's application object. An exception that escapes an event handler would end the
// program; here it is reported in a message box instead, and the program goes on.
class SafeApplication : public QApplication {
 public:
  SafeApplication(int& argc, char** argv, MessageSeam* messages = nullptr);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  MessageSeam* messages_;
};
