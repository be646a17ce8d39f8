// SPDX-License-Identifier: MIT
// A second floor for bench/startup: a main window of the main window's size holding the controls
// Zorbit's main window holds, as many of each kind (27 labels, 20 line edits, 10 selectors of which
// 3 editable, 24 keys, 17 tool buttons, 5 lists, a check box, 8 group boxes, 6 menus, a plane
// with numbered axes), in Qt's own look and laid out by Qt's layouts, with none of the program
// behind them. What it costs over the empty window is what Qt takes to make, lay out and paint
// that many controls; what Zorbit costs over it is the program's own.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/shown_probe.h"

namespace {

// A plane with its axes and numbered ticks in a smaller type, as the graph panel shows at start.
class Plane : public QFrame {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const int cx = width() / 2, cy = height() / 2;
    p.drawLine(0, cy, width(), cy);
    p.drawLine(cx, 0, cx, height());
    QFont small = font();
    small.setPointSizeF(7.5);
    p.setFont(small);
    for (int i = -6; i <= 6; i += 2) {
      if (i == 0) continue;
      p.drawLine(cx + i * 18, cy - 3, cx + i * 18, cy + 3);
      p.drawText(QPointF(cx + i * 18 - 6, cy + 14), QString::number(i));
      if (i >= -4 && i <= 4) p.drawText(QPointF(cx + 6, cy - i * 22 + 4), QString::number(i));
    }
  }
};

// The panels fix their keys' and selectors' widths, as Zorbit's do.
QWidget* Fixed(QWidget* widget, int width) {
  widget->setFixedWidth(width);
  return widget;
}

// A group of `rows` rows, each a caption, `boxes` line edits, a tool button and, every other row,
// a selector and a key; `lists` lists below them.
QGroupBox* Group(const QString& title, int rows, int boxes, int lists, const QIcon& icon) {
  auto* group = new QGroupBox(title);
  auto* grid = new QGridLayout(group);
  for (int r = 0; r < rows; ++r) {
    grid->addWidget(new QLabel(QStringLiteral("Z%1 =").arg(r + 1)), r, 0);
    for (int b = 0; b < boxes; ++b) {
      auto* box = new QLineEdit;
      box->setMinimumWidth(40);
      grid->addWidget(box, r, 1 + b);
    }
    if (r % 2 == 0) {
      auto* combo = new QComboBox;
      combo->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
      grid->addWidget(Fixed(combo, 50), r, 1 + boxes);
      grid->addWidget(Fixed(new QPushButton(QStringLiteral("OK")), 40), r, 2 + boxes);
    }
    auto* tool = new QToolButton;
    tool->setIcon(icon);
    grid->addWidget(tool, r, 3 + boxes);
  }
  for (int l = 0; l < lists; ++l) grid->addWidget(new QListWidget, rows, l, 1, 2);
  return group;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  for (const char* name : {"File", "Edit", "Tools", "Info"}) {
    QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(name));
    for (int i = 0; i < 4; ++i) menu->addAction(QStringLiteral("Action %1").arg(i));
    if (menu->title() == u"File") menu->addMenu(QStringLiteral("Recent"));
  }

  QPixmap picture(16, 16);
  picture.fill(QColor(0x2e, 0x7d, 0x32));
  const QIcon icon(picture);
  auto* client = new QWidget;
  auto* columns = new QHBoxLayout(client);
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right, 2);
  left->addWidget(Group(QStringLiteral("Entry / edition of  Z"), 4, 1, 0, icon));
  left->addWidget(Group(QStringLiteral("Zs"), 0, 0, 3, icon));
  auto* graph = new QGroupBox;
  auto* graphRows = new QVBoxLayout(graph);
  auto* graphTools = new QHBoxLayout;
  graphRows->addLayout(graphTools);
  graphTools->addWidget(new QLineEdit);
  for (int i = 0; i < 2; ++i) {
    auto* tool = new QToolButton;
    tool->setIcon(icon);
    graphTools->addWidget(tool);
  }
  graphRows->addWidget(new Plane, 1);
  left->addWidget(graph, 1);
  right->addWidget(Group(QStringLiteral("Binary operations:     Z1 @ Z2"), 2, 2, 0, icon));
  auto* unary = new QGroupBox(QStringLiteral("Unary operations:"));
  auto* unaryColumns = new QHBoxLayout(unary);
  unaryColumns->addWidget(Group(QStringLiteral("Power of  Z"), 4, 1, 0, icon));
  unaryColumns->addWidget(Group(QStringLiteral("n Root"), 2, 1, 2, icon));
  right->addWidget(unary, 1);
  QGroupBox* combined = Group(QStringLiteral("Combined operations  a,b,..."), 2, 1, 0, icon);
  auto* combinedGrid = static_cast<QGridLayout*>(combined->layout());
  auto* keys = new QGridLayout;
  const char* labels[] = {"+", "-", "*", "/", "(", ")", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
  for (int i = 0; i < 16; ++i)
    keys->addWidget(Fixed(new QPushButton(QString::fromLatin1(labels[i])), 22), i / 9, i % 9);
  auto* equals = new QPushButton(QStringLiteral("="));
  QFont big = equals->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  equals->setFont(big);
  keys->addWidget(Fixed(equals, 42), 0, 12, 2, 1);
  keys->addWidget(new QCheckBox(QStringLiteral("Graphs")), 0, 9, 1, 3);
  for (int i = 0; i < 3; ++i) {
    auto* letters = new QComboBox;
    letters->setEditable(true);
    letters->addItems({QStringLiteral("a"), QStringLiteral("b")});
    keys->addWidget(Fixed(letters, 44), 1, 9 + i);
  }
  combinedGrid->addLayout(keys, 3, 0, 1, 6);
  auto* captions = new QGridLayout;
  const QStringList texts = {QStringLiteral("cartesian"), QStringLiteral("polar"), QStringLiteral("operation"),
                             QStringLiteral("decimals"), QStringLiteral("n ="), QStringLiteral("a,b")};
  for (int i = 0; i < 13; ++i) captions->addWidget(new QLabel(texts[i % 6]), i / 6, i % 6);
  combinedGrid->addLayout(captions, 4, 0, 1, 6);
  right->addWidget(combined);
  auto* scroll = new QScrollArea;
  scroll->setWidget(client);
  scroll->setWidgetResizable(true);
  window.setCentralWidget(scroll);
  window.resize(800, 640);
  ExitWhenShown(window);
  window.show();
  return QApplication::exec();
}
