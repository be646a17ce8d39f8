// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>
#include <functional>

#include "platform/program_font.h"
#include "shell/button_pictures.h"

class QWidget;

// The one font of the main window: its captions, boxes, lists, keys and the results table.
QString Form1FontFamily();
inline constexpr double Form1FontSize = ProgramFontSize;  // points

// The colours of the panels; the shapes behind them take the same ones at load.
namespace PanelColors {
inline const QColor Entry{226, 237, 251};
inline const QColor Store{226, 243, 229};
inline const QColor Binary{252, 243, 218};
inline const QColor Unary{238, 232, 248};
inline const QColor Combined{251, 232, 225};
inline const QColor Graph{236, 241, 246};
}  // namespace PanelColors

// A picture button's icon: at 100 % the picture the build drew, at 200 % drawn when first shown.
QIcon ButtonIcon(ButtonPicture picture);
// An icon drawn by `draw` on a 24 x 24 canvas at the device pixel ratio it is given: at 100 % and
// at 200 %, each when first shown.
QIcon TwoScaleIcon(std::function<QPixmap(qreal ratio)> draw);
