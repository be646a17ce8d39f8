// SPDX-License-Identifier: MIT
#include "lang/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

std::int16_t LanguageOfWord(const QString& word) {
  const QString lower = word.toLower();
  if (lower == QLatin1String("cat")) return 1;
  if (lower == QLatin1String("esp")) return 2;
  return 0;
}

QString FirstItemOf(const QString& line) {
  qsizetype start = 0;
  while (start < line.size() && (line[start] == QLatin1Char(' ') || line[start] == QLatin1Char('\t'))) ++start;
  if (start < line.size() && line[start] == QLatin1Char('"')) {
    const qsizetype close = line.indexOf(QLatin1Char('"'), start + 1);
    return close < 0 ? line.mid(start + 1) : line.mid(start + 1, close - start - 1);
  }
  const qsizetype comma = line.indexOf(QLatin1Char(','), start);
  // Blanks after the word (and a stray carriage return) are not part of it.
  return line.mid(start, comma < 0 ? -1 : comma - start).trimmed();
}

namespace {
// The first item of the language file, or an empty text when the file is empty or unreadable.
QString ReadLanguageFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QString();
  QString line = QString::fromUtf8(file.readLine(4096));
  if (line.startsWith(QChar(0xFEFF))) line.remove(0, 1);
  while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r'))) line.chop(1);
  return FirstItemOf(line);
}
}  // namespace

void Language::Settle(const QStringList& programArguments, const QString& folder) {
  notGiven_ = false;
  const QString text = programArguments.mid(1).join(QLatin1Char(' '));
  if (!text.isEmpty()) {
    index_ = LanguageOfWord(text);
    return;
  }
  const QString path = folder.isEmpty() ? QStringLiteral("Lng.txt") : QDir(folder).filePath(QStringLiteral("Lng.txt"));
  if (!QFile::exists(path)) {
    notGiven_ = true;  // the language stays as it was
    return;
  }
  // The file is read once: an empty or unreadable file, or an empty first item, is no language
  // word and so gives English, like any other word that is not "cat" or "esp".
  index_ = LanguageOfWord(ReadLanguageFile(path));
}

void Language::Settle() { Settle(QCoreApplication::arguments()); }

QString Language::Text(const std::array<const char*, 3>& table) const { return InLang(table, index_); }

QString Language::DialogTitle(int mode) const { return ::DialogTitle(mode, index_); }

QString InLang(const LangTable& table, int lang) {
  Q_ASSERT(lang >= 0 && lang <= 2);
  return QString::fromUtf8(table[static_cast<std::size_t>(lang)]);
}

QString DialogTitle(int mode, int lang) {
  Q_ASSERT(mode >= 0 && mode <= 2 && lang >= 0 && lang <= 2);
  return QString::fromUtf8(DialogTexts::DialogTitles[static_cast<std::size_t>(mode + 3 * lang)]);
}
