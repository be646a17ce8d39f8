// SPDX-License-Identifier: MIT
// The controls of the main window and where they stand. Every position is in twips; PlaceTwips
// converts them.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include "platform/picture_box.h"
#include "platform/twips.h"
#include "shell/form1.h"
#include "shell/form1_look.h"

namespace {

QString Indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

template <typename W>
W* Named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

QLabel* Label(QWidget* parent, const QString& text, double left, double top, double width, double height,
              const QString& name = QString()) {
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
                           double left, double top, double width = 480, double height = 420) {
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

QGroupBox* Panel(QWidget* parent, const char* name, const QString& caption, const QColor& color, double left,
                 double top, double width, double height) {
  auto* panel = Named(new QGroupBox(caption, parent), QLatin1String(name));
  panel->setStyleSheet(QStringLiteral("QGroupBox#%1 { background-color: %2; }")
                           .arg(QLatin1String(name), color.name()));
  panel->setProperty("panelColor", color);
  PlaceTwips(panel, left, top, width, height);
  return panel;
}

// A coloured card a little larger than its panel, behind it.
QFrame* Shape(QWidget* parent, const char* name, const QWidget* panel) {
  auto* shape = Named(new QFrame(parent), QLatin1String(name));
  const QRect r = panel->geometry().adjusted(-3, -3, 3, 3);
  shape->setGeometry(r);
  shape->lower();
  return shape;
}

QListWidget* StoreColumn(QWidget* parent, const QString& name, double left, double width, bool scrollBar) {
  auto* list = Named(new QListWidget(parent), name);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  list->setUniformItemSizes(true);
  PlaceTwips(list, left, 600, width, 1950);
  return list;
}

}  // namespace

void Form1::CreateControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Client"));
  // The background picture: a soft gradient.
  QLinearGradient paper(0, 0, 0.4, 1);
  paper.setCoordinateMode(QGradient::ObjectBoundingMode);
  paper.setColorAt(0, QColor(246, 248, 252));
  paper.setColorAt(1, QColor(222, 229, 240));
  QPalette palette = client->palette();
  palette.setBrush(QPalette::Window, QBrush(paper));
  client->setPalette(palette);
  client->setAutoFillBackground(true);
  client->setFixedSize(TwipsToPixelsRounded(12000), TwipsToPixelsRounded(9300));
  setCentralWidget(client);

  CreateEntryPanel(client);
  CreateStorePanel(client);
  CreateGraphPanel(client);
  CreateBinaryPanel(client);
  CreateUnaryPanel(client);
  CreateCombinedPanel(client);

  MarcEdN = Shape(client, "MarcEdN", PEdN);
  FLst = Shape(client, "FLst", PLst);
  MarcBin = Shape(client, "MarcBin", POpBin);
  MarcUn = Shape(client, "MarcUn", POpUn);
  Shape5 = Shape(client, "Shape5", PComb);
}

void Form1::CreateEntryPanel(QWidget* client) {
  PEdN = Panel(client, "PEdN", QStringLiteral(" Entry / edition of  Z"), PanelColors::Entry, 90, 90, 3900, 2370);
  PEdN->setToolTip(QStringLiteral(" Enter cartesian or polar and press Intro"));

  Label(PEdN, QStringLiteral("a,b"), 150, 390, 450, 300);
  EdN[0] = Box(PEdN, Indexed("EdN", 0), 630, 360, 2790, false);
  EdN[0]->setToolTip(QStringLiteral("real,imaginary"));
  BtInc = PictureButton(PEdN, QStringLiteral("BtInc"), ButtonPicture::Incorporate, QStringLiteral("Incorporate"),
                        3450, 330, 390, 390);

  Label(PEdN, QStringLiteral("r ,"), 150, 840, 450, 300);
  EdN[1] = Box(PEdN, Indexed("EdN", 1), 630, 810, 2790, false);
  EdN[1]->setToolTip(QStringLiteral("modulus,argument\u00b0"));
  Label(PEdN, QStringLiteral("\u03c6\u00b0"), 3480, 840, 360, 300);

  BtRnd = PictureButton(PEdN, QStringLiteral("BtRnd"), ButtonPicture::Random, QStringLiteral("Random number"),
                        150, 1320);
  Label(PEdN, QStringLiteral("n ="), 720, 1365, 390, 300);
  LstN = Combo(PEdN, QStringLiteral("LstN"), true, 1110, 1350, 780);
  LstN->setToolTip(QStringLiteral("How many random complexes"));
  Label(PEdN, QStringLiteral("decimals "), 2070, 1365, 900, 300);
  IdX = Combo(PEdN, QStringLiteral("IdX"), false, 2940, 1350, 780);
  for (int i = 1; i <= 9; ++i) {
    LstN->addItem(QString::number(i));
    IdX->addItem(QString::number(i));
  }

  Hint(PEdN, QStringLiteral("e.g.  3, 4   or   5 , 53.13"), 150, 1890, 3000, 330);
  BtHEntr = PictureButton(PEdN, QStringLiteral("BtHEntr"), ButtonPicture::Help,
                          QStringLiteral("Help: entry and edition of complexes"), 3360, 1830);
}

