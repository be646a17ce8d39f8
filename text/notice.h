// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Tells the user something that needs only an OK: the windows show it as a message box.
class Notice {
 public:
  virtual ~Notice() = default;
  virtual void Show(const std::string& text) = 0;
};
