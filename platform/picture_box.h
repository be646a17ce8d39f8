// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "platform/surface.h"

// A control that shows a retained picture surface. Its drawable area follows the widget's size;
// when the program sets the surface's outer size, the widget follows that instead. Mouse
// positions are reported in twips of the drawable area.
class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr, bool bordered = false);

  // The surface, sized to the widget's current geometry even while the widget is hidden.
  Surface& surface() {
    FollowWidgetSize();
    return surface_;
  }
  const Surface& surface() const { return surface_; }

  QSize sizeHint() const override;

 signals:
  void Resized();
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
  void DblClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  int BorderPixels() const { return bordered_ ? 2 : 0; }
  void FollowWidgetSize();

  bool bordered_;
  bool followingSurface_ = false;
  Surface surface_;
};
