// The arithmetic of handle drags and snapping, without a window: guards against a resize that
// breaks the pane's size rules or moves the kept corner, a kind without a size that resizes, and
// snapping that prefers the grid to a widget's line, catches from too far or leaves the display.

#include <QTest>

#include "editor/CanvasSnap.h"
#include "editor/WidgetResize.h"
#include "model/records/BarRecord.h"
#include "model/records/StaticTextRecord.h"
#include "model/records/TrendRecord.h"

using namespace zorv;

namespace {

template <class R> R as(const std::vector<uint8_t>& bytes) {
    R r;
    std::copy(bytes.begin(), bytes.end(), r.bytes.begin());
    return r;
}

template <class R> std::vector<uint8_t> bytesOf(const R& r) {
    return {r.bytes.begin(), r.bytes.end()};
}

} // namespace

class CanvasGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void sizesKeepThePaneRules();
    void cornersKeepTheOppositeCorner();
    void linesCatchBeforeTheGrid();
};

void CanvasGeometryTest::sizesKeepThePaneRules() {
    BarRecord bar = BarRecord::makeDefault();
    bar.setRegister({7, uint8_t(RegisterType::D), 120});
    const auto wide = sizedRecord(WidgetKind::Bar, bytesOf(bar), {180, 10, 20, 10});
    QVERIFY(wide);
    QCOMPARE(as<BarRecord>(*wide).width(), uint16_t(12)); // 192 - x
    QCOMPARE(as<BarRecord>(*wide).height(), uint16_t(16));
    QCOMPARE(as<BarRecord>(*wide).reg(), bar.reg());

    TrendRecord trend = TrendRecord::makeDefault();
    trend.setDotPitch(30);
    const auto narrow = sizedRecord(WidgetKind::Trend, bytesOf(trend), {0, 0, 20, 30});
    QVERIFY(narrow);
    QCOMPARE(as<TrendRecord>(*narrow).dotPitch(), uint8_t(18));

    QVERIFY(!hasSize(WidgetKind::StaticText));
    QVERIFY(!sizedRecord(WidgetKind::StaticText, bytesOf(StaticTextRecord{}), {0, 0, 40, 40}));
    QVERIFY(!sizedRecord(WidgetKind::Bar, std::vector<uint8_t>(12), {0, 0, 40, 40}));
}

void CanvasGeometryTest::cornersKeepTheOppositeCorner() {
    BarRecord bar = BarRecord::makeDefault();
    const std::vector<uint8_t> record = bytesOf(bar);
    const DisplayBox start{40, 8, 30, 40}; // right 70, bottom 48
    // Past the display's left edge: the box starts at 0 and keeps its right edge.
    auto r = resizeByCorner(WidgetKind::Bar, record, start, Corner::TopLeft, -20, 2);
    QVERIFY(r);
    QCOMPARE(r->box, (DisplayBox{0, 2, 70, 46}));
    // Past the kept edge: the smallest size, still ending at the kept edges.
    r = resizeByCorner(WidgetKind::Bar, record, start, Corner::BottomLeft, 90, 5);
    QCOMPARE(r->box, (DisplayBox{54, 8, 16, 16}));
    r = resizeByCorner(WidgetKind::Bar, record, start, Corner::TopRight, 100, 60);
    QCOMPARE(r->box, (DisplayBox{40, 32, 60, 16}));
    QCOMPARE(as<BarRecord>(r->record).y(), uint16_t(32));
    QVERIFY(!resizeByCorner(WidgetKind::Key, record, start, Corner::TopRight, 100, 60));
}

void CanvasGeometryTest::linesCatchBeforeTheGrid() {
    const std::vector<int> targets{20, 50, 51};
    // The nearest line within reach, though the grid lies nearer.
    QCOMPARE(snapLines(std::vector<int>{17}, targets).shift, 3);
    QCOMPARE(snapLines(std::vector<int>{17}, targets).guide, std::optional<int>(20));
    QCOMPARE(snapLines(std::vector<int>{10, 49}, targets).guide, std::optional<int>(50));
    // One pixel beyond reach: the first line onto the nearest cell.
    const LineSnap far = snapLines(std::vector<int>{20 - kSnapCatch - 1}, targets);
    QCOMPARE(far.shift, 0);
    QVERIFY(!far.guide);
    QCOMPARE(snapLines(std::vector<int>{13, 30}, {}).shift, 3);

    // Centres meet centres; a box the display edge holds back loses its guide.
    const std::vector<DisplayBox> others{{100, 0, 40, 20}};
    const SnappedMove centred = snapMove({108, 30, 20, 10}, others);
    QCOMPARE(centred.box, (DisplayBox{110, 32, 20, 10}));
    QCOMPARE(centred.guides, (Guides{120, std::nullopt}));
    const std::vector<DisplayBox> edge{{0, 0, 180, 63}};
    const SnappedMove held = snapMove({150, 50, 40, 20}, edge);
    QCOMPARE(held.box, (DisplayBox{152, 44, 40, 20}));
    QVERIFY(!held.guides.y);
}

QTEST_APPLESS_MAIN(CanvasGeometryTest)
#include "CanvasGeometryTest.moc"
