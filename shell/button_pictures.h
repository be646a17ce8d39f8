// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

// The pictures of the picture buttons, drawn on a canvas of ButtonPictureSide × ButtonPictureSide
// units so that they stay crisp at any scaling. Qt Gui alone draws them: the build draws them too.
enum class ButtonPicture { Incorporate, Random, Help, Calculate, Exercise, SaveImage, Working };
inline constexpr ButtonPicture ButtonPictures[] = {ButtonPicture::Incorporate, ButtonPicture::Random,
                                                   ButtonPicture::Help,        ButtonPicture::Calculate,
                                                   ButtonPicture::Exercise,    ButtonPicture::SaveImage,
                                                   ButtonPicture::Working};
inline constexpr int ButtonPictureSide = 24;

// The picture drawn at the device pixel ratio given.
QImage PaintButtonPicture(ButtonPicture picture, qreal ratio);

// The build draws each picture at 100 % into a raw picture (platform/raw_picture.h) of this name,
// which the program shows from its resources. At other scales the program draws the picture itself.
QString BuiltButtonPictureName(ButtonPicture picture);
// That picture as it lies in the resources; null where the resources lack it.
QImage BuiltButtonPicture(ButtonPicture picture);
