// SPDX-License-Identifier: MIT
#include "worksheet_print/worksheet_command.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>
#include <vector>

#include "lang/language.h"
#include "platform/program_folder.h"
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

QCommandLineOption Valued(const char* name) { return {QLatin1String(name), QString(), QStringLiteral("value")}; }

// The options that take a value, by name without the dashes.
const char* const ValueOptions[] = {"worksheet", "exercises", "kinds",   "seed",    "decimals", "title",
                                    "instructions", "space", "versions", "language"};
const char* const SwitchOptions[] = {"graphs", "polar-operands", "working"};

// The words --kinds takes, for its message: "binary, power, roots, combined and forms".
QString KindList() {
  QStringList words;
  for (int k = 0; k < ExerciseKindCount; ++k) words << ToQ(KindWord(static_cast<ExerciseKind>(k)));
  const QString last = words.takeLast();
  return words.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// The language of the program when --language is not given: the word in Lng.txt in the work
// folder, as the windows take it.
int ProgramLanguage() {
  Language language;
  language.Settle({QStringLiteral("Zorbit")}, WorkFolder());
  return language.Index();
}

// The first argument the parser could not take, as it was written.
QString Refused(const QStringList& arguments, const QCommandLineParser& parser) {
  for (const QString& argument : arguments) {
    if (!argument.startsWith(QLatin1Char('-'))) continue;
    const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
    if (parser.unknownOptionNames().contains(name)) return QStringLiteral("unknown argument: ") + argument;
  }
  // Otherwise the last option lacks its value.
  return arguments.last() + QStringLiteral(" needs a value");
}

}  // namespace

int RunWorksheetCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  // Options are written with two dashes; a single dash is no short form of them.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const char* name : ValueOptions) parser.addOption(Valued(name));
  for (const char* name : SwitchOptions) parser.addOption(QCommandLineOption(QLatin1String(name)));
  // The parser skips the first argument, the program.
  if (!parser.parse(QStringList{QStringLiteral("Zorbit")} + arguments)) return Fail(BadArguments, Refused(arguments, parser));
  if (!parser.positionalArguments().isEmpty())
    return Fail(BadArguments, QStringLiteral("unknown argument: ") + parser.positionalArguments().front());
  // An option's value is never the next option: "--decimals --graphs" lacks the decimals.
  for (const char* name : ValueOptions) {
    const QString option = QLatin1String(name);
    if (parser.isSet(option) && parser.value(option).startsWith(QLatin1String("--")))
      return Fail(BadArguments, QStringLiteral("--") + option + QStringLiteral(" needs a value"));
  }

  const QString out = parser.value(QStringLiteral("worksheet"));
  if (out.isEmpty()) return Fail(BadArguments, QStringLiteral("--worksheet needs a file name"));

  int exercises = DefaultExercises;
  if (parser.isSet(QStringLiteral("exercises"))) {
    const QString value = parser.value(QStringLiteral("exercises"));
    const auto n = WholeIn(value, 1, MaxSheetExercises);
    if (!n) return Fail(BadArguments, QStringLiteral("--exercises must be a whole number from 1 to %1: ").arg(MaxSheetExercises) + value);
    exercises = static_cast<int>(*n);
  }
  // The four kinds of the calculator by default; forms when asked for.
  std::array<bool, ExerciseKindCount> kinds{true, true, true, true, false};
  if (parser.isSet(QStringLiteral("kinds"))) {
    kinds = {};
    for (const QString& word : parser.value(QStringLiteral("kinds")).split(QLatin1Char(','))) {
      const auto kind = KindFromWord(FromQ(word.trimmed()));
      if (!kind)
        return Fail(BadArguments, QStringLiteral("--kinds takes ") + KindList() + QStringLiteral(", not \"") + word + QLatin1Char('"'));
      kinds[static_cast<std::size_t>(*kind)] = true;
    }
  }
  WorksheetOptions options;
  if (parser.isSet(QStringLiteral("seed"))) {
    const QString value = parser.value(QStringLiteral("seed"));
    bool ok = false;
    const qulonglong seed = value.toULongLong(&ok);
    if (!ok) return Fail(BadArguments, QStringLiteral("--seed must be a whole number from 0 up: ") + value);
    options.Seed = seed;
  }
  if (parser.isSet(QStringLiteral("decimals"))) {
    const QString value = parser.value(QStringLiteral("decimals"));
    const auto d = WholeIn(value, 1, MaxSheetDecimals);
    if (!d) return Fail(BadArguments, QStringLiteral("--decimals must be a whole number from 1 to %1: ").arg(MaxSheetDecimals) + value);
    options.Decimals = static_cast<int>(*d);
  }
  if (parser.isSet(QStringLiteral("versions"))) {
    const QString value = parser.value(QStringLiteral("versions"));
    const auto n = WholeIn(value, 1, MaxSheetVersions);
    if (!n) return Fail(BadArguments, QStringLiteral("--versions must be a whole number from 1 to %1: ").arg(MaxSheetVersions) + value);
    options.Versions = static_cast<int>(*n);
  }
  LayoutOptions layout;
  if (parser.isSet(QStringLiteral("space"))) {
    const QString value = parser.value(QStringLiteral("space"));
    const auto space = SpaceFromWord(FromQ(value));
    if (!space) return Fail(BadArguments, QStringLiteral("--space takes none, some or much, not \"") + value + QLatin1Char('"'));
    layout.Space = *space;
  }
  if (parser.isSet(QStringLiteral("language"))) {
    const QString value = parser.value(QStringLiteral("language"));
    const auto language = LanguageFromCode(FromQ(value));
    if (!language) return Fail(BadArguments, QStringLiteral("--language takes en, ca or es, not \"") + value + QLatin1Char('"'));
    options.Language = *language;
  } else {
    options.Language = ProgramLanguage();
  }
  options.Title = FromQ(parser.value(QStringLiteral("title")).trimmed());
  options.Instructions = FromQ(parser.value(QStringLiteral("instructions")).trimmed());
  options.PolarOperands = parser.isSet(QStringLiteral("polar-operands"));
  options.Working = parser.isSet(QStringLiteral("working"));
  layout.Graphs = parser.isSet(QStringLiteral("graphs"));

  options.Counts = SpreadCounts(exercises, kinds);
  Worksheet sheet;
  std::string reason;
  if (!MakeWorksheet(options, sheet, reason)) return Fail(Failed, ToQ(reason));

  QString error;
  const bool text = out.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
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
  // On X11, Qt would take "--title" for the first window's title: the sheet's title is kept
  // from it and handed back after Qt has read its own options.
  std::vector<char*> forQt;
  QStringList title;
  for (int i = 0; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    if (i > 0 && (argument == "--title" || argument == "-title") && i + 1 < argc) {
      title << QStringLiteral("--title") << QString::fromLocal8Bit(argv[++i]);
    } else if (i > 0 && argument.startsWith("--title=")) {
      title << QString::fromLocal8Bit(argument);
    } else {
      forQt.push_back(argv[i]);
    }
  }
  int count = static_cast<int>(forQt.size());
  forQt.push_back(nullptr);
  QGuiApplication app(count, forQt.data());
  QGuiApplication::setApplicationName(QStringLiteral("Zorbit"));
  return RunWorksheetCommand(QGuiApplication::arguments().mid(1) + title);
}
