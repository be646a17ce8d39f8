// SPDX-License-Identifier: MIT
#include "worksheet_print/worksheet_command.h"

#include <QGuiApplication>
#include <cstdio>

#include "platform/qtext.h"
#include "worksheet/worksheet.h"
#include "worksheet_print/sheet_layout.h"
#include "worksheet_print/sheet_output.h"

namespace {

constexpr int BadArguments = 2;
constexpr int Failed = 1;
constexpr int DefaultExercises = 20;

int Fail(int code, const QString& message) {
  std::fprintf(stderr, "Zorbit: %s\n", message.toLocal8Bit().constData());
  std::fflush(stderr);
  return code;
}

// A whole number in [low, high], or nothing.
std::optional<long long> WholeIn(const QString& text, long long low, long long high) {
  bool ok = false;
  const long long value = text.toLongLong(&ok);
  if (!ok || value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace

int RunWorksheetCommand(const QStringList& arguments) {
  QString out;
  int exercises = DefaultExercises;
  std::array<bool, ExerciseKindCount> kinds{true, true, true, true};
  WorksheetOptions options;
  bool graphs = false;

  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& name = arguments[i];
    if (name == QLatin1String("--graphs")) {
      graphs = true;
      continue;
    }
    const bool takesValue = name == QLatin1String("--worksheet") || name == QLatin1String("--exercises") ||
                            name == QLatin1String("--kinds") || name == QLatin1String("--seed") ||
                            name == QLatin1String("--decimals");
    if (!takesValue) return Fail(BadArguments, QStringLiteral("unknown argument: ") + name);
    if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("--")))
      return Fail(BadArguments, name + QStringLiteral(" needs a value"));
    const QString value = arguments[++i];

    if (name == QLatin1String("--worksheet")) {
      out = value;
    } else if (name == QLatin1String("--exercises")) {
      const auto n = WholeIn(value, 1, MaxSheetExercises);
      if (!n) return Fail(BadArguments, QStringLiteral("--exercises must be a whole number from 1 to %1: ").arg(MaxSheetExercises) + value);
      exercises = static_cast<int>(*n);
    } else if (name == QLatin1String("--kinds")) {
      kinds = {};
      const QStringList words = value.split(QLatin1Char(','));
      for (const QString& word : words) {
        const auto kind = KindFromWord(FromQ(word.trimmed()));
        if (!kind)
          return Fail(BadArguments, QStringLiteral("--kinds takes binary, power, roots and combined, not \"") + word +
                                        QLatin1Char('"'));
        kinds[static_cast<std::size_t>(*kind)] = true;
      }
    } else if (name == QLatin1String("--seed")) {
      bool ok = false;
      const qulonglong seed = value.toULongLong(&ok);
      if (!ok) return Fail(BadArguments, QStringLiteral("--seed must be a whole number from 0 up: ") + value);
      options.Seed = seed;
    } else {
      const auto d = WholeIn(value, 1, MaxSheetDecimals);
      if (!d) return Fail(BadArguments, QStringLiteral("--decimals must be a whole number from 1 to %1: ").arg(MaxSheetDecimals) + value);
      options.Decimals = static_cast<int>(*d);
    }
  }
  if (out.isEmpty()) return Fail(BadArguments, QStringLiteral("--worksheet needs a file name"));

  options.Counts = SpreadCounts(exercises, kinds);
  Worksheet sheet;
  std::string reason;
  if (!MakeWorksheet(options, sheet, reason)) return Fail(Failed, ToQ(reason));

  QString error;
  const bool text = out.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
  LayoutOptions layout;
  layout.Graphs = graphs;
  const bool written = text ? WriteSheetText(out, sheet, &error) : WriteSheetPdf(out, LayOutWorksheet(sheet, layout), &error);
  if (!written) return Fail(Failed, QStringLiteral("cannot write ") + out + QStringLiteral(": ") + error);
  return 0;
}

int WorksheetMain(int argc, char* argv[]) {
  // Fonts and pages need a windowing platform; a script without a display gets the offscreen one.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // The command speaks for itself: what Qt would say about the platform does not go to stderr.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  });
  QGuiApplication app(argc, argv);
  return RunWorksheetCommand(QGuiApplication::arguments().mid(1));
}
