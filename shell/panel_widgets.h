// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>

#include "shell/form1_look.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

// The small builders the panels make their controls with. Positions and sizes are in twips,
// relative to the parent.

// "EdN(0)": the objectName of a member of a control array.
QString Indexed(const char* name, int i);

template <typename W>
W* Named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

QLabel* Label(QWidget* parent, const QString& text, double left, double top, double width, double height,
              const QString& name = QString());
// A small grey explanation that wraps.
QLabel* Hint(QWidget* parent, const QString& text, double left, double top, double width, double height);
QLineEdit* Box(QWidget* parent, const QString& name, double left, double top, double width, bool readOnly);
QToolButton* PictureButton(QWidget* parent, const QString& name, ButtonPicture picture, const QString& tip,
                           double left, double top, double width = 480, double height = 420);
QComboBox* Combo(QWidget* parent, const QString& name, bool editable, double left, double top, double width);
// A panel card in its colour; the colour is kept as the "panelColor" property for its shape.
void MakePanel(QGroupBox* panel, const char* name, const QColor& color, double left, double top, double width,
               double height);
