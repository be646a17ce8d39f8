// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QWidget>

// Lines of text beside a table, one in each of its rows, on the ground of the panel beneath. Each
// baseline lies four fifths down its row, where a text box with rows of a fixed height puts it:
// the lines stand level with the table's own texts.
class RowCaptions : public QWidget {
 public:
  // `rowHeight` in pixels, a fraction as the table's rows are.
  RowCaptions(const QStringList& lines, double rowHeight, QWidget* parent);

  // The lines, joined by line breaks.
  QString Text() const { return lines_.join(QLatin1Char('\n')); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStringList lines_;
  int rowHeight_;  // in 64ths of a pixel, the unit text layout counts in
};
