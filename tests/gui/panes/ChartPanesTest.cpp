// The bar and trend panes' rules as the user meets them: a bar near the display's right edge made
// wider than the display, a trend's dot pitch above its width - 2, and the scale order's message
// lost or the full scale left below the zero scale.

#include <QTest>

#include "NumberPaneKit.h"
#include "panes/CBarProperty.h"
#include "panes/CTrendProperty.h"

using namespace zorv;
using imagepanekit::PaneRig;
using numberpanekit::fieldOf;
using numberpanekit::typeInto;

class ChartPanesTest : public QObject {
    Q_OBJECT
private slots:
    void barAtX180_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("width");
        QTest::newRow("wider than the room is cut to 192 - x") << "20" << 12;
        QTest::newRow("the least width is cut to the room too") << "16" << 12;
        QTest::newRow("the room itself is raised to the least width") << "12" << 16;
        QTest::newRow("narrower than 16 is raised to 16") << "10" << 16;
    }
    void barAtX180() {
        QFETCH(QString, typed);
        QFETCH(int, width);
        PaneRig<CBarProperty> rig;
        BarRecord r = BarRecord::makeDefault();
        r.setX(180);
        r.setWidth(40);
        rig.load(r);
        typeInto(fieldOf(rig.pane, "Wide:"), typed);
        QVERIFY(rig.pane.apply());
        QCOMPARE(int(rig.working<BarRecord>().width()), width);
        QCOMPARE(fieldOf(rig.pane, "Wide:")->text(), QString::number(width));
        QVERIFY(rig.prompt.texts.empty());
        // The width shown is kept as it is: applying again does not raise 12 to 16.
        QVERIFY(rig.pane.apply());
        QCOMPARE(int(rig.working<BarRecord>().width()), width);
    }

    void trendDotPitch_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("pitch");
        QTest::newRow("above width - 2") << "19" << 18;
        QTest::newRow("width - 2") << "18" << 18;
        QTest::newRow("below 2") << "1" << 2;
    }
    void trendDotPitch() {
        QFETCH(QString, typed);
        QFETCH(int, pitch);
        PaneRig<CTrendProperty> rig;
        rig.load(TrendRecord::makeDefault());
        // The width is cut first; the pitch is bounded by the width as cut.
        typeInto(fieldOf(rig.pane, "Wide:"), "20");
        typeInto(fieldOf(rig.pane, "Dot-Pitch:"), typed);
        QVERIFY(rig.pane.apply());
        QCOMPARE(int(rig.working<TrendRecord>().dotPitch()), pitch);
        QCOMPARE(fieldOf(rig.pane, "Dot-Pitch:")->text(), QString::number(pitch));
    }

    void scaleOrderMessage_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("bar") << "Bar";
        QTest::newRow("trend") << "Trend";
    }
    void scaleOrderMessage() {
        QFETCH(QString, kind);
        const auto check = [](auto& rig, auto record) {
            rig.load(record);
            typeInto(fieldOf(rig.pane, "full-scale value :"), "50");
            typeInto(fieldOf(rig.pane, "zero-scale value:"), "100");
            QVERIFY(rig.pane.apply());
            QCOMPARE(rig.prompt.texts,
                     std::vector<std::string>{"The value of MaxScale must large than ZeroScale!"});
            QCOMPARE(fieldOf(rig.pane, "full-scale value :")->text(), QString("100"));
        };
        if (kind == "Bar") {
            PaneRig<CBarProperty> rig;
            check(rig, BarRecord::makeDefault());
        } else {
            PaneRig<CTrendProperty> rig;
            check(rig, TrendRecord::makeDefault());
        }
    }
};

QTEST_MAIN(ChartPanesTest)
#include "ChartPanesTest.moc"
