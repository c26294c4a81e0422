// The bar and trend panes' rules as the user meets them: a bar near the display's right edge made
// wider than the display, a trend's dot pitch above its width - 2, and the scale order's message
// lost or the full scale left below the zero scale.

#include <QTest>

#include "NumberPaneKit.h"
#include "panes/CBarProperty.h"
#include "panes/CTrendProperty.h"
#include "panes/FieldHint.h"

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
        QTest::addColumn<QString>("hint");
        const QString edge = "A bar graph ends at the display's right edge: set to 12";
        const QString least = "A bar graph is at least 16 pixels wide: set to 16";
        QTest::newRow("wider than the room is cut to 192 - x") << "20" << 12 << edge;
        QTest::newRow("the least width is cut to the room too") << "16" << 12 << edge;
        QTest::newRow("the room itself is raised to the least width") << "12" << 16 << least;
        QTest::newRow("narrower than 16 is raised to 16") << "10" << 16 << least;
    }
    // Tab out of the field applies the pane at once: the field shows the width stored and the
    // hint under it names the correction, to screen readers too.
    void barAtX180() {
        QFETCH(QString, typed);
        QFETCH(int, width);
        QFETCH(QString, hint);
        PaneRig<CBarProperty> rig;
        BarRecord r = BarRecord::makeDefault();
        r.setX(180);
        r.setWidth(40);
        rig.load(r);
        QLineEdit* wide = fieldOf(rig.pane, "Wide:");
        typeInto(wide, typed);
        QTest::keyClick(wide, Qt::Key_Tab);
        QCOMPARE(int(rig.working<BarRecord>().width()), width);
        QCOMPARE(wide->text(), QString::number(width));
        QVERIFY(rig.prompt.texts.empty());
        QVERIFY(rig.pane.hint().isVisible());
        QCOMPARE(rig.pane.hint().field(), static_cast<QWidget*>(wide));
        QCOMPARE(rig.pane.hint().text(), hint);
        QCOMPARE(wide->accessibleDescription(), hint);
        // The width shown is kept as it is: applying again does not raise 12 to 16.
        QVERIFY(rig.pane.apply());
        QCOMPARE(int(rig.working<BarRecord>().width()), width);
    }

    // An address over its letter's limit is named the same way; a value kept as typed takes the
    // hint away.
    void addressHint() {
        PaneRig<CBarProperty> rig;
        rig.load(BarRecord::makeDefault());
        QLineEdit* address = fieldOf(rig.pane, "ADDR:");
        typeInto(address, "9999");
        QTest::keyClick(address, Qt::Key_Tab);
        QCOMPARE(address->text(), QString("8499"));
        QCOMPARE(rig.pane.hint().text(), QString("A D address is at most 8499: set to 8499"));
        typeInto(address, "100");
        QTest::keyClick(address, Qt::Key_Tab);
        QVERIFY(!rig.pane.hint().isVisible());
        QCOMPARE(int(rig.working<BarRecord>().reg().address), 100);
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
