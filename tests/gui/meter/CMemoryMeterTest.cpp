// Guards the memory meter pane: colours switched at the wrong share of either limit (89, 91 and
// 101 %), a tooltip without the sections or the largest pages, a refusal not shown or a click on
// it that does not ask for its page, a library character taken as a mnemonic, and recomputes
// that run on every change instead of once after the wait, or that show figures other than
// those of the project as it is now.
#include <QAccessible>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "app/meter/CMemoryMeter.h"
#include "model/WidgetRecords.h"

using namespace zorv;

namespace {

CompileStats figures(std::size_t bytes, int glyphs) {
    CompileStats stats;
    stats.ok = true;
    stats.imageBytes = bytes;
    stats.glyphCount = glyphs;
    return stats;
}

CompileStats refusal(int page) {
    CompileStats stats;
    stats.message = "The character &C1 used on page " + std::to_string(page) +
                    " (StaticText at 10,16) is not in the UserLib.dat!";
    CompilePlace place;
    place.pageNumber = page;
    place.kind = WidgetKind::StaticText;
    stats.refusedAt = place;
    return stats;
}

void addText(CHCData& project, uint16_t page, const char* text) {
    CPage* p = project.pageByNumber(page);
    if (!p)
        p = project.addPage(page, PlaceMode::Insert);
    StaticTextRecord r;
    r.setText(0, TextSlot::fromBytes(text));
    p->widgets.push_back(WidgetNode::of(p->nextWidgetId++, r));
}

} // namespace

class CMemoryMeterTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir work_;
    FixedPaths paths_{ZORV_PROGRAM_DIR, work_.path().toStdString(), work_.path().toStdString()};
    CHCData project_;

    CMemoryMeter* makeMeter(QWidget* parent = nullptr) {
        return new CMemoryMeter([this] { return &project_; }, paths_, parent);
    }

