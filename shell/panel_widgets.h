// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QSize>
#include <QString>

#include "shell/form1_look.h"

class QBoxLayout;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

// The small builders the panels make their controls with. The panels' layouts place them; sizes
// given here are logical pixels.

// One line of a box, a list's selector or a key: the height the panels' rows are built on.
inline constexpr int RowHeight = 24;

// "EdN(0)": the objectName of a member of a control array.
QString Indexed(const char* name, int i);

template <typename W>
W* Named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

// A control whose size the panel fixes: the layout takes that size without measuring what the
// control shows (a key's caption, every item of a selector), which the panels' many keys and
// selectors would do once each as the window first shows. A size not fixed is measured as usual.
template <typename Control>
class FixedSize : public Control {
 public:
  using Control::Control;
  QSize sizeHint() const override { return Fixed() ? this->minimumSize() : Control::sizeHint(); }
  QSize minimumSizeHint() const override { return Fixed() ? this->minimumSize() : Control::minimumSizeHint(); }

 private:
  bool Fixed() const { return this->minimumSize() == this->maximumSize(); }
};

QLabel* Label(QWidget* parent, const QString& text, const QString& name = QString());
// A small grey explanation that wraps.
QLabel* Hint(QWidget* parent, const QString& text);
// A one-line box that grows with its row.
QLineEdit* Box(QWidget* parent, const QString& name, bool readOnly);
QToolButton* PictureButton(QWidget* parent, const QString& name, ButtonPicture picture, const QString& tip,
                           int width = 32, int height = 28);
// A selector of the given width.
QComboBox* Combo(QWidget* parent, const QString& name, bool editable, int width);
// A panel card in its colour; the colour is kept as the "panelColor" property for its shape.
void MakePanel(QGroupBox* panel, const char* name, const QColor& color);
// A panel inside another one: a pale card with a thin border.
void MakeInnerPanel(QGroupBox* panel);
// The grid of a panel card: its margins keep the controls clear of the caption and the edges.
QGridLayout* PanelGrid(QGroupBox* panel);
// A row of controls with the panels' spacing and no margins.
QHBoxLayout* Row();
