// SPDX-License-Identifier: MIT
// Times a worksheet of 1,000 exercises with its answers from the options to the PDF file, as
// "Save as PDF..." and the --worksheet command make it: drawing the exercises, laying out the
// pages and writing the file. Targets: under 2 s plain, under 4 s with the working under each
// answer, under 5 s with graphs.
// Run: QT_QPA_PLATFORM=offscreen build-rel/bench/zorbit_worksheet_bench
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <vector>

#include "worksheet/worksheet.h"
#include "worksheet_print/sheet_layout.h"
#include "worksheet_print/sheet_output.h"

namespace {

void Measure(const char* name, bool graphs, bool working, const QString& path) {
  std::vector<double> runs;
  std::vector<double> cpu;
  int pages = 0;
  for (int run = 0; run < 5; ++run) {
    QElapsedTimer timer;
    timer.start();
    // Processor time too: on a shared machine the wall clock also counts other people's work.
    const std::clock_t started = std::clock();
    WorksheetOptions options;
    options.Seed = 1000 + static_cast<unsigned>(run);
    options.Counts = SpreadCounts(1000, {true, true, true, true, true});
    options.Working = working;
    Worksheet sheet;
    std::string error;
    if (!MakeWorksheet(options, sheet, error)) qFatal("%s", error.c_str());
    LayoutOptions layout;
    layout.Graphs = graphs;
    const SheetLayout laid = LayOutWorksheet(sheet, layout);
    if (!WriteSheetPdf(path, laid)) qFatal("cannot write %s", qPrintable(path));
    runs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    cpu.push_back(static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC);
    pages = static_cast<int>(laid.Pages.size());
  }
  std::sort(runs.begin(), runs.end());
  std::sort(cpu.begin(), cpu.end());
  std::printf("%-36s median %5.2f s   worst %5.2f s   processor %5.2f s   (%d pages)\n", name, runs[runs.size() / 2],
              runs.back(), cpu[cpu.size() / 2], pages);
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  QTemporaryDir dir;
  Measure("1,000 exercises to PDF", false, false, dir.filePath(QStringLiteral("plain.pdf")));
  Measure("1,000 exercises to PDF with working", false, true, dir.filePath(QStringLiteral("working.pdf")));
  Measure("1,000 exercises to PDF with graphs", true, false, dir.filePath(QStringLiteral("graphs.pdf")));
  return 0;
}
