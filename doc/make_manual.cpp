// SPDX-License-Identifier: MIT
// Prints the manual's HTML into the PDF the program opens from Info ▸ Info. Run by the build.
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_manual manual.html Zorbit.pdf\n");
    return 2;
  }
  QFile html(QString::fromLocal8Bit(argv[1]));
  if (!html.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "make_manual: cannot read %s\n", argv[1]);
    return 1;
  }
  QTextDocument document;
  document.setHtml(QString::fromUtf8(html.readAll()));

  QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
  writer.setTitle(QStringLiteral("Zorbit manual"));
  writer.setCreator(QStringLiteral("Zorbit"));
  document.print(&writer);
  if (!QFile::exists(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "make_manual: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