void Form1::CreateStorePanel(QWidget* client) {
  PLst = Panel(client, "PLst", QStringLiteral("Zs"), PanelColors::Store, 90, 2580, 3900, 3000);
  Label(PLst, QStringLiteral("cart."), 540, 330, 1470, 270);
  Label(PLst, QStringLiteral("polar"), 2040, 330, 1470, 270);
  LZ[0] = StoreColumn(PLst, Indexed("LZ", 0), 120, 390, false);
  LZ[1] = StoreColumn(PLst, Indexed("LZ", 1), 510, 1500, false);
  LZ[2] = StoreColumn(PLst, Indexed("LZ", 2), 2010, 1770, true);

  BtNou = Named(new QPushButton(QStringLiteral("+"), PLst), QStringLiteral("BtNou"));
  BtNou->setToolTip(QStringLiteral("New complex"));
  PlaceTwips(BtNou, 120, 2640, 600, 300);
  BtSupr = Named(new QPushButton(QStringLiteral("-"), PLst), QStringLiteral("BtSupr"));
  BtSupr->setToolTip(QStringLiteral("Delete the open complex"));
  PlaceTwips(BtSupr, 780, 2640, 600, 300);
  Btrst = Named(new QPushButton(QStringLiteral("rst"), PLst), QStringLiteral("Btrst"));
  Btrst->setToolTip(QStringLiteral("Empty the list and every panel"));
  PlaceTwips(Btrst, 3060, 2640, 720, 300);
  BtNou->setEnabled(false);
  BtSupr->setEnabled(false);
  Btrst->setEnabled(false);
}

void Form1::CreateGraphPanel(QWidget* client) {
  PGraf = Named(new QFrame(client), QStringLiteral("PGraf"));
  PGraf->setStyleSheet(QStringLiteral("QFrame#PGraf { background-color: %1; border: 1px solid #b4bfcf; }")
                           .arg(PanelColors::Graph.name()));
  PlaceTwips(PGraf, 90, 5700, 3900, 3510);
  EtZ = Box(PGraf, QStringLiteral("EtZ"), 120, 120, 3120, true);
  EtZ->setAlignment(Qt::AlignCenter);
  BtGrf = PictureButton(PGraf, QStringLiteral("BtGrf"), ButtonPicture::SaveImage, QStringLiteral("Save the graph"),
                        3300, 90);
  BtGrf->setEnabled(false);
  PBox0 = Named(new PictureBox(PGraf, true), QStringLiteral("PBox0"));
  PlaceTwips(PBox0, 120, 570, 3660, 2820);
}

