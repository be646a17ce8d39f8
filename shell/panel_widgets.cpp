// SPDX-License-Identifier: MIT
#include "shell/panel_widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

QString Indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

QLabel* Label(QWidget* parent, const QString& text, double left, double top, double width, double height,
              const QString& name) {
  auto* label = new QLabel(text, parent);
  if (!name.isEmpty()) label->setObjectName(name);
  PlaceTwips(label, left, top, width, height);
  return label;
}

QLabel* Hint(QWidget* parent, const QString& text, double left, double top, double width, double height) {
  QLabel* label = Label(parent, text, left, top, width, height);
  label->setProperty("hint", true);
  label->setWordWrap(true);
  return label;
}

QLineEdit* Box(QWidget* parent, const QString& name, double left, double top, double width, bool readOnly) {
  auto* box = Named(new QLineEdit(parent), name);
  box->setReadOnly(readOnly);
  PlaceTwips(box, left, top, width, 360);
  return box;
}

QToolButton* PictureButton(QWidget* parent, const QString& name, ButtonPicture picture, const QString& tip,
                           double left, double top, double width, double height) {
  auto* button = Named(new QToolButton(parent), name);
  button->setIcon(ButtonIcon(picture));
  button->setIconSize(QSize(20, 20));
  button->setToolTip(tip);
  button->setAccessibleName(tip);
  button->setFocusPolicy(Qt::StrongFocus);
  PlaceTwips(button, left, top, width, height);
  return button;
}

QComboBox* Combo(QWidget* parent, const QString& name, bool editable, double left, double top, double width) {
  auto* combo = Named(new QComboBox(parent), name);
  combo->setEditable(editable);
  // A typed value is read where it is used; Enter does not add it to the offered ones.
  if (editable) combo->setInsertPolicy(QComboBox::NoInsert);
  PlaceTwips(combo, left, top, width, 360);
  return combo;
}

void MakePanel(QGroupBox* panel, const char* name, const QColor& color, double left, double top, double width,
               double height) {
  panel->setObjectName(QLatin1String(name));
  panel->setStyleSheet(QStringLiteral("QGroupBox#%1 { background-color: %2; }").arg(QLatin1String(name), color.name()));
  panel->setProperty("panelColor", color);
  PlaceTwips(panel, left, top, width, height);
}
