// SPDX-License-Identifier: MIT
#include "graphics/save_graph.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <QTimer>

#include "graphics/fgraf.h"
#include "graphics/save_svg.h"
#include "paths/path_helpers.h"
#include "platform/qtext.h"
#include "platform/picture_box.h"
#include "platform/surface.h"
#include "platform/twips.h"

namespace {

const QString GraphsFolder = QStringLiteral("Graphs");

QString FileNamePart(const QString& path) { return ToQ(FileNameOf(FromQ(path))); }

// Base and extension, split at the last "." of the file-name part: "(1.5+i)+(2).jpg" gives
// "(1.5+i)+(2)" and "jpg".
void SplitAtExtension(const QString& path, QString& base, QString& ext) {
  std::string b, e;
  SplitExt(FromQ(path), b, e);
  base = ToQ(b);
  ext = ToQ(e);
}

bool IsOfferedType(const QString& ext) {
  const QString lower = ext.toLower();
  return lower == QLatin1String("jpg") || lower == QLatin1String("bmp") || lower == QLatin1String("png") ||
         lower == QLatin1String("svg");
}

QString TraskoName() { return CompanionFileName(QStringLiteral("Trasko")); }

// What a file looked like before the converter ran. Taken at once: QFileInfo reads lazily.
struct FileStamp {
  bool Exists = false;
  QDateTime Modified;
  QDateTime Changed;
  qint64 Size = -1;

  static FileStamp Of(const QString& path) {
    QFileInfo info(path);
    info.setCaching(false);
    if (!info.exists()) return {};
    return {true, info.lastModified(), info.fileTime(QFileDevice::FileMetadataChangeTime), info.size()};
  }
  bool operator==(const FileStamp&) const = default;
};

// Waits, with the windows still painting but taking no input, until `jpeg` is there and is
// not the old file `before` described. False when the time runs out.
bool WaitForConverter(const QString& jpeg, const FileStamp& before, int waitMs) {
  auto arrived = [&] {
    const FileStamp now = FileStamp::Of(jpeg);
    return now.Exists && !(before.Exists && now == before);
  };
  if (arrived()) return true;
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer poll;
  bool done = false;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    done = arrived();
    if (done || clock.elapsed() >= waitMs) loop.quit();
  });
  poll.start(25);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  return done;
}

}  // namespace

