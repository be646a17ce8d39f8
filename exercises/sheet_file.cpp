// SPDX-License-Identifier: MIT
#include "exercises/sheet_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#include "platform/qtext.h"

namespace {

// Any line end the texts hold (CR LF from the exercise, LF from the boxes) becomes CR LF.
QString WithCrLf(const QString& text) {
  QString s = text;
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return s;
}

void SetError(QString* error, const QString& text) {
  if (error) *error = text;
}

}  // namespace

QByteArray SheetBlock(const Problem& p) {
  const QString block = WithCrLf(ToQ(p.Statement)) + QStringLiteral("\r\nR:     ") + WithCrLf(ToQ(p.Answer)) +
                        QStringLiteral("\r\n\r\n");
  QStringEncoder encoder(QStringConverter::System);
  return encoder.encode(block);
}

bool WriteProblem(const Problem& p, QFile& sheet, QString* error) {
  const QByteArray block = SheetBlock(p);
  const qint64 oldSize = sheet.size();
  const qint64 written = sheet.write(block);
  const bool flushed = sheet.flush();
  if (written == block.size() && flushed && sheet.size() == oldSize + block.size()) return true;
  SetError(error, sheet.error() != QFileDevice::NoError ? sheet.errorString()
                                                       : QStringLiteral("the sheet did not take the whole exercise"));
  // Whatever part of the block reached the file goes again.
  sheet.resize(oldSize);
  return false;
}

bool AppendProblem(const QString& path, const Problem& p, QString* error) {
  const bool existed = QFileInfo::exists(path);
  QFile sheet(path);
  // Unbuffered, so a failure shows at the write itself and not later at closing.
  if (!sheet.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
    SetError(error, sheet.errorString());
    return false;
  }
  const bool ok = WriteProblem(p, sheet, error);
  sheet.close();
  if (!ok && !existed) QFile::remove(path);
  return ok;
}
