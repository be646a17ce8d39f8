// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

class PictureBox;

// Whoever draws the graph windows' graphs: the main window. A linked window asks it by its Tag.
class GraphSource {
 public:
  virtual ~GraphSource() = default;
  virtual void AccioGrf(const QString& tag) = 0;
};

// A graph window: one picture box that always fills the client area. A linked window asks its
// source for its graph when shown and whenever its size or resolution changes, until it is
// closed; the spare window is never linked and shows pictures.
class FGraf : public QWidget {
  Q_OBJECT

 public:
  explicit FGraf(QWidget* parent = nullptr);

  PictureBox* PBox = nullptr;
  // The operation index "0" to "3"; emptied when the window is closed.
  QString Tag;

  void Linka(GraphSource* source);
  bool Linked() const { return source_ != nullptr; }

  // Designed client area, in twips.
  static constexpr double DesignWidth = 2325;
  static constexpr double DesignHeight = 1665;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Resize();
  void Form_Unload();
  void AskForGraph();
  void PBox_Resized();

  GraphSource* source_ = nullptr;
  double drawnRatio_ = 0;  // the pixel ratio the last graph was drawn at
};

// Where graph window k stands, in twips: to the right of the main window with a gap of 100, the
// windows stacked downwards a tenth of their height apart, the first 100 above the main window's
// top. h is the outer height of the spare graph window.
QPointF GraphWindowPositionTwips(double mainLeft, double mainTop, double mainWidth, int k, double h);
// The same in pixels, from the main window's frame and the spare window's outer height: the
// point to move() the graph window to (the top left of its frame).
QPoint GraphWindowPosition(const QRect& mainFrame, int k, int spareOuterHeight);

// Makes a new graph window the one of operation k: caption, colours, icon, link and Tag.
void SetUpGraphWindow(FGraf& window, int k, const QString& caption, const QIcon& icon, GraphSource* source);
