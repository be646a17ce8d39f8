// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <QCommandLineParser>

#include "about/version.h"

namespace {

// The worksheet command's own options, known only after --worksheet: those that take a value and
// the switches.
const QStringList WorksheetOptionsWithValue = {QStringLiteral("exercises"),    QStringLiteral("kinds"),
                                               QStringLiteral("seed"),         QStringLiteral("decimals"),
                                               QStringLiteral("instructions"), QStringLiteral("space"),
                                               QStringLiteral("versions"),     QStringLiteral("language")};
const QStringList WorksheetOptionsAlone = {QStringLiteral("graphs"), QStringLiteral("polar-operands"),
                                           QStringLiteral("working")};

// Qt reads these options of every Qt program itself, with one dash or two; they keep working.
const QStringList QtOptionsWithValue = {
    QStringLiteral("platform"),   QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),     QStringLiteral("qwindowgeometry"),    QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"), QStringLiteral("style"),            QStringLiteral("stylesheet"),
    QStringLiteral("session"),    QStringLiteral("display"),            QStringLiteral("geometry"),
    QStringLiteral("title"),      QStringLiteral("name")};
const QStringList QtOptionsAlone = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                    QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync")};

CommandLineRequest Refuse(const QString& line) { return {CommandLineAction::Refuse, line}; }

}  // namespace

CommandLineRequest ReadCommandLine(const QStringList& arguments) {
  // The usual start: the window, without the parser's code read in for nothing.
  if (arguments.isEmpty()) return {};
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringLiteral("version"));
  const QCommandLineOption worksheet(QStringLiteral("worksheet"));
  parser.addOptions({help, version, worksheet});
  for (const QString& name : QtOptionsWithValue + WorksheetOptionsWithValue)
    parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
  for (const QString& name : QtOptionsAlone + WorksheetOptionsAlone) parser.addOption(QCommandLineOption(name));

  // The words are the language library's: one that starts with a single dash ("-x") is a word and
  // not an option. "--" ends nothing, and "--help=1" or "--version=2" is none of those options:
  // the parser sees a word in their place, and they are refused below.
  const auto nameOf = [](const QString& argument) { return argument.mid(2).section(QLatin1Char('='), 0, 0); };
  const auto misused = [&](const QString& argument) {
    return argument == QStringLiteral("--") ||
           (argument.contains(QLatin1Char('=')) && (help.names() + version.names() + worksheet.names()).contains(nameOf(argument)));
  };
  QStringList line = {QStringLiteral("Zorbit")};
  for (const QString& argument : arguments) {
    const bool option = argument.startsWith(QStringLiteral("--")) || argument == QStringLiteral("-h");
    line << (option && !misused(argument) ? argument : QStringLiteral("word"));
  }
  parser.parse(line);

  if (parser.isSet(help)) return {CommandLineAction::ShowHelp, {}};
  if (parser.isSet(version)) return {CommandLineAction::ShowVersion, {}};
  if (parser.isSet(worksheet)) return {CommandLineAction::Worksheet, {}};
  // The first option the program does not take is named.
  for (const QString& argument : arguments) {
    if (!argument.startsWith(QStringLiteral("--"))) continue;
    const QString name = nameOf(argument);
    if (misused(argument) || parser.unknownOptionNames().contains(name))
      return Refuse(QStringLiteral("Zorbit: unknown option %1; see Zorbit --help").arg(argument));
    if ((WorksheetOptionsWithValue + WorksheetOptionsAlone).contains(name) && parser.isSet(name))
      return Refuse(QStringLiteral("Zorbit: --%1 goes with --worksheet; see Zorbit --help").arg(name));
  }
  return {CommandLineAction::OpenWindow, {}};
}

QString UsageText() {
  return QStringLiteral(
      "Usage: Zorbit [cat | esp]\n"
      "       Zorbit --worksheet OUT.pdf [--exercises N] [--kinds LIST] [--seed S]\n"
      "              [--decimals D] [--graphs] [--title T] [--instructions I]\n"
      "              [--space none|some|much] [--versions N] [--polar-operands]\n"
      "              [--working] [--language en|ca|es]\n"
      "       Zorbit --help | --version\n"
      "\n"
      "Zorbit is a teaching calculator for complex numbers: the four operations, powers, roots\n"
      "and typed formulas, drawn in the complex plane and written out as exercises.\n"
      "\n"
      "Language of the file dialog, the tools editor and the exercise window:\n"
      "  cat                 Catalan\n"
      "  esp                 Spanish\n"
      "  any other word      English\n"
      "  no word             the first word of Lng.txt in the work folder, else English\n"
      "\n"
      "A worksheet without a window:\n"
      "  --worksheet OUT     write numbered exercises and their answers to OUT.pdf,\n"
      "                      or as text when OUT ends in .txt\n"
      "  --exercises N       how many exercises (20 by default), spread evenly over the kinds\n"
      "  --kinds LIST        the kinds, separated by commas: binary,power,roots,combined\n"
      "                      (the default), and forms (write a complex in the other form)\n"
      "  --seed S            the same seed gives the same sheet\n"
      "  --decimals D        decimals of the answers\n"
      "  --graphs            draw the graph of each answer\n"
      "  --title T           the sheet's title (\"Complex numbers\" by default)\n"
      "  --instructions I    a line of instructions under the title (none by default)\n"
      "  --space S           room to work under each exercise: none (default), some, much\n"
      "  --versions N        N sheets with different numbers, Version A, B, ..., each on new\n"
      "                      pages, then every version's answer key (1 to 60, 1 by default)\n"
      "  --polar-operands    binary exercises give their operands in polar form\n"
      "  --working           the working under each answer of the key\n"
      "  --language L        en, ca or es: the sheet's words (default: Lng.txt, as the windows)\n"
      "\n"
      "  -h, --help          show this text and end\n"
      "  --version           show the version and end\n"
      "\n"
      "Zorbit keeps its work (Tools.rel, Lng.txt, the exercise sheets in Prbls/, the images in\n"
      "Graphs/, the stored complexes in Session.json) beside the program when it runs from a\n"
      "writable folder of its own, and otherwise, as when it is installed, in the per-user data\n"
      "folder (~/.local/share/Zorbit).\n");
}

QString VersionLine() {
  return QStringLiteral("%1 %2.%3.%4")
      .arg(QString::fromUtf8(ProgramTitle))
      .arg(ProgramVersionMajor)
      .arg(ProgramVersionMinor)
      .arg(ProgramVersionRevision);
}