void Form1::CreateBinaryPanel(QWidget* client) {
  POpBin = Panel(client, "POpBin", QStringLiteral("Binary operations:      Z1 @ Z2"), PanelColors::Binary, 4110, 90,
                 7800, 2940);
  for (int i = 0; i < 2; ++i) {
    const double top = i == 0 ? 390 : 840;
    Label(POpBin, i == 0 ? QStringLiteral("Z1") : QStringLiteral("Z2"), 150, top + 30, 330, 300);
    LstZ[i] = Combo(POpBin, Indexed("LstZ", i), false, 480, top, 780);
    auto& boxes = i == 0 ? IdZ1 : IdZ2;
    const char* name = i == 0 ? "IdZ1" : "IdZ2";
    boxes[0] = Box(POpBin, Indexed(name, 0), 1350, top, 1650, true);
    boxes[1] = Box(POpBin, Indexed(name, 1), 3060, top, 1800, true);
  }
  OkOp2 = PictureButton(POpBin, QStringLiteral("OkOp2"), ButtonPicture::Calculate,
                        QStringLiteral("Calculate Z1 + Z2, Z1 - Z2, Z1 * Z2 and Z1 / Z2"), 5010, 390, 690, 810);
  OkOp2->setIconSize(QSize(28, 28));
  BtG2 = PictureButton(POpBin, QStringLiteral("BtG2"), ButtonPicture::Exercise,
                       QStringLiteral("Exercise of the binary operations"), 5820, 390);
  BtG2->setEnabled(false);
  OpGrfs = Named(new QCheckBox(QStringLiteral("Graphs"), POpBin), QStringLiteral("OpGrfs"));
  OpGrfs->setToolTip(QStringLiteral("Draw the four operations in their graph windows"));
  OpGrfs->setChecked(true);
  PlaceTwips(OpGrfs, 5820, 885, 1500, 300);

  Label(POpBin, QStringLiteral("operation"), 150, 1380, 1110, 270);
  Label(POpBin, QStringLiteral("cartesian"), 1320, 1380, 1980, 270)->setAlignment(Qt::AlignHCenter);
  Label(POpBin, QStringLiteral("polar"), 3320, 1380, 1980, 270)->setAlignment(Qt::AlignHCenter);

  Text1 = Named(new QTextEdit(POpBin), QStringLiteral("Text1"));
  Text1->setReadOnly(true);
  Text1->setFrameShape(QFrame::NoFrame);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setFocusPolicy(Qt::NoFocus);
  Text1->document()->setDocumentMargin(0);
  Text1->setPlainText(QStringLiteral(" Z1+Z2\n Z1- Z2\n Z1*Z2\n Z1/Z2"));
  // One line per row of the results table beside it.
  QTextCursor cursor(Text1->document());
  cursor.select(QTextCursor::Document);
  QTextBlockFormat rows;
  rows.setLineHeight(TwipsToPixels(260), QTextBlockFormat::FixedHeight);
  cursor.mergeBlockFormat(rows);
  PlaceTwips(Text1, 150, 1680, 1110, 1100);

  PBTblOp2 = Named(new PictureBox(POpBin, true), QStringLiteral("PBTblOp2"));
  PlaceTwips(PBTblOp2, 1290, 1650, 4060, 1100);
  TxtTblOp2 = Named(new QLineEdit(PBTblOp2), QStringLiteral("TxtTblOp2"));
  TxtTblOp2->hide();
  Hint(POpBin, QStringLiteral("Double-click a row of the table to keep its result as a new letter."), 5520, 1650,
       2130, 900);
}

