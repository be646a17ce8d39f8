// SPDX-License-Identifier: MIT
#include "session/session_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace {

const QString FormatKey = QStringLiteral("Format");
const QString FormatName = QStringLiteral("Zorbit session");
const QString VersionKey = QStringLiteral("Version");
const QString ComplexesKey = QStringLiteral("Complexes");
const QString NameKey = QStringLiteral("Name");
const QString FieldKeys[4] = {QStringLiteral("Re"), QStringLiteral("Im"), QStringLiteral("Mod"), QStringLiteral("Arg")};

// The shortest text that reads back to the same double; "-0" for minus zero.
QString ExactText(double x) {
  char buffer[64];
  const std::to_chars_result end = std::to_chars(buffer, buffer + sizeof buffer, x);
  return QString::fromLatin1(buffer, end.ptr - buffer);
}

// The whole text as a finite double, or nothing.
std::optional<double> ReadExact(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  double x = 0;
  const char* first = bytes.constData();
  const char* last = first + bytes.size();
  const std::from_chars_result end = std::from_chars(first, last, x);
  if (bytes.isEmpty() || end.ec != std::errc() || end.ptr != last || !std::isfinite(x)) return std::nullopt;
  return x;
}

constexpr double Cplx::*Fields[4] = {&Cplx::Re, &Cplx::Im, &Cplx::Mod, &Cplx::Arg};

SessionFault ParseObject(const QJsonObject& root, std::vector<Cplx>& complexes) {
  if (root.value(FormatKey).toString() != FormatName) return SessionFault::Foreign;
  const QJsonValue version = root.value(VersionKey);
  if (!version.isDouble() || version.toDouble() != SessionVersion) return SessionFault::WrongVersion;
  const QJsonValue list = root.value(ComplexesKey);
  if (!list.isArray()) return SessionFault::MissingField;
  const QJsonArray items = list.toArray();
  if (items.size() > SessionCapacity) return SessionFault::TooMany;
  for (const QJsonValue& item : items) {
    if (!item.isObject()) return SessionFault::MissingField;
    const QJsonObject object = item.toObject();
    Cplx z;
    for (int k = 0; k < 4; ++k) {
      const QJsonValue value = object.value(FieldKeys[k]);
      if (!value.isString()) return SessionFault::MissingField;
      const std::optional<double> x = ReadExact(value.toString());
      if (!x) return SessionFault::BadNumber;
      z.*Fields[k] = *x;
    }
    complexes.push_back(z);
  }
  return SessionFault::None;
}

}  // namespace

QByteArray SessionBytes(const std::vector<Cplx>& complexes) {
  QJsonArray items;
  int k = 0;
  for (const Cplx& z : complexes) {
    QJsonObject item;
    item.insert(NameKey, QString(QChar(u'a' + k++)));
    for (int f = 0; f < 4; ++f) item.insert(FieldKeys[f], ExactText(z.*Fields[f]));
    items.append(item);
  }
  QJsonObject root;
  root.insert(FormatKey, FormatName);
  root.insert(VersionKey, SessionVersion);
  root.insert(ComplexesKey, items);
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SessionFault ParseSession(const QByteArray& bytes, std::vector<Cplx>& complexes) {
  complexes.clear();
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError) return SessionFault::BadJson;
  if (!document.isObject()) return SessionFault::Foreign;
  const SessionFault fault = ParseObject(document.object(), complexes);
  if (fault != SessionFault::None) complexes.clear();
  return fault;
}

SessionLoad LoadSession(const QString& folder) {
  SessionLoad load;
  const QDir dir(folder);
  const QString path = dir.filePath(QString::fromLatin1(SessionFileName));
  if (!QFileInfo::exists(path)) return load;

  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    load.Fault = SessionFault::Unreadable;
  } else {
    const QByteArray bytes = file.readAll();
    load.Fault = file.error() == QFileDevice::NoError ? ParseSession(bytes, load.Complexes) : SessionFault::Unreadable;
    file.close();
  }
  if (load.Fault == SessionFault::None) {
    load.Status = SessionStatus::Restored;
    return load;
  }

  load.Complexes.clear();
  const QString bad = dir.filePath(QString::fromLatin1(SessionBadName));
  if (QFileInfo::exists(bad)) QFile::remove(bad);
  load.Status = QFile::rename(path, bad) ? SessionStatus::SetAside : SessionStatus::Stuck;
  return load;
}

bool SaveSession(const std::vector<Cplx>& complexes, const QString& folder, QString* error) {
  auto fail = [&](const QString& reason) {
    if (error) *error = reason;
    return false;
  };
  // A file that could not be read back would be set aside at the next start.
  if (complexes.size() > static_cast<std::size_t>(SessionCapacity))
    return fail(QStringLiteral("more than %1 complexes").arg(SessionCapacity));
  QSaveFile file(QDir(folder).filePath(QString::fromLatin1(SessionFileName)));
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
  const QByteArray bytes = SessionBytes(complexes);
  if (file.write(bytes) != bytes.size() || !file.commit()) return fail(file.errorString());
  return true;
}
