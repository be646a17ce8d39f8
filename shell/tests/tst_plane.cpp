// SPDX-License-Identifier: MIT
// The planes the user can touch, on the real main window and its graph windows, with real mouse,
// wheel and key events: the graph panel's complex dragged, clicked, moved with the keys and
// cancelled; zoom, pan and fit; the graph windows' operands dragged; saved pictures fitted.
#include <QToolButton>
#include <QWheelEvent>

#include "graphics/plane_box.h"
#include "panel_actions.h"
#include "shell/plane_targets.h"
#include "platform/testing/environment.h"

namespace {

// The widget pixel of plane point (x, y), from the two properties alone.
QPoint PixelOf(const QWidget* box, double x, double y) {
  const QRectF w = box->property("planeWindow").toRectF();
  const QRect p = box->property("plotRect").toRect();
  return {qRound(p.left() + (x - w.left()) / w.width() * p.width()),
          qRound(p.top() + (w.bottom() - y) / w.height() * p.height())};
}

void Drag(QWidget* box, QPointF from, QPointF to, Qt::KeyboardModifiers keys = {}) {
  QTest::mousePress(box, Qt::LeftButton, keys, PixelOf(box, from.x(), from.y()));
  QTest::mouseMove(box, PixelOf(box, to.x(), to.y()));
}

// The mouse over `at`, no button down, as the window system reports it.
void Hover(QWidget* box, QPointF at, Qt::KeyboardModifiers keys = {}) {
  QMouseEvent move(QEvent::MouseMove, at, box->mapToGlobal(at), Qt::NoButton, Qt::NoButton, keys);
  QApplication::sendEvent(box, &move);
}

void Wheel(QWidget* box, QPoint at, int delta) {
  QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(box, &wheel);
}

QString Text(const QLineEdit* box) { return box->text(); }

}  // namespace

class PlaneTests : public QObject {
  Q_OBJECT

