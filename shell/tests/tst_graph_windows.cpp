// SPDX-License-Identifier: MIT
// The four graph windows of the binary operations on the real main window: made hidden at load,
// shown and drawn by a calculation, placed beside the main window, closed and made again, the
// Graphs option both ways, and gone with the main window.
#include <QCheckBox>
#include <QGroupBox>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>

#include "graphics/operation_graphs.h"
#include "panel_actions.h"
#include "platform/testing/plane_lines.h"
#include "platform/testing/environment.h"

namespace {

const QString Captions[4] = {QStringLiteral("Sum  Z1 + Z2"), QStringLiteral("Difference  Z1 \u2212 Z2"),
                             QStringLiteral("Product  Z1 \u00b7 Z2"), QStringLiteral("Quotient  Z1 \u00f7 Z2")};

void Calculate(Form1& f) { QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton); }

// The operation windows on show (the spare window, unlinked, is not one).
int VisibleGraphWindows(Form1& f) {
  int n = 0;
  for (FGraf* w : f.findChildren<FGraf*>())
    if (w->isVisible() && w->Linked()) ++n;
  return n;
}

void DeleteLeftovers() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Window k draws its graph again, alone.
Surface& RedrawAlone(Form1& f, int k) {
  FGraf* w = f.Binary->GraphWindows[k];
  Surface& s = w->PBox->surface();
  s.StartRecording();
  w->resize(w->width() + 10, w->height());
  return s;
}

// The lines of window k's picture in a colour, in the user coordinates of its last drawing.
std::vector<UserLine> LinesOf(Form1& f, int k) {
  return UserLines(f.Binary->GraphWindows[k]->PBox->surface(), f.Binary->GraphScales[k]);
}
std::vector<UserLine> LinesOf(Form1& f, int k, const QColor& color) {
  std::vector<UserLine> lines;
  for (const UserLine& line : LinesOf(f, k))
    if (line.Color == color && !line.Dotted) lines.push_back(line);
  return lines;
}

}  // namespace

class GraphWindowTests : public QObject {
  Q_OBJECT

  QTemporaryDir settings_;

