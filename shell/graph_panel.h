// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>

#include "core/cplx.h"

class PictureBox;
class QLineEdit;
class QToolButton;
class Surface;

// The graph panel below the store: the plane of the last complex or calculation, its caption
// and the button that saves it.
class GraphPanel : public QFrame {
  Q_OBJECT

 public:
  explicit GraphPanel(QWidget* parent);

  PictureBox* PBox0 = nullptr;
  QLineEdit* EtZ = nullptr;
  QToolButton* BtGrf = nullptr;

  Surface& surface();
  // The default plane, empty.
  void ResetGraphPanel();
  // z on its plane, captioned with its cartesian form; 0 + 0i leaves the panel as it is.
  void ShowInGraphPanel(const Cplx& z);
  void SetCaption(const QString& caption);
  // Nothing drawn, no caption, nothing to save: the store's reset.
  void Empty();

 signals:
  // BtGrf: save the panel's picture.
  void SaveAsked();
};