void Form1::CreateUnaryPanel(QWidget* client) {
  POpUn = Panel(client, "POpUn", QStringLiteral("Unary operations:    "), PanelColors::Unary, 4110, 3150, 7800, 3810);

  PPot = Named(new QGroupBox(QStringLiteral("Power of   Z   "), POpUn), QStringLiteral("PPot"));
  PlaceTwips(PPot, 120, 330, 3720, 3360);
  Label(PPot, QStringLiteral("Z"), 150, 420, 210, 300);
  LstZ[2] = Combo(PPot, Indexed("LstZ", 2), false, 360, 390, 720);
  Label(PPot, QStringLiteral("n ="), 1170, 420, 390, 300);
  LstNp = Combo(PPot, QStringLiteral("LstNp"), true, 1530, 390, 720);
  LstNp->setToolTip(QStringLiteral("Exponent: any real number"));
  OkPot = PictureButton(PPot, QStringLiteral("OkPot"), ButtonPicture::Calculate, QStringLiteral("Calculate Z^n"),
                        2370, 360);
  BtGP = PictureButton(PPot, QStringLiteral("BtGP"), ButtonPicture::Exercise, QStringLiteral("Exercise of the power"),
                       2940, 360);
  BtGP->setEnabled(false);
  Label(PPot, QStringLiteral("Z ="), 150, 960, 450, 300);
  IdZ[0] = Box(PPot, Indexed("IdZ", 0), 660, 930, 2820, true);
  IdZ[1] = Box(PPot, Indexed("IdZ", 1), 660, 1350, 2820, true);
  Label(PPot, QStringLiteral("Z\u207f ="), 150, 1980, 510, 300);
  PZ[0] = Box(PPot, Indexed("PZ", 0), 660, 1950, 2820, true);
  PZ[1] = Box(PPot, Indexed("PZ", 1), 660, 2370, 2820, true);
  Hint(PPot, QStringLiteral("Double-click a result to keep it."), 150, 2850, 3330, 330);

  PRoot = Named(new QGroupBox(QStringLiteral("n Root             "), POpUn), QStringLiteral("PRoot"));
  PlaceTwips(PRoot, 3960, 330, 3720, 3360);
  Label(PRoot, QStringLiteral("Z"), 150, 420, 210, 300);
  LstZ[3] = Combo(PRoot, Indexed("LstZ", 3), false, 360, 390, 720);
  Label(PRoot, QStringLiteral("n ="), 1170, 420, 390, 300);
  LstNr = Combo(PRoot, QStringLiteral("LstNr"), true, 1530, 390, 720);
  LstNr->setToolTip(QStringLiteral("Index: a whole number of at least 2"));
  OkRel = PictureButton(PRoot, QStringLiteral("OkRel"), ButtonPicture::Calculate,
                        QStringLiteral("Calculate the n roots"), 2370, 360);
  BtGR = PictureButton(PRoot, QStringLiteral("BtGR"), ButtonPicture::Exercise, QStringLiteral("Exercise of the roots"),
                       2940, 360);
  BtGR->setEnabled(false);
  Label(PRoot, QStringLiteral("Z ="), 150, 960, 450, 300);
  ZR[0] = Box(PRoot, Indexed("ZR", 0), 660, 930, 1380, true);
  ZR[1] = Box(PRoot, Indexed("ZR", 1), 2100, 930, 1470, true);
  Label(PRoot, QStringLiteral("cartesian"), 150, 1410, 1650, 270);
  Label(PRoot, QStringLiteral("polar"), 1860, 1410, 1650, 270);
  for (int i = 0; i < 2; ++i) {
    LstRels[i] = Named(new QListWidget(PRoot), Indexed("LstRels", i));
    LstRels[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  PlaceTwips(LstRels[0], 150, 1680, 1710, 1560);
  PlaceTwips(LstRels[1], 1860, 1680, 1710, 1560);
}

void Form1::CreateCombinedPanel(QWidget* client) {
  PComb = Panel(client, "PComb", QStringLiteral("Combined operations  a,b,..."), PanelColors::Combined, 4110, 7080,
                7800, 2130);
  Label(PComb, QStringLiteral("String of operations"), 1680, 300, 3000, 270);
  TxtOp = Box(PComb, QStringLiteral("TxtOp"), 1680, 570, 4440, false);

  static const char* const captions[20] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                           ".", "E", "+", "-", "*", "/", "^", "'", "(", ")"};
  for (int i = 0; i < 20; ++i) {
    BtN[i] = Named(new QPushButton(QString::fromLatin1(captions[i]), PComb), Indexed("BtN", i));
    BtN[i]->setFocusPolicy(Qt::NoFocus);  // the caret of the string stays where it was
  }
  BtN[10]->setToolTip(QStringLiteral("decimal point"));
  BtN[11]->setToolTip(QStringLiteral("10 raised to"));
  BtN[16]->setToolTip(QStringLiteral("power"));
  BtN[17]->setToolTip(QStringLiteral("conjugated"));
  // Keys 0 to 11 are laid out in one row under the string at load; they start in the same row.
  for (int j = 0; j < 12; ++j) PlaceTwips(BtN[j], 1680 + j * 360, 990, 360, 360);
  // The operators: two rows left of the string, the lower one level with the digits.
  for (int j = 0; j < 4; ++j) {
    PlaceTwips(BtN[12 + j], 120 + j * 360, 570, 360, 360);
    PlaceTwips(BtN[16 + j], 120 + j * 360, 990, 360, 360);
  }

  LstZ[4] = Combo(PComb, Indexed("LstZ", 4), false, 6240, 570, 690);
  LstZ[4]->setToolTip(QStringLiteral("Insert a letter"));
  OkCmb = Named(new QPushButton(QStringLiteral("="), PComb), QStringLiteral("OkCmb"));
  OkCmb->setToolTip(QStringLiteral("Evaluate"));
  QFont big = OkCmb->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  OkCmb->setFont(big);
  PlaceTwips(OkCmb, 6990, 570, 630, 780);

  Label(PComb, QStringLiteral("cartesian"), 120, 1560, 900, 300);
  IdRes[0] = Box(PComb, Indexed("IdRes", 0), 1020, 1530, 2100, true);
  Label(PComb, QStringLiteral("polar"), 3270, 1560, 600, 300);
  IdRes[1] = Box(PComb, Indexed("IdRes", 1), 3840, 1530, 2280, true);
  BtGC = PictureButton(PComb, QStringLiteral("BtGC"), ButtonPicture::Exercise,
                       QStringLiteral("Exercise of the combined operation"), 6240, 1500);
  BtGC->setEnabled(false);
  BtHCmb = PictureButton(PComb, QStringLiteral("BtHCmb"), ButtonPicture::Help,
                         QStringLiteral("Help: combined operations"), 7140, 1500);
}

void Form1::LayOutKeypad() {
  // Keys 0 to 9, "." and "E" side by side under the string, 40 twips in from its left edge.
  const double x0 = PixelsToTwips(TxtOp->x()) + 40;
  const double top = PixelsToTwips(BtN[0]->y());
  for (int j = 0; j < 12; ++j) {
    const double width = PixelsToTwips(BtN[j]->width());
    PlaceTwips(BtN[j], x0 + j * width, top, width, PixelsToTwips(BtN[j]->height()));
  }
}
