// SPDX-License-Identifier: MIT
#include <QtTest>
#include <algorithm>
#include <memory>

#include "graphics/fgraf.h"
#include "graphics/operation_graphs.h"
#include "platform/picture_box.h"
#include "platform/twips.h"
#include "platform/testing/environment.h"

namespace {
// Stands in for the main window: remembers what was asked and draws the binary graph of the
// operation named by the tag, as the main window does.
class Source : public GraphSource {
 public:
  void AccioGrf(const QString& tag) override {
    Asked << tag;
    const int k = tag.toInt();
    if (k < 0 || k >= static_cast<int>(Windows.size()) || Windows[k] == nullptr) return;
    DrawBinaryGraph(Windows[k]->PBox->surface(), Z1, Z2, CplxOp(static_cast<OpCode>(k), Z1, Z2));
  }

  QStringList Asked;
  std::vector<FGraf*> Windows;
  Cplx Z1 = MakeCplx(3, 4);
  Cplx Z2 = MakeCplx(1, -2);
};

const QString Captions[4] = {QStringLiteral(" Z1 + Z2"), QStringLiteral(" Z1 - Z2"), QStringLiteral(" Z1 · Z2"),
                             QStringLiteral(" Z1 ÷ Z2")};
}  // namespace

class FGrafTests : public QObject {
  Q_OBJECT

 private slots:
  void DesignedWindowHasItsNamesAndSize() {
    QWidget main;
    FGraf spare(&main);
    QCOMPARE(spare.objectName(), QStringLiteral("FGraf"));
    QCOMPARE(spare.PBox->objectName(), QStringLiteral("PBox"));
    QCOMPARE(spare.windowTitle(), QStringLiteral("Graf"));
    QVERIFY(spare.isWindow());
    QCOMPARE(spare.size(), QSize(TwipsToPixelsRounded(5400), TwipsToPixelsRounded(4200)));
    QCOMPARE(spare.PBox->geometry(), spare.rect());
    QVERIFY(spare.Tag.isEmpty());
    QVERIFY(!spare.Linked());
  }

  void OnlyALinkedWindowAsksForItsGraph() {
    QWidget main;
    Source source;
    FGraf spare(&main);
    spare.show();
    spare.resize(300, 200);
    QVERIFY(source.Asked.isEmpty());

    auto* window = new FGraf(&main);
    source.Windows = {nullptr, nullptr, window, nullptr};
    SetUpGraphWindow(*window, 2, Captions[2], QIcon(), &source);
    QCOMPARE(window->Tag, QStringLiteral("2"));
    QCOMPARE(window->windowTitle(), Captions[2]);
    QCOMPARE(window->palette().color(QPalette::Window), QColor(250, 0, 0));
    QCOMPARE(window->PBox->surface().BackColor(), BinaryGraphPaper(2));
    QVERIFY(source.Asked.isEmpty());  // set up, not shown

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(source.Asked, QStringList{QStringLiteral("2")});  // once on show

    window->resize(400, 300);
    QCOMPARE(source.Asked.size(), 2);
    QCOMPARE(window->PBox->geometry(), QRect(0, 0, 400, 300));
    // The graph was drawn for the new size: the surface is the client area.
    QCOMPARE(TwipsToPixelsRounded(window->PBox->surface().ScaleWidth()), 400);
    QCOMPARE(window->PBox->surface().Image().width(),
             qRound(400 * window->PBox->surface().Image().devicePixelRatio()));
    // The paper of the red window, with the red result on it.
    const QImage picture = window->PBox->surface().Image();
    QCOMPARE(picture.pixelColor(2, 2), BinaryGraphPaper(2));
  }

  void ClosingEmptiesTheTag() {
    QWidget main;
    Source source;
    auto* window = new FGraf(&main);
    SetUpGraphWindow(*window, 1, Captions[1], QIcon(), &source);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->close());
    QVERIFY(window->Tag.isEmpty());
    QVERIFY(window->isHidden());
    // Hidden windows do not ask again when resized.
    const auto asked = source.Asked.size();
    window->resize(500, 500);
    QCOMPARE(source.Asked.size(), asked);
    // Shown again, it fills its new size, but has no operation to ask for until set up again.
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->PBox->geometry(), QRect(0, 0, 500, 500));
    QCOMPARE(source.Asked.size(), asked);
    SetUpGraphWindow(*window, 1, Captions[1], QIcon(), &source);
    window->resize(400, 400);
    QCOMPARE(source.Asked.last(), QStringLiteral("1"));
  }

  // Right of the main window, a tenth of their height apart, and always on the screen: over the
  // main window when it fills the screen or stands at its right edge, closer on a short screen.
  void WindowsStandBesideTheMainWindowOnTheScreen() {
    const int gap = TwipsToPixelsRounded(100);
    const QSize outer(330, 290);
    const QRect tall(0, 0, 1920, 1400);
    const struct {
      QRect main, available;
      int x, top, step;
    } cases[] = {
        {{100, 60, 800, 620}, tall, 900 + gap, 60 - gap, 319},
        {tall, tall, 1590, 0, 319},                            // maximised
        {{1100, 60, 820, 620}, tall, 1590, 60 - gap, 319},     // at the right edge
        {{100, 60, 800, 620}, {0, 0, 1280, 690}, 900 + gap, 1, 133},  // four overlap
    };
    for (const auto& c : cases) {
      for (int k = 0; k < 4; ++k) {
        const QPoint at = GraphWindowPlace(c.main, k, outer, c.available);
        QCOMPARE(at, QPoint(c.x, c.top + k * c.step));
        QVERIFY(c.available.contains(QRect(at, outer)));
      }
    }
  }
};

ZORBIT_WINDOW_TEST_MAIN(FGrafTests)
#include "tst_fgraf.moc"
