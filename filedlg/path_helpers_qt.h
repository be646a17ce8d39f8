// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "paths/path_helpers.h"
#include "platform/qtext.h"

// The path helpers for the windows' QString texts.

inline void SplitPath(const QString& path, QString& folder, QString& name) {
  std::string f, n;
  SplitPath(FromQ(path), f, n);
  folder = ToQ(f);
  name = ToQ(n);
}

inline QString FileNameOf(const QString& path) { return ToQ(FileNameOf(FromQ(path))); }

inline void SplitExt(const QString& text, QString& name, QString& ext) {
  std::string n, e;
  SplitExt(FromQ(text), n, e);
  name = ToQ(n);
  ext = ToQ(e);
}

inline QString ExtOf(const QString& text) { return ToQ(ExtOf(FromQ(text))); }

inline QString FolderOf(const QString& path) { return ToQ(FolderOf(FromQ(path))); }

inline QString WithSlashes(const QString& path) { return ToQ(WithSlashes(FromQ(path))); }

inline QString WithFinalSeparator(const QString& folder, QChar separator) {
  return ToQ(WithFinalSeparator(FromQ(folder), static_cast<char>(separator.toLatin1())));
}
