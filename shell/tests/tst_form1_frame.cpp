// SPDX-License-Identifier: MIT
// The main window as a frame: its controls and menus, their states after load, the keypad row.
#include <QScreen>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QToolButton>

#include <cmath>
#include <functional>
#include <memory>

#include "form1_driver.h"
#include "platform/picture_box.h"
#include "platform/program_font.h"
#include "platform/twips.h"
#include "platform/testing/environment.h"
#include "shell/check_indicator.h"
#include "shell/form1_look.h"
#include "shell/form1_style.h"
#include "shell/row_captions.h"

class Form1FrameTests : public QObject {
  Q_OBJECT

 private slots:
  void EveryControlIsFoundByItsName() {
    Form1Driver d;
    Form1& f = *d.form;
    QCOMPARE(f.objectName(), QStringLiteral("Form1"));
    QCOMPARE(f.windowTitle(), QStringLiteral("ZORBIT: Elementary calculations with complex numbers."));
    const QStringList names = {
        "PEdN", "EdN(0)", "EdN(1)", "BtInc", "BtRnd", "LstN", "IdX", "BtHEntr", "PLst", "LZ(0)", "LZ(1)", "LZ(2)",
        "BtNou", "BtSupr", "Btrst", "LstZ(0)", "LstZ(1)", "LstZ(2)", "LstZ(3)", "LstZ(4)", "POpBin", "IdZ1(0)",
        "IdZ1(1)", "IdZ2(0)", "IdZ2(1)", "OkOp2", "BtG2", "OpGrfs", "Text1", "PBTblOp2", "TxtTblOp2", "POpUn",
        "PPot", "LstNp", "IdZ(0)", "IdZ(1)", "PZ(0)", "PZ(1)", "OkPot", "BtGP", "PRoot", "LstNr", "ZR(0)", "ZR(1)",
        "LstRels(0)", "LstRels(1)", "OkRel", "BtGR", "PComb", "TxtOp", "LstZ(4)", "OkCmb", "IdRes(0)", "IdRes(1)",
        "BtGC", "BtHCmb", "PGraf", "PBox0", "EtZ", "BtGrf", "MarcEdN", "MarcBin", "MarcUn", "FLst", "Shape5"};
    for (const QString& name : names) QVERIFY2(f.findChild<QWidget*>(name) != nullptr, qPrintable(name));
    for (int i = 0; i < 20; ++i) QCOMPARE(f.Combined->BtN[i]->objectName(), QStringLiteral("BtN(%1)").arg(i));
    // The members are the named controls.
    QCOMPARE(f.findChild<QLineEdit*>(QStringLiteral("EdN(1)")), f.Entry->EdN[1]);
    QCOMPARE(f.findChild<QComboBox*>(QStringLiteral("LstZ(4)")), f.LstZ[4]);
  }

  void PanelsShowTheirCaptionsAndHints() {
    Form1Driver d;
    Form1& f = *d.form;
    QCOMPARE(f.Entry->title(), QStringLiteral(" Entry / edition of  Z"));
    QCOMPARE(f.Entry->toolTip(), QStringLiteral(" Enter cartesian or polar and press Intro"));
    QCOMPARE(f.Stored->title(), QStringLiteral("Zs"));
    QCOMPARE(f.Binary->title(), QStringLiteral("Binary operations:      Z1 @ Z2"));
    QCOMPARE(f.POpUn->title(), QStringLiteral("Unary operations:    "));
    QCOMPARE(f.Power->title(), QStringLiteral("Power of   Z   "));
    QCOMPARE(f.Roots->title(), QStringLiteral("n Root             "));
    QCOMPARE(f.Combined->title(), QStringLiteral("Combined operations  a,b,..."));
    QCOMPARE(f.Entry->EdN[0]->toolTip(), QStringLiteral("real,imaginary"));
    QCOMPARE(f.Entry->BtInc->toolTip(), QStringLiteral("Incorporate"));
    QCOMPARE(f.Entry->BtRnd->toolTip(), QStringLiteral("Random number"));
    QCOMPARE(f.Stored->Btrst->text(), QStringLiteral("rst"));
    QCOMPARE(f.Stored->BtNou->text(), QStringLiteral("+"));
    QCOMPARE(f.Stored->BtSupr->text(), QStringLiteral("-"));
    QCOMPARE(f.Binary->Text1->Text(), QStringLiteral(" Z1+Z2\n Z1- Z2\n Z1*Z2\n Z1/Z2"));
    QCOMPARE(f.Binary->OpGrfs->text(), QStringLiteral("Graphs"));
    const QString keys = QStringLiteral("0123456789.E+-*/^'()");
    for (int i = 0; i < 20; ++i) QCOMPARE(f.Combined->BtN[i]->text(), keys.mid(i, 1));
    QCOMPARE(f.Combined->BtN[10]->toolTip(), QStringLiteral("decimal point"));
    QCOMPARE(f.Combined->BtN[11]->toolTip(), QStringLiteral("10 raised to"));
    QCOMPARE(f.Combined->BtN[16]->toolTip(), QStringLiteral("power"));
    QCOMPARE(f.Combined->BtN[17]->toolTip(), QStringLiteral("conjugated"));
    QVERIFY(f.Combined->BtN[12]->toolTip().isEmpty());
  }

