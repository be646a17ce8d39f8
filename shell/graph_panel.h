// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>
#include <functional>

#include "core/cplx.h"
#include "graphics/plane.h"
#include "graphics/plane_box.h"

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

  PlaneBox* PBox0 = nullptr;
  QLineEdit* EtZ = nullptr;
  QToolButton* BtGrf = nullptr;
  // The scale the picture was last drawn on.
  PlaneScale Scale;

  // What the picture shows: the tip of a complex can be dragged, roots and results cannot.
  enum class Shows { Nothing, Plane, Complex, Roots, Result };
  Shows Showing() const { return shows_; }
  // The complex on show while Showing() is Complex or Result.
  const Cplx& Shown() const { return shown_; }

  Surface& surface();
  // The default plane, empty.
  void ResetGraphPanel();
  // z on its plane, captioned with its cartesian form and labelled (a letter; "z" when empty);
  // 0 + 0i leaves the panel as it is. The view fits z again.
  void ShowInGraphPanel(const Cplx& z, const QString& label = QString());
  // A power: the base, the result and their arguments' arcs, not to be dragged; the caller writes
  // the caption.
  void ShowPower(const Cplx& base, double exponent, const Cplx& result);
  // The value of a combined formula, captioned and labelled with the formula, not to be dragged.
  void ShowCombined(const Cplx& value, const QString& formula);
  // z as it is being moved, on the window on show, 0 + 0i included.
  void ShowMoved(const Cplx& z);
  // What is on show, drawn again through the picture's view (after a zoom or a pan).
  void Redraw();
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
  // Draws the picture and keeps the drawing, to draw it again at a new size or view; each
  // drawing answers the scale it drew on.
  void Show(Shows shows, std::function<PlaneScale()> drawing);
  void ShowComplex(Shows shows, const Cplx& z, const QString& label);
  void Describe(const QString& what);

  std::function<PlaneScale()> drawing_;
  Shows shows_ = Shows::Nothing;
  Cplx shown_;
  QString label_;  // the arrow's name on show
};
