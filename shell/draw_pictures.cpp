// SPDX-License-Identifier: MIT
// Draws, into files of raw pixels the program shows from its resources as they lie, the pictures
// its first paint would otherwise draw: the picture buttons' pictures at 100 %, and the indicator
// of the check box on the binary operations' card, ticked and not, as the style Qt gives a desktop
// that names none draws it. draw_pictures <folder>.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QStyleOptionButton>
#include <cstdio>

#include "platform/raw_picture.h"
#include "shell/button_pictures.h"
#include "shell/check_indicator.h"
#include "shell/form1_look.h"

namespace {

// A check box's option as it paints its indicator.
class Box : public QCheckBox {
 public:
  QStyleOptionButton Indicator(bool ticked) {
    setChecked(ticked);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    return option;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) return 1;
  for (ButtonPicture picture : ButtonPictures)
    if (!WriteRawPicture(folder.filePath(BuiltButtonPictureName(picture)), PaintButtonPicture(picture, 1))) return 1;
  Box box;
  PutOnCard(box, PanelColors::Binary);
  const QStyle& style = *QApplication::style();
  for (bool ticked : {true, false}) {
    const QStyleOptionButton option = box.Indicator(ticked);
    if (!WriteRawPicture(folder.filePath(CheckIndicatorName(ticked)), DrawnCheckIndicator(style, option),
                         CheckIndicatorKey(style, option)))
      return 1;
  }
  return 0;
}