  void MenusHoldTheirItemsWithTheStartStates() {
    Form1Driver d;
    Form1& f = *d.form;
    const auto item = [&](const char* name) { return f.findChild<QAction*>(QLatin1String(name)); };
    const struct {
      const char* name;
      const char* caption;
      bool enabled;
    } items[] = {{"OpG(0)", "Binary operations", false},   {"OpG(1)", "n Power", false},
                 {"OpG(2)", "n Root", false},              {"OpG(3)", "Combined operation", false},
                 {"GGr(1)", "Graph Z1 + Z2", false},       {"GGr(2)", "Graph Z1 - Z2", false},
                 {"GGr(3)", "Graph Z1 * Z2", false},       {"GGr(4)", "Graph Z1 / Z2", false},
                 {"GGr(5)", "All graphics Z1 @ Z2", false}, {"OpObr", "Open...", true},
                 {"OpSurt", "Exit", true},                 {"OpEdTools", "Edit tools", true},
                 {"OpInfo", "Info", true},                 {"OpSobre", "About...", true}};
    for (const auto& it : items) {
      QAction* a = item(it.name);
      QVERIFY2(a != nullptr, it.name);
      QCOMPARE(a->text(), QString::fromLatin1(it.caption));
      QCOMPARE(a->isEnabled(), it.enabled);
    }
    QCOMPARE(f.OpFtx->title(), QStringLiteral("&File"));
    QCOMPARE(f.OpGuard->title(), QStringLiteral("Save"));
    QCOMPARE(f.Tools->title(), QStringLiteral("&Tools"));
    QCOMPARE(f.Inf->title(), QStringLiteral("&Info"));
    // Edit stands between File and Tools.
    QCOMPARE(f.menuBar()->actions().size(), 4);
    QCOMPARE(f.menuBar()->actions()[1]->menu(), f.OpEdit);
    QCOMPARE(f.OpEdit->title(), QStringLiteral("&Edit"));
    for (int i = 1; i <= 12; ++i) {
      QAction* tool = item(qPrintable(QStringLiteral("ITool(%1)").arg(i)));
      QVERIFY(tool != nullptr);
      QVERIFY(!tool->isVisible());
    }
    // Save holds the four exercises, a separator, then the five images.
    const QList<QAction*> save = f.OpGuard->actions();
    QCOMPARE(save.size(), 10);
    QVERIFY(save[4]->isSeparator());
    QCOMPARE(save[5], f.GGr[1]);
  }

  void LoadLeavesAnEmptyStoreAndTheStartSelections() {
    Form1Driver d;
    Form1& f = *d.form;
    QCOMPARE(f.Entry->Decimals, std::int16_t(2));
    QCOMPARE(f.Entry->IdX->currentText(), QStringLiteral("2"));
    QCOMPARE(f.Entry->IdX->count(), 9);
    QCOMPARE(f.Entry->LstN->currentText(), QStringLiteral("1"));
    QCOMPARE(f.Power->LstNp->currentText(), QStringLiteral("2"));
    QCOMPARE(f.Roots->LstNr->currentText(), QStringLiteral("2"));
    QCOMPARE(f.Power->LstNp->count(), 8);
    QCOMPARE(f.Roots->LstNr->itemText(7), QStringLiteral("9"));
    QVERIFY(f.Binary->GraphsOn);
    QVERIFY(!f.Binary->BinaryResultsReady);
    QVERIFY(f.Binary->OpGrfs->isChecked());
    QCOMPARE(f.Stored->Store().Count(), 0);
    QCOMPARE(f.Stored->EditIndex, std::int16_t(0));
    QCOMPARE(f.LineBreak, QStringLiteral("\r\n"));
    QCOMPARE(f.Binary->OpCaptions[3], QStringLiteral("Quotient  Z1 \u00f7 Z2"));
    QVERIFY(f.SheetFolderName.isEmpty());  // no "Prbls" in the fresh folder
    for (QWidget* off : std::initializer_list<QWidget*>{f.Stored->BtNou, f.Stored->BtSupr, f.Stored->Btrst, f.Binary->BtG2, f.Power->BtGP, f.Roots->BtGR, f.Combined->BtGC,
                                                        f.Graph->BtGrf})
      QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
    for (QComboBox* selector : f.LstZ) QCOMPARE(selector->count(), 0);
  }