private slots:
    void colours_data() {
        QTest::addColumn<qulonglong>("bytes");
        QTest::addColumn<int>("glyphs");
        QTest::addColumn<int>("level");
        // 89, 91 and 101 % of 57344 bytes and of 512 characters.
        QTest::newRow("bytes 89 %") << 51036ull << 10 << int(MeterLevel::Normal);
        QTest::newRow("bytes 91 %") << 52183ull << 10 << int(MeterLevel::Warning);
        QTest::newRow("bytes 101 %") << 57917ull << 10 << int(MeterLevel::Error);
        QTest::newRow("characters 89 %") << 1000ull << 455 << int(MeterLevel::Normal);
        QTest::newRow("characters 91 %") << 1000ull << 466 << int(MeterLevel::Warning);
        QTest::newRow("characters 101 %") << 1000ull << 517 << int(MeterLevel::Error);
    }

    void colours() {
        QFETCH(qulonglong, bytes);
        QFETCH(int, glyphs);
        QFETCH(int, level);
        std::unique_ptr<CMemoryMeter> meter(makeMeter());
        const QColor normal = meter->palette().color(QPalette::Button);
        meter->showStats(figures(bytes, glyphs));
        QCOMPARE(int(meter->level()), level);
        QCOMPARE(meter->text(), QString::fromStdString(meterText(bytes, glyphs)));
        const QColor shown = meter->palette().color(QPalette::Button);
        if (level == int(MeterLevel::Normal))
            QCOMPARE(shown, normal);
        else
            QCOMPARE(shown, level == int(MeterLevel::Warning) ? CMemoryMeter::warningColor()
                                                              : CMemoryMeter::errorColor());
        // Back under the limits, the status bar's colours return.
        meter->showStats(figures(1000, 10));
        QCOMPARE(meter->palette().color(QPalette::Button), normal);
    }

    void tooltipBreaksTheSizeDown() {
        std::unique_ptr<CMemoryMeter> meter(makeMeter());
        CompileStats stats = figures(28672, 256);
        const std::size_t sections[] = {120, 36, 24000, 1520, 8192, 800, 4};
        std::copy(std::begin(sections), std::end(sections), stats.sectionBytes);
        stats.largestPages = {{12, 9000}, {3, 7000}};
        meter->showStats(stats);
        const QString tip = meter->toolTip();
        for (const char* line :
             {"pages: 24000 bytes", "ASCII font: 1520 bytes", "glyph table: 8192 bytes",
              "alarm list: 800 bytes", "Largest pages: page 12 (9000 bytes), page 3 (7000 bytes)"})
            QVERIFY2(tip.contains(line), qPrintable(tip));
        // A screen reader reads the figures themselves, and the role beside them.
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(meter.get());
        QVERIFY(read);
        QCOMPARE(read->text(QAccessible::Name), meter->text());
        QVERIFY(meter->text().contains("KB of 56 KB"));
        QVERIFY(read->text(QAccessible::Description).startsWith("Memory meter"));
    }

    void refusalNamesThePageAndAClickAsksForIt() {
        std::unique_ptr<CMemoryMeter> meter(makeMeter());
        QSignalSpy pages(meter.get(), &CMemoryMeter::pageRequested);
        meter->showStats(figures(1000, 10));
        QTest::mouseClick(meter.get(), Qt::LeftButton);
        QCOMPARE(pages.count(), 0); // figures name no page

        meter->showStats(refusal(3));
        QVERIFY(meter->text().contains("page 3 (StaticText at 10,16)"));
        QVERIFY(meter->text().contains("&&C1")); // shown as typed, not as a mnemonic
        QVERIFY(meter->toolTip().contains("Click to show page 3."));
        QCOMPARE(meter->level(), MeterLevel::Error);
        QCOMPARE(meter->palette().color(QPalette::Button), CMemoryMeter::errorColor());
        QTest::mouseClick(meter.get(), Qt::LeftButton);
        QCOMPARE(pages.count(), 1);
        QCOMPARE(pages.at(0).at(0).toInt(), 3);

        CompileStats alarms = refusal(3);
        alarms.refusedAt->pageNumber = CompilePlace::kSystemAlarmList;
        meter->showStats(alarms);
        QTest::mouseClick(meter.get(), Qt::LeftButton);
        QCOMPARE(pages.count(), 1); // the system alarm list is on no page
    }

    void recomputesOnceAfterTheWaitWithTheNewestProject() {
        project_ = CHCData();
        addText(project_, 1, "Pump");
        std::unique_ptr<CMemoryMeter> meter(makeMeter());
        QSignalSpy shown(meter.get(), &CMemoryMeter::statsShown);
        meter->projectChanged();
        QTest::qWait(100);
        addText(project_, 2, "\xB1\xC3"); // a change while waiting: one more glyph
        meter->projectChanged();
        QTest::qWait(CMemoryMeter::kDebounceMs - 100);
        QCOMPARE(shown.count(), 0); // still waiting after the last change
        QVERIFY(shown.wait(2000));
        QTest::qWait(CMemoryMeter::kDebounceMs + 100);
        QCOMPARE(shown.count(), 1);

        const CompileStats expected = compileStats(project_, readGlyphSources(paths_));
        QVERIFY2(expected.ok, expected.message.c_str());
        QCOMPARE(meter->stats().imageBytes, expected.imageBytes);
        QCOMPARE(meter->stats().glyphCount, expected.glyphCount);
        QCOMPARE(meter->text().toStdString(), meterSummary(expected));
    }

    void refusalAppearsFromTheProject() {
        project_ = CHCData();
        addText(project_, 1, "ok");
        addText(project_, 5, "&FF"); // beyond the user library
        std::unique_ptr<CMemoryMeter> meter(makeMeter());
        QSignalSpy shown(meter.get(), &CMemoryMeter::statsShown);
        QSignalSpy pages(meter.get(), &CMemoryMeter::pageRequested);
        meter->projectChanged();
        QVERIFY(shown.wait(2000));
        QVERIFY2(meter->text().contains("used on page 5 (StaticText at 0,0)"),
                 qPrintable(meter->text()));
        QTest::mouseClick(meter.get(), Qt::LeftButton);
        QCOMPARE(pages.count(), 1);
        QCOMPARE(pages.at(0).at(0).toInt(), 5);
    }

    void closingDuringACompileIsSafe() {
        project_ = CHCData();
        addText(project_, 1, "Pump");
        std::unique_ptr<CMemoryMeter> meter(makeMeter());
        meter->projectChanged();
        QTest::qWait(CMemoryMeter::kDebounceMs + 1);
        meter.reset(); // the worker may still be compiling
        QTest::qWait(50);
    }
};

QTEST_MAIN(CMemoryMeterTest)
#include "CMemoryMeterTest.moc"
