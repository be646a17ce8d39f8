// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>
#include <functional>

#include "core/cplx.h"
#include "graphics/plane.h"

class PictureBox;
class QLineEdit;
class QToolButton;
class Surface;

// The graph panel below the store: the plane of the last complex or calculation, its caption
// and the button that saves it. The picture takes the room the window gives the panel, and what
// it shows is drawn again whenever its size changes.
class GraphPanel : public QFrame {
  Q_OBJECT

 public:
  explicit GraphPanel(QWidget* parent);

  PictureBox* PBox0 = nullptr;
  QLineEdit* EtZ = nullptr;
  QToolButton* BtGrf = nullptr;
  // The scale the picture was last drawn on.
  PlaneScale Scale;

  Surface& surface();
  // The default plane, empty.
  void ResetGraphPanel();
  // z on its plane, captioned with its cartesian form and labelled (a letter; "z" when empty);
  // 0 + 0i leaves the panel as it is.
  void ShowInGraphPanel(const Cplx& z, const QString& label = QString());
  // A power: the base, the result and their arguments' arcs; the caller writes the caption.
  void ShowPower(const Cplx& base, double exponent, const Cplx& result);
  // The value of a combined formula, captioned and labelled with the formula.
  void ShowCombined(const Cplx& value, const QString& formula);
  // The n roots that start at first, step degrees apart.
  void ShowRoots(const Cplx& first, double step, int n);
  void SetCaption(const QString& caption);
  // A blank picture; the caption stays.
  void ClearPicture();
  // Nothing drawn, no caption, nothing to save: the store's reset.
  void Empty();

 signals:
  // BtGrf: save the panel's picture.
  void SaveAsked();

 private:
  // Draws the picture and keeps the drawing, to draw it again at a new size.
  void Show(std::function<void()> drawing);

  std::function<void()> drawing_;
};