QImage ScaledGraphImage(const Surface& surface, int width) {
  const double logicalWidth = TwipsToPixels(surface.ScaleWidth());
  const double logicalHeight = TwipsToPixels(surface.ScaleHeight());
  if (width <= 0 || !(logicalWidth > 0) || !(logicalHeight > 0)) return {};
  const double factor = width / logicalWidth;
  const int height = std::max(1, static_cast<int>(std::lround(logicalHeight * factor)));
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return {};
  image.fill(surface.BackColor());
  // Texts are measured at the surface's resolution, as on the screen.
  const int dotsPerMeter = static_cast<int>(std::lround(TwipsPerInch / TwipsPerPixel() / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  QPainter painter(&image);
  painter.scale(factor, factor);
  surface.Replay(painter);
  return image;
}

SaveOutcome GuardaGrf(const QString& name, const Surface& surface, bool ask, GraphSaveContext& context) {
  SaveOutcome outcome = SaveOutcome::NotSaved;
  // However the save ends, the program folder is the current folder again.
  struct Restore {
    const QString& folder;
    ~Restore() {
      if (!folder.isEmpty()) QDir::setCurrent(folder);
    }
  } restore{context.ProgramFolder};

  if (!QDir().mkpath(GraphsFolder)) return outcome;

  QString path;
  if (ask) {
    context.LastSavedName = name;
    if (context.AskSavePath) path = context.AskSavePath(name, GraphsFolder, QString::fromLatin1(GraphTypeList));
    // Only a cancel saves nothing: the proposed name, accepted, is a name like any other.
    if (path.isEmpty()) return outcome;
  } else {
    path = GraphsFolder + QDir::separator() + name + QStringLiteral(".jpg");
  }

  QString base, ext;
  SplitAtExtension(path, base, ext);
  // A name typed without one of the offered types is saved as the first of them.
  if (!IsOfferedType(ext)) {
    path += QStringLiteral(".jpg");
    SplitAtExtension(path, base, ext);
  }

  if (QFileInfo::exists(path)) {
    // The title names the file that would be replaced.
    const QString title = FileNamePart(path) + QStringLiteral(" File exists");
    if (context.seams.Messages->Show(QStringLiteral("replace it?"), title, MsgButtons::YesNo, MsgIcon::Question) ==
        MsgAnswer::No)
      return outcome;
  }

  const QString lowerExt = ext.toLower();
  const bool toJpeg = lowerExt == QLatin1String("jpg");
  if (toJpeg) path = base + QStringLiteral(".bmp");
  const bool existed = QFileInfo::exists(path);

  bool written = false;
  if (lowerExt == QLatin1String("png")) {
    const int width = context.AskPngWidth ? context.AskPngWidth(DefaultPngWidth) : DefaultPngWidth;
    if (width <= 0) return outcome;
    const QImage image = ScaledGraphImage(surface, std::min(width, 20000));
    written = !image.isNull() && image.save(path, "PNG");
  } else if (lowerExt == QLatin1String("svg")) {
    written = SaveSurfaceSvg(surface, path, FileNamePart(base));
  } else {
    written = surface.SaveBitmap(path);
  }
  if (!written) return outcome;
  outcome = SaveOutcome::Saved;
  context.LastSavedName = FileNamePart(path);

  if (toJpeg) {
    const QString jpeg = base + QStringLiteral(".jpg");
    outcome = SaveOutcome::ConverterMissing;
    if (!QFileInfo::exists(CompanionPath(QStringLiteral("Trasko")))) return outcome;
    // The user agreed to replace an old JPEG: it goes first, so that only the converter's new
    // file can end the wait. One that cannot be removed is told apart by its time stamps.
    QFile::remove(jpeg);
    const FileStamp before = FileStamp::Of(jpeg);
    if (!context.seams.Processes->Start(CompanionCommand(QStringLiteral("Trasko"), path), WindowStyle::NormalFocus))
      return outcome;
    if (!WaitForConverter(jpeg, before, context.ConverterWaitMs)) return SaveOutcome::ConverterSilent;
    if (!existed) QFile::remove(path);
    context.LastSavedName = FileNamePart(jpeg);
    outcome = SaveOutcome::Saved;
  }
  return outcome;
}

void MsgGr(const QString& text, SaveOutcome outcome, MessageSeam& messages) {
  switch (outcome) {
    case SaveOutcome::NotSaved: messages.Show(text, QStringLiteral("Not saved"), MsgButtons::Ok); break;
    case SaveOutcome::Saved: messages.Show(text, QStringLiteral("Saved"), MsgButtons::Ok); break;
    case SaveOutcome::ConverterMissing:
      messages.Show(QStringLiteral("Conversor (%1) not found").arg(TraskoName()), QStringLiteral("Saved ") + text,
                    MsgButtons::Ok);
      break;
    case SaveOutcome::ConverterSilent:
      messages.Show(QStringLiteral("Conversor (%1) wrote no JPEG in time; the bitmap is kept").arg(TraskoName()),
                    QStringLiteral("Saved ") + text, MsgButtons::Ok, MsgIcon::Warning);
      break;
  }
}

QString OperationGraphName(int j, const QString& z1Text, const QString& z2Text) {
  static const QString signs = QStringLiteral("+-\u00b7\u00f7");
  return QLatin1Char('(') + z1Text + QLatin1Char(')') + signs.at(j) + QLatin1Char('(') + z2Text + QLatin1Char(')');
}

std::array<const Surface*, 4> GraphSurfaces(const std::array<FGraf*, 4>& windows) {
  std::array<const Surface*, 4> surfaces{};
  for (std::size_t j = 0; j < 4; ++j)
    if (windows[j] && windows[j]->PBox) surfaces[j] = &windows[j]->PBox->surface();
  return surfaces;
}

void SaveGraphPanel(const QString& name, const Surface& surface, GraphSaveContext& context) {
  const SaveOutcome outcome = GuardaGrf(name, surface, true, context);
  MsgGr(context.LastSavedName, outcome, *context.seams.Messages);
}

void SaveOperationGraphs(int index, const QString& z1Text, const QString& z2Text,
                         const std::array<const Surface*, 4>& surfaces, GraphSaveContext& context) {
  if (index < 1 || index > 5) return;
  const int first = index == 5 ? 0 : index - 1;
  const int last = index == 5 ? 3 : index - 1;
  QString list;
  SaveOutcome worst = SaveOutcome::NotSaved;
  for (int j = first; j <= last; ++j) {
    const Surface* surface = surfaces[static_cast<std::size_t>(j)];
    if (!surface) continue;
    const SaveOutcome outcome = GuardaGrf(OperationGraphName(j, z1Text, z2Text), *surface, true, context);
    if (outcome > worst) worst = outcome;
    list += context.LastSavedName + QLatin1Char(' ');
  }
  MsgGr(list, worst, *context.seams.Messages);
}
