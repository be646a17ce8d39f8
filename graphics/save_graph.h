// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "platform/seams.h"

class FGraf;
class Surface;

// Outcome of saving a graph, from the best to the worst: a report of several saves carries the
// greatest.
enum class SaveOutcome : std::int16_t {
  NotSaved = 0,
  Saved = 1,
  ConverterMissing = 2,  // written as a bitmap; the converter is missing or could not be started
  ConverterSilent = 3,   // written as a bitmap; the converter was started but no JPEG came in time
};

// The file types offered when a graph is saved with the dialog.
inline constexpr const char* GraphTypeList = "*.jpg|*.bmp|*.png|*.svg";

// The width a PNG is proposed at, in pixels.
inline constexpr int DefaultPngWidth = 1200;

// What saving a graph needs from the window that asks for it. The main window keeps one.
struct GraphSaveContext {
  Seams seams = DefaultSeams();
  // The file dialog in save mode with the name field preset: (proposed name, start folder, type
  // list) -> the chosen full path, or "" on Cancel.
  std::function<QString(const QString& proposedName, const QString& startFolder, const QString& typeList)> AskSavePath;
  // The current folder is set back to it when a save ends; empty: left as it is.
  QString ProgramFolder;
  // The file name of the last file written, or the name last proposed in the dialog.
  QString LastSavedName;
  // How long to wait for the converter's JPEG.
  int ConverterWaitMs = 15000;
  // The width of a PNG, asked with the proposed one: the chosen width, or 0 for Cancel.
  // Unset: DefaultPngWidth.
  std::function<int(int proposedWidth)> AskPngWidth;
};

// Saves the surface's picture under "Graphs" in the current folder (created when missing).
// ask: the user chooses the file in the dialog, starting with `name`; accepting it as proposed
// saves under that name with the chosen type's extension. Otherwise the file is
// Graphs/<name>.jpg. A ".jpg" is written as a bitmap and handed to the converter Trasko, which
// writes the JPEG beside it; the bitmap goes afterwards unless it was there before. ".png" is
// the same drawing at the width the user chooses, ".svg" the same drawing as vectors. An
// existing file is replaced only after a Yes to "replace it?".
SaveOutcome GuardaGrf(const QString& name, const Surface& surface, bool ask, GraphSaveContext& context);

// The surface's drawing as an image `width` pixels wide, in its proportions: lines and texts
// drawn again at that size, not the screen's pixels stretched.
QImage ScaledGraphImage(const Surface& surface, int width);

// Reports a save: "Not saved", "Saved", or that the converter is missing or silent.
void MsgGr(const QString& text, SaveOutcome outcome, MessageSeam& messages);

// "(" + z1 + ")" + the operation's sign "+-·÷"[j] + "(" + z2 + ")": the name of graph j.
QString OperationGraphName(int j, const QString& z1Text, const QString& z2Text);

// The pictures of the four graph windows, in operation order; null for a window that is missing.
std::array<const Surface*, 4> GraphSurfaces(const std::array<FGraf*, 4>& windows);

// The graph panel's save button: asks with the panel's current complex as name, then reports.
void SaveGraphPanel(const QString& name, const Surface& surface, GraphSaveContext& context);

// The Save menu's image items: index 1 to 4 saves that operation's graph, 5 all four, each with
// the dialog; one report lists every name and carries the worst outcome.
void SaveOperationGraphs(int index, const QString& z1Text, const QString& z2Text,
                         const std::array<const Surface*, 4>& surfaces, GraphSaveContext& context);
