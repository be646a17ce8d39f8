// SPDX-License-Identifier: MIT
#include "shell/panel_widgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

QString Indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

QLabel* Label(QWidget* parent, const QString& text, const QString& name) {
  auto* label = new QLabel(text, parent);
  if (!name.isEmpty()) label->setObjectName(name);
  return label;
}

QLabel* Hint(QWidget* parent, const QString& text) {
  QLabel* label = Label(parent, text);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0x6a, 0x75, 0x88));
  label->setPalette(palette);
  label->setWordWrap(true);
  return label;
}

QLineEdit* Box(QWidget* parent, const QString& name, bool readOnly) {
  auto* box = Named(new QLineEdit(parent), name);
  box->setReadOnly(readOnly);
  box->setFixedHeight(RowHeight);
  box->setMinimumWidth(60);
  return box;
}

QToolButton* PictureButton(QWidget* parent, const QString& name, ButtonPicture picture, const QString& tip, int width,
                           int height) {
  auto* button = Named(new QToolButton(parent), name);
  button->setIcon(ButtonIcon(picture));
  button->setIconSize(QSize(20, 20));
  button->setToolTip(tip);
  button->setAccessibleName(tip);
  button->setFocusPolicy(Qt::StrongFocus);
  button->setFixedSize(width, height);
  return button;
}

QComboBox* Combo(QWidget* parent, const QString& name, bool editable, int width) {
  auto* combo = Named(new FixedSize<QComboBox>(parent), name);
  combo->setFixedSize(width, RowHeight);
  if (editable) {
    // Given its line edit as setEditable(true) gives it, but without the list's pop-up, which
    // setEditable builds at once, styled as for a selector that is not editable yet. Built when
    // first shown, it is the same drop-down list.
    auto* line = new QLineEdit(combo);
    line->setPalette(combo->palette());
    combo->setLineEdit(line);
    // A typed value is read where it is used; Enter does not add it to the offered ones.
    combo->setInsertPolicy(QComboBox::NoInsert);
  }
  return combo;
}

void MakePanel(QGroupBox* panel, const char* name, const QColor& color) {
  panel->setObjectName(QLatin1String(name));
  panel->setProperty("panelColor", color);
}

void MakeInnerPanel(QGroupBox* panel) {
  panel->setProperty("panelColor", QColor(255, 255, 255, 120));
  panel->setProperty("cardBorder", QColor(90, 70, 140, 60));
  // The border takes room from the contents: the panel measures them again.
  QEvent restyled(QEvent::StyleChange);
  QCoreApplication::sendEvent(panel, &restyled);
}

QGridLayout* PanelGrid(QGroupBox* panel) {
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(10, 8, 10, 8);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(6);
  return grid;
}

QHBoxLayout* Row() {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(6);
  return row;
}