  void TheSheetFolderIsFoundWhenItExists() {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("Prbls"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    SetWorkFolder(folder.path());
    RecordingMessages messages;
    RecordingProcesses processes;
    Form1 form(Seams{&messages, &processes});
    SetWorkFolder(QString());
    QDir::setCurrent(previous);
    QCOMPARE(form.SheetFolderName, QStringLiteral("Prbls"));
  }

  void ClientAreaIsTheDesignedSizeAndTheKeypadStandsInOneRow() {
    Form1Driver d;
    Form1& f = *d.form;
    // As designed where the screen holds it with its frame (the offscreen screen is 800 wide).
    const QRect screen = f.screen()->availableGeometry();
    const int frameWidth = f.frameGeometry().width() - f.width();
    QCOMPARE(f.centralWidget()->width(), qMin(TwipsToPixelsRounded(12000), screen.width() - frameWidth));
    QCOMPARE(f.centralWidget()->height(), TwipsToPixelsRounded(9300));
    const int x0 = f.Combined->TxtOp->x() + TwipsToPixelsRounded(40);
    const int width = f.Combined->BtN[0]->width();
    for (int j = 0; j < 12; ++j) {
      QVERIFY(qAbs(f.Combined->BtN[j]->x() - (x0 + j * width)) <= 1);
      QCOMPARE(f.Combined->BtN[j]->y(), f.Combined->BtN[0]->y());
      QVERIFY(f.Combined->BtN[j]->y() > f.Combined->TxtOp->y());
    }
    // The operators stand left of the string, the lower row level with the digits.
    for (int j = 12; j < 20; ++j) QVERIFY(f.Combined->BtN[j]->geometry().right() < f.Combined->TxtOp->x());
    QCOMPARE(f.Combined->BtN[16]->y(), f.Combined->BtN[0]->y());
    QCOMPARE(f.Combined->BtN[12]->y(), f.Combined->TxtOp->y());
    // The shapes take their panels' colours.
    QCOMPARE(f.MarcEdN->property("panelColor"), f.Entry->property("panelColor"));
    QCOMPARE(f.FLst->property("panelColor"), f.Stored->property("panelColor"));
  }

  // The window's look: a button's face follows its state, boxes keep their text clear of their
  // rounded border, and a window of the family writes in the desktop's font. Widgets outside the
  // family are left to the desktop's style.
  void TheLookFollowsTheStateAndStaysInTheFamily() {
    Form1Driver d;
    Form1& f = *d.form;
    const auto face = [](QWidget* button) {
      const QImage image = button->grab().toImage();
      return image.pixelColor(3, image.height() / 2);
    };
    QPushButton* equals = f.Combined->OkCmb;
    QCOMPARE(face(equals), QColor(0xfd, 0xfd, 0xfe));
    QTest::mousePress(equals, Qt::LeftButton);
    QVERIFY(equals->isDown());
    QCOMPARE(face(equals), QColor(0xd5, 0xe5, 0xfa));
    QTest::mouseRelease(equals, Qt::LeftButton, {}, QPoint(-20, -20));  // let go outside: no click
    auto* add = f.findChild<QPushButton*>(QStringLiteral("BtNou"));
    QVERIFY(!add->isEnabled());
    QCOMPARE(face(add), QColor(0xee, 0xf0, 0xf3));

    QStyleOptionFrame option;
    QLineEdit* box = f.Entry->EdN[0];
    option.initFrom(box);
    QCOMPARE(box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box), box->rect().adjusted(5, 2, -5, -2));
    QLineEdit stranger;
    stranger.resize(box->size());
    option.initFrom(&stranger);
    const QStyle* desktop = static_cast<QProxyStyle*>(stranger.style())->baseStyle();
    QCOMPARE(stranger.style()->subElementRect(QStyle::SE_LineEditContents, &option, &stranger),
             desktop->subElementRect(QStyle::SE_LineEditContents, &option, &stranger));

    QWidget owned(&f, Qt::Window);
    owned.setFont(ProgramFont(14));
    auto* plain = new QLabel(QStringLiteral("plain"), &owned);
    auto* own = new QLabel(QStringLiteral("own"), &owned);
    own->setFont(ProgramFont(20));
    owned.show();
    QCOMPARE(plain->font(), QApplication::font(plain));
    QCOMPARE(own->font().pointSizeF(), 20.0);
  }

