// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>

// The Qt-free layers speak UTF-8 std::string; the windows speak QString. This is the one crossing.
inline QString ToQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string FromQ(const QString& s) { return s.toUtf8().toStdString(); }
