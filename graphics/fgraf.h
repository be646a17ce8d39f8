// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPoint>
#include <QRect>
#include <QSize>
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

  // Designed client area, in twips: room for the axes' numbers and the labels.
  static constexpr double DesignWidth = 5400;
  static constexpr double DesignHeight = 4200;

  // Sets the client area's size without counting it as the user's choice.
  void ApplySize(const QSize& size);

 signals:
  // The user gave the window a new client size (by its frame or a program acting for them).
  void SizeChosen(const QSize& size);

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
  bool applying_ = false;  // the program is setting the size
};

// The size of the graph windows' client area the user chose last, kept across runs in the
// settings under "graphs/size"; the designed size until one is chosen. A size too small to read
// a graph is taken as the smallest readable one.
QSize StoredGraphWindowSize();
void StoreGraphWindowSize(const QSize& size);
inline constexpr int SmallestGraphWindowSide = 160;

// "Sum  Z1 + Z2", "Difference  Z1 − Z2", ...: the caption of graph window k.
QString GraphWindowCaption(int k);

// Where graph window k of outer size `outer` stands: right of the main window, the four stacked
// downwards a tenth of their height apart, the first a little above the main window's top, all
// on the available area of the screen: moved in from its right edge (over the main window when
// that fills the screen) and stacked closer when four do not fit one under another.
QPoint GraphWindowPlace(const QRect& mainFrame, int k, const QSize& outer, const QRect& available);

// Makes a new graph window the one of operation k: caption, colours, icon, link and Tag.
void SetUpGraphWindow(FGraf& window, int k, const QString& caption, const QIcon& icon, GraphSource* source);
