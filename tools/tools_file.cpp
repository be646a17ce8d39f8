// SPDX-License-Identifier: MIT
#include "tools/tools_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <utility>

namespace {

// The file's lines, read as the program always read them: each up to its CR LF (a bare LF ends a
// line too), and the end of the file known before each read.
class LineReader {
 public:
  explicit LineReader(QString text) : text_(std::move(text)) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  QString ReadLine() {
    qsizetype end = text_.indexOf(QLatin1Char('\n'), pos_);
    if (end < 0) end = text_.size();
    QString line = text_.mid(pos_, end - pos_);
    pos_ = end + 1;
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    return line;
  }

 private:
  QString text_;
  qsizetype pos_ = 0;
};

constexpr QChar ByteOrderMark(0xFEFF);

// UTF-8, or the 8-bit text of lists written by older versions of the program. One byte order
// mark at the start marks the file, not its first title; a title of its own may begin with
// another.
QString DecodeToolsText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  QString text = utf8(bytes);
  if (utf8.hasError()) return QString::fromLatin1(bytes);
  if (text.startsWith(ByteOrderMark)) text.remove(0, 1);
  return text;
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
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  LineReader reader(DecodeToolsText(bytes));
  while (!reader.AtEnd()) {
    ToolRecord tool;
    tool.Title = reader.ReadLine();
    if (tool.Title.isEmpty()) break;  // the end mark
    if (!reader.AtEnd()) tool.File = reader.ReadLine();
    if (!reader.AtEnd()) tool.WorkDir = reader.ReadLine();
    if (!reader.AtEnd()) tool.Params = reader.ReadLine();
    if (list.IsFull()) return false;  // a 13th tool: the list keeps the first twelve
    list.Tools.append(tool);
  }
  return true;
}

bool LoadTools() { return LoadTools(ProgramTools(), QString::fromLatin1(ToolsFileName)); }

QByteArray ToolsFileBytes(const ToolsList& list) {
  QByteArray bytes;
  // A first title that begins with a byte order mark gets one for the file in front of it, so
  // that reading takes away only that one.
  if (!list.Tools.isEmpty() && list.Tools.first().Title.startsWith(ByteOrderMark)) bytes += "\xEF\xBB\xBF";
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
