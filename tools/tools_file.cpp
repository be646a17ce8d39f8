// SPDX-License-Identifier: MIT
#include "tools/tools_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// One line without its CR LF (a bare LF ends a line too).
QString ReadLine(QFile& file) {
  QByteArray line = file.readLine();
  if (line.endsWith('\n')) line.chop(1);
  if (line.endsWith('\r')) line.chop(1);
  return QString::fromUtf8(line);
}

QByteArray FieldLine(const QString& field) {
  QString text = field;
  text.replace(QLatin1String("\r\n"), QLatin1String(" "));
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text.toUtf8() + "\r\n";
}

}  // namespace

ToolsList& ProgramTools() {
  static ToolsList list;
  return list;
}

bool LoadTools(ToolsList& list, const QString& path) {
  list.Tools.clear();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  while (!file.atEnd()) {
    ToolRecord tool;
    tool.Title = ReadLine(file);
    if (tool.Title.isEmpty()) break;  // the end mark
    if (!file.atEnd()) tool.File = ReadLine(file);
    if (!file.atEnd()) tool.WorkDir = ReadLine(file);
    if (!file.atEnd()) tool.Params = ReadLine(file);
    if (list.IsFull()) return false;  // a 13th tool: the list keeps the first twelve
    list.Tools.append(tool);
  }
  return file.error() == QFileDevice::NoError;
}

bool LoadTools() { return LoadTools(ProgramTools(), QString::fromLatin1(ToolsFileName)); }

QByteArray ToolsFileBytes(const ToolsList& list) {
  QByteArray bytes;
  for (const ToolRecord& tool : list.Tools) {
    bytes += FieldLine(tool.Title);
    bytes += FieldLine(tool.File);
    bytes += FieldLine(tool.WorkDir);
    bytes += FieldLine(tool.Params);
  }
  bytes += "\r\n";
  return bytes;
}

bool SaveTools(const ToolsList& list, const QString& path, QString* error) {
  auto fail = [&](const QString& reason) {
    if (error) *error = reason;
    return false;
  };
  const QFileInfo info(path);
  // The owner's write bit, not the process's rights: an administrator, who may write anything,
  // still leaves a file alone that the user has marked read-only.
  if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
    return fail(QStringLiteral("The file %1 is read-only.").arg(info.fileName()));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return fail(QStringLiteral("The file %1 cannot be written: %2").arg(info.fileName(), file.errorString()));
  const QByteArray bytes = ToolsFileBytes(list);
  if (file.write(bytes) != bytes.size() || !file.commit())
    return fail(QStringLiteral("The file %1 could not be written completely: %2. It keeps its previous content.")
                    .arg(info.fileName(), file.errorString()));
  return true;
}

bool SaveTools(QString* error) { return SaveTools(ProgramTools(), QString::fromLatin1(ToolsFileName), error); }
