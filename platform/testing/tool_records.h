// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// The records of `count` tools as the tools file holds them: title "T<n>", file "f<n>", working
// folder "w" and parameters "p", four lines each, without the empty end line.
inline QByteArray Records(int count) {
  QByteArray bytes;
  for (int i = 1; i <= count; ++i) bytes += "T" + QByteArray::number(i) + "\r\nf" + QByteArray::number(i) + "\r\nw\r\np\r\n";
  return bytes;
}