  // Neither the paper nor the card is painted under a panel: the panel covers itself to its corners.
  void APanelLiesOnItsCardToItsCorners() {
    Form1Driver d;
    const QImage window = d.form->grab().toImage();
    const Form1& f = *d.form;
    for (QWidget* panel : std::initializer_list<QWidget*>{f.Entry, f.Stored, f.Binary, f.POpUn, f.Combined}) {
      const QRect area(panel->mapTo(d.form.get(), QPoint(0, 0)), panel->size());
      for (const QPoint corner : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
        QCOMPARE(window.pixelColor(corner), panel->property("panelColor").value<QColor>());
    }
  }

  // A button's picture is drawn for the scale it is shown at, once: a 100 % screen never draws the
  // one for 200 %, which stays sharp where it is shown.
  void AnIconIsDrawnForTheScaleItIsShownAtOnce() {
    QList<qreal> drawn;
    const QIcon icon = TwoScaleIcon([&drawn](qreal ratio) {
      drawn << ratio;
      QPixmap pixmap(qRound(24 * ratio), qRound(24 * ratio));
      pixmap.setDevicePixelRatio(ratio);
      pixmap.fill(Qt::blue);
      return pixmap;
    });
    icon.pixmap(QSize(20, 20), 1.0);
    icon.pixmap(QSize(20, 20), 1.0);
    QCOMPARE(drawn, QList<qreal>({1.0}));
    const QPixmap large = icon.pixmap(QSize(20, 20), 2.0);
    QCOMPARE(large.width(), 48);  // the picture drawn for 200 %, not the other one enlarged
    QCOMPARE(drawn, QList<qreal>({1.0, 2.0}));
  }

  // The pictures the build drew are those the program draws: a picture changed in the code but
  // not in the build, or a build that drew none, fails here.
  void TheBuildsButtonPicturesAreTheProgramsOwn() {
    for (ButtonPicture picture : ButtonPictures) {
      const QImage built = BuiltButtonPicture(picture);
      QVERIFY2(!built.isNull(), qPrintable(BuiltButtonPictureName(picture)));
      QCOMPARE(built, PaintButtonPicture(picture, 1));
    }
  }

  // The binary operations' check box shows the indicator the build drew, ticked or not, as the
  // desktop's style draws it.
  void ACheckBoxShowsTheIndicatorTheBuildDrewAsItsStyleDrawsIt() {
    Form1Style look(QStringLiteral("fusion"));
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    for (bool ticked : {true, false}) {
      QCheckBox box(QStringLiteral("Graphs"));
      box.setChecked(ticked);
      PutOnCard(box, PanelColors::Binary);
      box.setStyle(fusion.get());
      box.resize(box.sizeHint());
      const QImage drawn = box.grab().toImage();
      box.setStyle(&look);
      QCOMPARE(box.grab().toImage(), drawn);
      QStyleOptionButton option;
      option.initFrom(&box);
      option.state |= ticked ? QStyle::State_On : QStyle::State_Off;
      option.rect = fusion->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box);
      QVERIFY(!BuiltCheckIndicator(*fusion, option, &box).isNull());  // the build's picture, not drawn again
    }
  }

