// SPDX-License-Identifier: MIT
#include "filedlg/folder_listing.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>

FolderListing ListFolder(const QString& folder) {
  FolderListing listing;
  // The folder's own listing tells folders from files, so no entry needs a file-system query
  // of its own (except links, which are followed).
  QDirIterator entries(folder, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot);
  while (entries.hasNext()) {
    entries.next();
    const QFileInfo entry = entries.fileInfo();
    (entry.isDir() ? listing.Folders : listing.Files) << entry.fileName();
  }
  listing.Folders.sort(Qt::CaseInsensitive);
  listing.Files.sort(Qt::CaseInsensitive);
  return listing;
}

QStringList MatchingFiles(const QStringList& files, const QStringList& patterns) {
  if (patterns.contains(QStringLiteral("*"))) return files;
  QList<QRegularExpression> matchers;
  for (const QString& pattern : patterns)
    matchers << QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                   QRegularExpression::CaseInsensitiveOption);
  QStringList matching;
  for (const QString& file : files) {
    for (const QRegularExpression& matcher : matchers) {
      if (matcher.match(file).hasMatch()) {
        matching << file;
        break;
      }
    }
  }
  return matching;
}
