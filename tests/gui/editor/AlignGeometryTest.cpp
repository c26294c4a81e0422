// Lining up, spacing out and sizing alike, as plain arithmetic: every box ends on the one line,
// the spaces come out equal with the outer boxes kept, nothing leaves the span, a selection too
// small changes nothing, and a size given to a bar or trend keeps the pane's rules while a
// record that was only moved keeps its other bytes.

#include <QTest>

#include "editor/AlignCommands.h"
#include "model/records/BarRecord.h"
#include "model/records/TrendRecord.h"
#include "model/rules/BarRules.h"
#include "model/rules/TrendRules.h"

using namespace zorv;

namespace {

const std::vector<LayoutBox> kThree{{40, 20, 30, 10}, {10, 5, 20, 8}, {100, 30, 7, 6}};

} // namespace

class AlignGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void edgesCentresAndMiddlesShareOneLine();
    void spacesComeOutEqual();
    void tooFewWidgetsChangeNothing();
    void sizesKeepThePaneRules();
};

void AlignGeometryTest::edgesCentresAndMiddlesShareOneLine() {
    for (const LayoutBox& b : arranged(Arrange::Left, kThree))
        QCOMPARE(b.x, 10);
    for (const LayoutBox& b : arranged(Arrange::Right, kThree))
        QCOMPARE(b.x + b.width, 107);
    for (const LayoutBox& b : arranged(Arrange::Bottom, kThree))
        QCOMPARE(b.y + b.height, 36);
    // Centres on the middle of the span (10..107): odd lengths lose their half pixel inward.
    const std::vector<LayoutBox> centred = arranged(Arrange::Centres, kThree);
    QCOMPARE(centred[0].x, 43);
    QCOMPARE(centred[1].x, 48);
    QCOMPARE(centred[2].x, 55);
    const std::vector<LayoutBox> level = arranged(Arrange::Middles, kThree);
    for (std::size_t i = 0; i < kThree.size(); ++i) {
        // The other direction is left alone; the result stays inside the span.
        QCOMPARE(level[i].x, kThree[i].x);
        QVERIFY(level[i].y >= 5 && level[i].y + level[i].height <= 36);
        QCOMPARE(centred[i].y, kThree[i].y);
    }
}

void AlignGeometryTest::spacesComeOutEqual() {
    // Given out of order: the leftmost and the rightmost keep their places.
    const std::vector<LayoutBox> across = arranged(Arrange::Across, kThree);
    QCOMPARE(across[1].x, 10);
    QCOMPARE(across[2].x, 100);
    QCOMPARE(across[0].x - (across[1].x + across[1].width), across[2].x - (across[0].x + 30));
    // Boxes that overlap too much for spaces get equal steps between their starts.
    const std::vector<LayoutBox> wide{{0, 0, 80, 8}, {5, 0, 80, 8}, {60, 0, 80, 8}};
    const std::vector<LayoutBox> stepped = arranged(Arrange::Across, wide);
    QCOMPARE(stepped[1].x, 30);
    QCOMPARE(stepped[2].x, 60);
    const std::vector<LayoutBox> down = arranged(Arrange::Down, kThree);
    QCOMPARE(down[1].y, 5);
    QCOMPARE(down[2].y, 30);
    // Seven pixels of room for two spaces: they differ by the one left over.
    QCOMPARE(down[0].y - (5 + 8), 3);
    QCOMPARE(30 - (down[0].y + 10), 4);
}

void AlignGeometryTest::tooFewWidgetsChangeNothing() {
    const std::vector<LayoutBox> one{kThree[0]};
    const std::vector<LayoutBox> two{kThree[0], kThree[1]};
    QVERIFY(!canArrange(Arrange::Left, one));
    QVERIFY(canArrange(Arrange::Left, two));
    QVERIFY(!canArrange(Arrange::Across, two));
    QCOMPARE(arranged(Arrange::Down, two), two);
    // Texts have no size of their own: one bar among them is too few.
    std::vector<LayoutBox> mixed{kThree[0], {0, 0, 16, 48, true}};
    QVERIFY(!canArrange(Arrange::SameWidth, mixed));
    QCOMPARE(arranged(Arrange::SameHeight, mixed), mixed);
    mixed.push_back({60, 0, 30, 20, true});
    QVERIFY(canArrange(Arrange::SameHeight, mixed));
    const std::vector<LayoutBox> high = arranged(Arrange::SameHeight, mixed);
    QCOMPARE(high[0], mixed[0]);
    QCOMPARE(high[2].height, 48);
}

void AlignGeometryTest::sizesKeepThePaneRules() {
    // A bar near the right edge given a wide bar's width is cut as its pane cuts a typed Wide.
    BarRecord bar = BarRecord::makeDefault();
    bar.setX(170);
    WidgetNode barNode = WidgetNode::of(1, bar);
    const LayoutBox barBefore{170, 0, 16, 48, true};
    QVERIFY(storeLayoutBox(barNode, barBefore, {170, 0, 60, 48, true}));
    rules::BarForm typed = rules::barFormOf(bar);
    typed.width = "60";
    QCOMPARE(barNode.get<BarRecord>().width(), rules::confirmBar(bar, typed).record.width());
    QVERIFY(barNode.get<BarRecord>().width() <= 22);

    // A narrower trend takes its dot pitch down with it.
    TrendRecord trend = TrendRecord::makeDefault();
    trend.setDotPitch(40);
    WidgetNode trendNode = WidgetNode::of(2, trend);
    QVERIFY(storeLayoutBox(trendNode, {0, 0, 96, 48, true}, {0, 0, 20, 48, true}));
    QCOMPARE(trendNode.get<TrendRecord>().width(), uint16_t(20));
    QVERIFY(trendNode.get<TrendRecord>().dotPitch() <= 18);

    // Only moved: a size the record holds beyond the display is not rewritten.
    bar.setWidth(300);
    WidgetNode moved = WidgetNode::of(3, bar);
    QVERIFY(storeLayoutBox(moved, {170, 0, 22, 48, true}, {4, 0, 22, 48, true}));
    bar.setX(4);
    QCOMPARE(moved.get<BarRecord>(), bar);
    WidgetNode empty;
    QVERIFY(!storeLayoutBox(empty, barBefore, barBefore));
}

QTEST_GUILESS_MAIN(AlignGeometryTest)
#include "AlignGeometryTest.moc"