 private slots:
  // The windows' size is kept in settings of a temporary folder, fresh for each test.
  void initTestCase() {
    QVERIFY(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
  }
  void init() { QSettings().remove(QStringLiteral("graphs")); }

  void FourHiddenWindowsAreMadeAtLoad() {
    Form1Driver d;
    Form1& f = *d.form;
    for (int k = 0; k < 4; ++k) {
      FGraf* w = f.Binary->GraphWindows[k];
      QVERIFY(w != nullptr);
      QVERIFY(!w->isVisible());
      QCOMPARE(w->windowTitle(), Captions[k]);
      QCOMPARE(w->Tag, QString::number(k));
      QVERIFY(w->Linked());
      QCOMPARE(w->palette().color(QPalette::Window), BinaryGraphColor(k));
      QCOMPARE(w->windowIcon().cacheKey(), f.windowIcon().cacheKey());
    }
    // Asked for its graph before any calculation, a window shows the plain default plane.
    Surface& s = f.Binary->GraphWindows[3]->PBox->surface();
    s.StartRecording();
    f.Binary->AccioGrf(QStringLiteral("3"));
    QVERIFY(Near(std::min(f.Binary->GraphScales[3].XMax, f.Binary->GraphScales[3].YMax), 5, 1e-9));
    for (const SurfaceOp& op : s.Recorded()) QVERIFY(op.What != SurfaceOp::Kind::Text || op.Color == ProjectionGrey);  // numbers only
    QVERIFY(LinesOf(f, 3, ResultRed).empty());

    QCOMPARE(BinaryGraphColor(0), QColor(255, 255, 0));
    QCOMPARE(BinaryGraphColor(1), QColor(255, 175, 0));
    QCOMPARE(BinaryGraphColor(2), QColor(250, 0, 0));
    QCOMPARE(BinaryGraphColor(3), QColor(0, 0, 255));
  }

  // Owned by the main window, so that they stay above it, and on the screen even when the main
  // window fills it.
  void ACalculationShowsTheFourOwnedAndOnTheScreen() {
    Form1Driver d;
    StoreAll(d, {"1, 1", "1, -1"});
    Form1& f = *d.form;
    for (const bool maximised : {false, true}) {
      if (maximised) {
        f.showMaximized();
        for (FGraf* w : f.Binary->GraphWindows) w->close();
      }
      Calculate(f);
      QCOMPARE(VisibleGraphWindows(f), 4);
      const QRect screen = f.screen()->availableGeometry();
      for (int k = 0; k < 4; ++k) {
        FGraf* w = f.Binary->GraphWindows[k];
        QVERIFY(w->isWindow() && w->parentWidget() == &f);
        QVERIFY2(screen.contains(w->frameGeometry()), qPrintable(QStringLiteral("window %1").arg(k)));
        if (k > 0) QVERIFY(w->y() > f.Binary->GraphWindows[k - 1]->y());
      }
    }
  }

  // A size the user gives one window is kept for the four, and by the next main window.
  void ASizeGivenToOneIsKeptForTheFourAndTheNextRun() {
    {
      Form1Driver d;
      StoreAll(d, {"1, 1", "1, -1"});
      Calculate(*d.form);
      d.form->Binary->GraphWindows[2]->resize(500, 420);
      for (FGraf* w : d.form->Binary->GraphWindows) QCOMPARE(w->size(), QSize(500, 420));
    }
    Form1Driver next;
    QCOMPARE(next.form->Binary->GraphWindows[0]->size(), QSize(500, 420));
    QCOMPARE(QSettings().value(QStringLiteral("graphs/size")).toSize(), QSize(500, 420));
  }

  // Z1 = 1+i, Z2 = 1-i, the product 2+0i: both operands blue, the result red, on -2.2..2.2.
  void EachWindowDrawsItsOperationToScale() {
    Form1Driver d;
    StoreAll(d, {"1, 1", "1, -1"});
    Form1& f = *d.form;
    Calculate(f);
    RedrawAlone(f, 2);
    QVERIFY(Near(std::min(f.Binary->GraphScales[2].XMax, f.Binary->GraphScales[2].YMax), 2.2, 1e-9));
    QVERIFY(HasArrowTo(LinesOf(f, 2), OperandBlue, 1, 1));
    QVERIFY(HasArrowTo(LinesOf(f, 2), OperandBlue, 1, -1));
    QVERIFY(HasArrowTo(LinesOf(f, 2), ResultRed, 2, 0));
    // The sum's window shows the sum.
    RedrawAlone(f, 0);
    QVERIFY(HasArrowTo(LinesOf(f, 0), ResultRed, 2, 0));
    RedrawAlone(f, 1);
    QVERIFY(HasArrowTo(LinesOf(f, 1), ResultRed, 0, 2));
  }

  void ResizingRedrawsToFillTheWindow() {
    Form1Driver d;
    StoreAll(d, {"3, 4", "1, -2"});
    Form1& f = *d.form;
    Calculate(f);
    FGraf* w = f.Binary->GraphWindows[3];
    w->PBox->surface().StartRecording();
    w->resize(600, 450);
    QCOMPARE(w->PBox->geometry(), QRect(0, 0, 600, 450));
    const Surface& s = w->PBox->surface();
    QVERIFY(!s.Recorded().empty());
    QCOMPARE(s.Recorded().front().What, SurfaceOp::Kind::Clear);
    QVERIFY(Near(s.ScaleWidth(), PixelsToTwips(600), 1));
    QVERIFY(HasArrowTo(LinesOf(f, 3), ResultRed, -1, 2));
  }

  void AWindowClosedByHandComesBackAtTheNextCalculation() {
    Form1Driver d;
    StoreAll(d, {"3, 4", "1, -2"});
    Form1& f = *d.form;
    Calculate(f);
    QPointer<FGraf> closed = f.Binary->GraphWindows[1];
    closed->close();
    QVERIFY(closed->Tag.isEmpty());
    QCOMPARE(VisibleGraphWindows(f), 3);
    Calculate(f);
    DeleteLeftovers();
    QVERIFY(closed.isNull());
    FGraf* again = f.Binary->GraphWindows[1];
    QVERIFY(again->isVisible());
    QCOMPARE(again->Tag, QStringLiteral("1"));
    QCOMPARE(again->windowTitle(), Captions[1]);
    QCOMPARE(VisibleGraphWindows(f), 4);
  }

  void TheGraphsOptionHidesAndShowsFreshWindows() {
    Form1Driver d;
    StoreAll(d, {"3, 4", "1, -2"});
    Form1& f = *d.form;
    // Before any calculation, ticking shows nothing.
    QTest::mouseClick(f.Binary->OpGrfs, Qt::LeftButton);
    QTest::mouseClick(f.Binary->OpGrfs, Qt::LeftButton);
    QVERIFY(f.Binary->GraphsOn);
    QCOMPARE(VisibleGraphWindows(f), 0);

    Calculate(f);
    QCOMPARE(VisibleGraphWindows(f), 4);
    QTest::mouseClick(f.Binary->OpGrfs, Qt::LeftButton);
    QVERIFY(!f.Binary->GraphsOn);
    QCOMPARE(VisibleGraphWindows(f), 0);
    // Calculating with the option off fills the table and shows no window.
    Pick(f, 1, 'a');
    Calculate(f);
    QCOMPARE(VisibleGraphWindows(f), 0);

    QPointer<FGraf> old = f.Binary->GraphWindows[0];
    for (int k = 0; k < 4; ++k) f.Binary->GraphWindows[k]->PBox->surface().StartRecording();
    QTest::mouseClick(f.Binary->OpGrfs, Qt::LeftButton);
    DeleteLeftovers();
    QVERIFY(old.isNull());
    QCOMPARE(VisibleGraphWindows(f), 4);
    // The fresh windows draw the last calculation, Z1 = Z2 = 3+4i: the sum is 6+8i.
    RedrawAlone(f, 0);
    QVERIFY(HasArrowTo(LinesOf(f, 0), ResultRed, 6, 8));
  }

  // Z2 = 0: the quotient's window shows the operands and says that there is no quotient.
  void TheQuotientWindowWithoutAQuotient() {
    Form1Driver d;
    StoreAll(d, {"2, 1", "0, 0"});
    Form1& f = *d.form;
    Calculate(f);
    const Surface& s = RedrawAlone(f, 3);
    QVERIFY(HasArrowTo(LinesOf(f, 3), OperandBlue, 2, 1));
    QVERIFY(LinesOf(f, 3, ResultRed).empty());
    QString printed;
    for (const SurfaceOp& op : s.Recorded())
      if (op.What == SurfaceOp::Kind::Text) printed += op.Text;
    QVERIFY(printed.contains(QStringLiteral("not defined")));
  }

  void ADoubleClickOnTheFrameBringsTheWindowsForward() {
    Form1Driver d;
    StoreAll(d, {"3, 4", "1, -2"});
    Form1& f = *d.form;
    Calculate(f);
    f.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&f));
    QTest::mouseDClick(f.Binary, Qt::LeftButton, Qt::NoModifier, QPoint(f.Binary->width() - 8, 8));
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(f.Binary->GraphWindows[3]));
  }

  void ClosingTheMainWindowUnloadsTheGraphWindows() {
    Form1Driver d;
    StoreAll(d, {"3, 4", "1, -2"});
    Form1& f = *d.form;
    Calculate(f);
    std::array<QPointer<FGraf>, 4> windows;
    for (int k = 0; k < 4; ++k) windows[k] = f.Binary->GraphWindows[k];
    f.close();
    DeleteLeftovers();
    for (int k = 0; k < 4; ++k) {
      QVERIFY(windows[k].isNull());
      QVERIFY(f.Binary->GraphWindows[k] == nullptr);
    }
  }
};

ZORBIT_WINDOW_TEST_MAIN(GraphWindowTests)
#include "tst_graph_windows.moc"