  // A card drawn in parts (plain runs, corners from pictures) has the pixels of the same card
  // antialiased whole, on a screen at 100 % and at 200 %.
  void ACardDrawnInPartsLooksAsOneDrawnWhole_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("border");
    QTest::addColumn<int>("radius");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("panel") << QSize(250, 180) << QColor(226, 237, 251) << QColor() << 6 << 1.0;
    QTest::newRow("button") << QSize(32, 28) << QColor(0xfd, 0xfd, 0xfe) << QColor(0xaa, 0xb6, 0xc8) << 4 << 1.0;
    QTest::newRow("box at 200 %") << QSize(180, 24) << QColor(Qt::white) << QColor(0x3b, 0x78, 0xc8) << 3 << 2.0;
    QTest::newRow("shape at 200 %") << QSize(90, 70) << QColor(252, 243, 218) << QColor(202, 194, 174) << 8 << 2.0;
  }
  void ACardDrawnInPartsLooksAsOneDrawnWhole() {
    QFETCH(QSize, size);
    QFETCH(QColor, fill);
    QFETCH(QColor, border);
    QFETCH(int, radius);
    QFETCH(qreal, ratio);
    const auto canvas = [&](const std::function<void(QPainter&)>& draw) {
      QImage image(size * ratio + QSize(8, 8) * ratio, QImage::Format_ARGB32_Premultiplied);
      image.setDevicePixelRatio(ratio);
      image.fill(QColor(120, 160, 90));
      QPainter painter(&image);
      draw(painter);
      return image;
    };
    const QRect card(QPoint(4, 4), size);
    const QImage parts = canvas([&](QPainter& p) { PaintCard(&p, card, fill, border, radius); });
    const QImage whole = canvas([&](QPainter& p) {
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(border.isValid() ? QPen(border, 1) : QPen(Qt::NoPen));
      p.setBrush(fill);
      const qreal inset = border.isValid() ? 0.5 : 0;
      p.drawRoundedRect(QRectF(card).adjusted(inset, inset, -inset, -inset), radius, radius);
    });
    for (int y = 0; y < whole.height(); ++y)
      for (int x = 0; x < whole.width(); ++x) {
        const QColor a = parts.pixelColor(x, y), b = whole.pixelColor(x, y);
        QVERIFY2(qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 && qAbs(a.blue() - b.blue()) <= 2,
                 qPrintable(QStringLiteral("%1,%2: %3 against %4").arg(x).arg(y).arg(a.name(), b.name())));
      }
  }

  // A larger window: the graph panel takes the room, its picture follows and is drawn again at
  // the new size; the operation panels keep theirs.
  void ALargerWindowGrowsTheGraphPanelAndDrawsItsPictureAgain() {
    Form1Driver d;
    Form1& f = *d.form;
    d.Enter(0, QStringLiteral("3, 4"));
    PictureBox* box = f.Graph->PBox0;
    const QSize before = box->size();
    const QSize binary = f.Binary->size();
    const QSize combined = f.Combined->size();
    box->surface().StartRecording();
    f.resize(f.size() + QSize(300, 200));
    QTRY_VERIFY(box->width() >= before.width() + 280);
    QVERIFY(box->height() >= before.height() + 150);
    QCOMPARE(f.Binary->size(), binary);
    QCOMPARE(f.Combined->size(), combined);
    // The drawable area is the picture's new size, and the plane was drawn on it whole: the real
    // axis runs from edge to edge of the new width, and the complex is there in panel blue.
    const Surface& surface = box->surface();
    QVERIFY(std::abs(TwipsToPixels(surface.ScaleWidth()) - (box->width() - 4)) <= 1);
    const auto& ops = surface.Recorded();
    QVERIFY(!ops.empty());
    QCOMPARE(ops.front().What, SurfaceOp::Kind::Clear);
    bool axis = false;
    bool vector = false;
    for (const SurfaceOp& op : ops) {
      if (op.What != SurfaceOp::Kind::Line) continue;
      if (op.Y1 == op.Y2 && std::abs(op.X2 - op.X1 - surface.ScaleWidth()) < 1) axis = true;
      if (op.Color == QColor(0, 0, 240)) vector = true;
    }
    QVERIFY(axis);
    QVERIFY(vector);
    // Each coloured card still lies behind its panel.
    QCOMPARE(f.MarcBin->geometry(), f.Binary->geometry().adjusted(-3, -3, 3, 3));
    QCOMPARE(f.MarcUn->geometry(), f.POpUn->geometry().adjusted(-3, -3, 3, 3));
  }

  // After the store is emptied the picture is blank, and stays blank at any size.
  void AnEmptiedGraphPanelStaysBlankWhenTheWindowGrows() {
    Form1Driver d;
    Form1& f = *d.form;
    d.Enter(0, QStringLiteral("3, 4"));
    f.Stored->Btrst->click();
    f.resize(f.size() + QSize(200, 120));
    QTRY_VERIFY(f.Graph->PBox0->width() > 300);
    const QImage& picture = f.Graph->PBox0->surface().Image();
    for (int y = 0; y < picture.height(); y += 3)
      for (int x = 0; x < picture.width(); x += 3) QCOMPARE(picture.pixelColor(x, y), QColor(Qt::white));
  }

  void TheGraphPanelShowsTheDefaultPlaneAtLoad() {
    Form1Driver d;
    const QImage& picture = d.form->Graph->PBox0->surface().Image();
    // The imaginary axis runs down the middle of the picture.
    bool axis = false;
    for (int x = picture.width() / 2 - 2; x <= picture.width() / 2 + 2; ++x)
      axis = axis || picture.pixelColor(x, picture.height() / 3) != QColor(Qt::white);
    QVERIFY(axis);
    QVERIFY(picture.pixelColor(picture.width() / 4, picture.height() / 3) == QColor(Qt::white));
  }
};

ZORBIT_WINDOW_TEST_MAIN(Form1FrameTests)
#include "tst_form1_frame.moc"