 private slots:
  // The open complex follows the mouse, snapped to whole numbers or free with Shift, and takes the
  // value on release as one undo step; the panel says what it shows.
  void DraggingTheOpenComplexReplacesItAsOneStep() {
    Form1Driver d;
    Form1& f = *d.form;
    d.Enter(0, QStringLiteral("3, 4"));
    d.ClickRow(0, 0);
    PlaneBox* box = f.Graph->PBox0;
    QCOMPARE(box->accessibleName(), QStringLiteral("complex plane: 3+4i"));
    const QRectF window = box->property("planeWindow").toRectF();
    Drag(box, {3, 4}, {1.2, -1.9});
    QCOMPARE(Text(f.Entry->EdN[0]), QStringLiteral("1 , -2"));
    QCOMPARE(Text(f.Entry->EdN[1]), QStringLiteral("2.24 , -63.4\u00b0"));
    QCOMPARE(f.Graph->EtZ->text(), QStringLiteral("1-2i"));
    QCOMPARE(box->property("planeWindow").toRectF(), window);  // the plane stays put under the mouse
    QTest::mouseMove(box, PixelOf(box, 1.2, -1.9), 0);
    QTest::mouseRelease(box, Qt::LeftButton, Qt::ShiftModifier, PixelOf(box, 1.2, -1.9));
    QCOMPARE(d.Column(1), QStringList{QStringLiteral("1-2i")});
    QCOMPARE(f.Stored->EditIndex, std::int16_t(1));  // still open for the next move
    QCOMPARE(box->accessibleName(), QStringLiteral("complex plane: 1-2i"));
    f.OpUndo->trigger();
    QCOMPARE(d.Column(1), QStringList{QStringLiteral("3+4i")});
    // With Shift the point is free, at the decimals shown.
    d.ClickRow(0, 0);
    QTest::mousePress(box, Qt::LeftButton, {}, PixelOf(box, 3, 4));
    QMouseEvent free(QEvent::MouseMove, QPointF(PixelOf(box, 3, 4)) + QPointF(0.4, 0), box->mapToGlobal(QPointF(PixelOf(box, 3, 4))),
                     Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(box, &free);
    QVERIFY(Text(f.Entry->EdN[0]) != QStringLiteral("3 , 4"));
    // Free, yet within a pixel of where the mouse is: not snapped back to 3 , 4.
    const QStringList parts = Text(f.Entry->EdN[0]).split(QStringLiteral(" , "));
    QCOMPARE(parts.size(), 2);
    QVERIFY(qAbs(parts[0].toDouble() - 3) < 0.05 && qAbs(parts[1].toDouble() - 4) < 0.05);
    // Esc puts everything back, and the release that follows changes nothing.
    QTest::keyClick(box, Qt::Key_Escape);
    QCOMPARE(Text(f.Entry->EdN[0]), QStringLiteral("3 , 4"));
    QCOMPARE(f.Graph->EtZ->text(), QStringLiteral("3+4i"));
    QTest::mouseRelease(box, Qt::LeftButton, {}, PixelOf(box, 0, 0));
    QCOMPARE(d.Column(1), QStringList{QStringLiteral("3+4i")});
  }

  // With nothing open, a click puts the snapped point in the boxes as if typed, and Enter on the
  // plane stores it; the arrow keys move the tip a step.
  void AClickWaitsInTheBoxesAndEnterStoresIt() {
    Form1Driver d;
    Form1& f = *d.form;
    PlaneBox* box = f.Graph->PBox0;
    QTest::mouseClick(box, Qt::LeftButton, {}, PixelOf(box, 2.1, -0.9));
    QTRY_COMPARE(Text(f.Entry->EdN[0]), QStringLiteral("2 , -1"));
    QVERIFY(d.Column(1).isEmpty());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(d.Column(1), QStringList{QStringLiteral("2-1i")});
    d.ClickRow(0, 0);
    // 2 - i fits a plane from -2.4 to 2.4 or a little wider: fewer than ten whole ticks, so halves.
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClick(box, Qt::Key_Up);
    QCOMPARE(Text(f.Entry->EdN[0]), QStringLiteral("2.5 , -0.5"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(d.Column(1), QStringList{QStringLiteral("2.5-0.5i")});
  }

  // The wheel zooms around the mouse, a drag of the background pans, a double click and Home fit.
  void ZoomPanAndFit() {
    Form1Driver d;
    PlaneBox* box = d.form->Graph->PBox0;
    const QRectF fitted = box->property("planeWindow").toRectF();
    const QPoint at = PixelOf(box, 2, 1);
    Wheel(box, at, 120);
    const QRectF zoomed = box->property("planeWindow").toRectF();
    QVERIFY(qAbs(zoomed.width() - fitted.width() / 1.25) < 1e-9);
    // The point under the mouse stays there, within the pixel the mouse stands on.
    QVERIFY((PixelOf(box, 2, 1) - at).manhattanLength() <= 1);
    QTest::mousePress(box, Qt::LeftButton, {}, at);
    QTest::mouseMove(box, at + QPoint(40, 0));
    QTest::mouseRelease(box, Qt::LeftButton, {}, at + QPoint(40, 0));
    QVERIFY((PixelOf(box, 2, 1) - at - QPoint(40, 0)).manhattanLength() <= 1);
    QTest::mouseDClick(box, Qt::LeftButton, {}, at);
    QCOMPARE(box->property("planeWindow").toRectF(), fitted);
    Wheel(box, at, -240);
    QTest::keyClick(box, Qt::Key_Home);
    QCOMPARE(box->property("planeWindow").toRectF(), fitted);
    QVERIFY(d.Column(1).isEmpty());  // the double click stored nothing
  }

  // Roots and a power's result are pictures to look at: no drag cursor, nothing moves.
  void ResultsCannotBeDragged() {
    Form1Driver d;
    Form1& f = *d.form;
    d.Enter(0, QStringLiteral("0, 8"));
    PlaneBox* box = f.Graph->PBox0;
    Hover(box, PixelOf(box, 0, 8));
    QCOMPARE(box->cursor().shape(), Qt::OpenHandCursor);
    QCOMPARE(box->toolTip(), QStringLiteral("0+8i     8 , 90\u00b0"));
    f.Power->OkPot_Click();
    const Cplx result = f.Graph->Shown();
    Hover(box, PixelOf(box, result.Re, result.Im));
    QCOMPARE(box->cursor().shape(), Qt::ArrowCursor);
    Drag(box, {result.Re, result.Im}, {1, 1});
    QTest::mouseRelease(box, Qt::LeftButton, {}, PixelOf(box, 1, 1));
    QCOMPARE(d.Column(1), QStringList{QStringLiteral("0+8i")});
    QVERIFY(Text(f.Entry->EdN[0]).isEmpty());
  }

  // Z1 dragged in the sum's window moves the table, the operand boxes and the product's window;
  // on release its letter takes it as one step, which undo takes back and redraws.
  void DraggingAnOperandInAGraphWindow() {
    Form1Driver d;
    Form1& f = *d.form;
    StoreAll(d, {"3, 4", "1, -2"});
    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    QWidget* sum = f.Binary->GraphWindows[0]->PBox;
    QTRY_VERIFY(sum->property("planeWindow").toRectF().width() > 0);
    const QRectF product = f.Binary->GraphWindows[2]->PBox->property("planeWindow").toRectF();
    Drag(sum, {3, 4}, {2, 2});
    QCOMPARE(f.Binary->IdZ1[0]->text(), QStringLiteral("2+2i"));
    QCOMPARE(f.Binary->ResultsTable->Cells[0][0], QStringLiteral("3+0i"));
    QCOMPARE(f.Binary->ResultsTable->Cells[2][0], QStringLiteral("6-2i"));  // (2+2i)(1-2i)
    QCOMPARE(f.Binary->GraphWindows[2]->PBox->property("planeWindow").toRectF(), product);
    QTest::keyClick(sum, Qt::Key_Escape);
    QCOMPARE(f.Binary->ResultsTable->Cells[2][0], QStringLiteral("11-2i"));  // (3+4i)(1-2i)
    QCOMPARE(f.Binary->IdZ1[0]->text(), QStringLiteral("3+4i"));
    QTest::mouseRelease(sum, Qt::LeftButton, {}, PixelOf(sum, 2, 2));
    Drag(sum, {1, -2}, {0, -3});
    QTest::mouseRelease(sum, Qt::LeftButton, {}, PixelOf(sum, 0, -3));
    QCOMPARE(d.Column(1), (QStringList{QStringLiteral("3+4i"), QStringLiteral("0-3i")}));
    QCOMPARE(f.Binary->ResultsTable->Cells[2][0], QStringLiteral("12-9i"));  // (3+4i)(-3i)
    f.OpUndo->trigger();
    QCOMPARE(d.Column(1), (QStringList{QStringLiteral("3+4i"), QStringLiteral("1-2i")}));
    QCOMPARE(f.Binary->ResultsTable->Cells[2][0], QStringLiteral("11-2i"));
    QCOMPARE(f.Binary->Last.Z2.Im, -2.0);
  }

  // Saving draws the graphs on the windows they fit to their values, then gives the views back.
  void SavedPicturesAreTheFittedOnes() {
    Form1Driver d;
    Form1& f = *d.form;
    StoreAll(d, {"3, 4", "1, -2"});
    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    QWidget* product = f.Binary->GraphWindows[2]->PBox;
    QTRY_VERIFY(product->property("planeWindow").toRectF().width() > 0);
    const QImage fitted = f.Binary->GraphWindows[2]->PBox->surface().Image();
    Wheel(product, QPoint(30, 30), 240);
    const QRectF zoomed = product->property("planeWindow").toRectF();
    QVERIFY(f.Binary->GraphWindows[2]->PBox->surface().Image() != fitted);
    {
      const FittedPictures saving(*f.Graph, *f.Binary);
      QCOMPARE(f.Binary->GraphWindows[2]->PBox->surface().Image(), fitted);
    }
    QCOMPARE(product->property("planeWindow").toRectF(), zoomed);
    // A new calculation fits the windows again.
    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    QCOMPARE(f.Binary->GraphWindows[2]->PBox->surface().Image(), fitted);
  }
};

ZORBIT_WINDOW_TEST_MAIN(PlaneTests)
#include "tst_plane.moc"
