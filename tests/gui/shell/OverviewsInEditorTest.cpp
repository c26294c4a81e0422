// The panel preview and the project overviews in the main window. Guards against: Simulate that
// opens no panel or one on another project; panel pixels that do not follow the project (or
// stay after being switched off); a problem the checks find that never reaches the Problems
// list, its count or the page and widget a double-click should show; overview entries of the
// View menu that do not show their windows; a double-click on a page of the map that does not
// show the page.

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "AppFixture.h"
#include "app/CMainFrame.h"
#include "app/PanelPreview.h"
#include "app/ProjectOverviews.h"
#include "app/meter/CMemoryMeter.h"
#include "checks/ui/CPageMapView.h"
#include "checks/ui/CProblemsList.h"
#include "commands/ActionRegistry.h"
#include "editor/CZorvEditorView.h"
#include "model/CZorvEditorDoc.h"
#include "model/WidgetRecords.h"
#include "panel/ui/PanelSimulatorWindow.h"
#include "panes/PropertyPane.h"

using namespace zorv;

class OverviewsInEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        fixture_ = std::make_unique<AppFixture>();
        QVERIFY(fixture_->app.start(ZORV_PROGRAM_DIR "/demo.zvd", false));
    }
    void cleanup() { fixture_.reset(); }

    void simulateOpensThePanelOnTheProject() {
        trigger(CommandId::ToolSimulate);
        panel::PanelSimulatorWindow* simulator = fixture_->app.preview().simulator();
        QVERIFY(simulator);
        QVERIFY(simulator->isVisible());
        QVERIFY(simulator->machine());
        QVERIFY(fixture_->prompt.texts.empty());
        // Again: the same window, brought to the front.
        trigger(CommandId::ToolSimulate);
        QCOMPARE(fixture_->app.preview().simulator(), simulator);
    }

    // The open simulator takes each edit, keeping the page it shows.
    void theSimulatorFollowsTheEdits() {
        trigger(CommandId::ToolSimulate);
        panel::PanelSimulatorWindow* simulator = fixture_->app.preview().simulator();
        QVERIFY(simulator);
        QVERIFY(simulator->machine()->showPageIndex(1));
        CZorvEditorView& view = fixture_->app.view();
        const auto editorPage = simulator->image().pageOfNumber(view.currentPage()->number());
        QVERIFY(editorPage);
        const std::size_t widgets = simulator->image().page(*editorPage)->widgets.size();
        trigger(CommandId::WidgetPassword);
        const oonedraw::GIntRect& d = view.displayRect();
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(d.left + 20, d.top + 100));
        QTRY_COMPARE(simulator->image().page(*editorPage)->widgets.size(), widgets + 1);
        QCOMPARE(simulator->machine()->page(), 1);
    }

    void panelPixelsFollowTheSwitch() {
        CZorvEditorView& view = fixture_->app.view();
        QVERIFY(!view.showsPanelPixels());
        const QImage drawn = view.picture();
        trigger(CommandId::ViewPanelPixels);
        QVERIFY(view.showsPanelPixels());
        // The display shows the panel's black and white pixels, not the editor's grey.
        const oonedraw::GIntRect& d = view.displayRect();
        const QImage shown = view.picture();
        QVERIFY(shown != drawn);
        for (int y = d.top; y < d.bottom; y += 7)
            for (int x = d.left; x < d.right; x += 5) {
                const QRgb pixel = shown.pixel(x, y);
                QVERIFY(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255) ||
                        qBlue(pixel) > qRed(pixel)); // the selection frame
            }
        trigger(CommandId::ViewPanelPixels);
        QVERIFY(!view.showsPanelPixels());
    }

    void aProblemReachesTheListItsCountAndItsWidget() {
        ProjectOverviews& overviews = fixture_->app.overviews();
        QTRY_VERIFY(overviews.countButton()->text() == QString("No problems"));
        // A key that jumps to a page the project does not have.
        CZorvEditorView& view = fixture_->app.view();
        trigger(CommandId::WidgetPassword);
        const oonedraw::GIntRect& d = view.displayRect();
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(d.left + 20, d.top + 100));
        const int page = view.currentPage()->number();
        const int32_t id = view.currentPage()->widgets.back().id;
        fixture_->app.document().setModified();
        fixture_->app.memoryMeter().projectChanged();
        QTRY_VERIFY(overviews.problems()->errors() > 0);
        QVERIFY(overviews.countButton()->text().contains("error"));

        // The count shows the list; a double-click on the row shows the widget.
        QVERIFY(!overviews.problemsDock()->isVisible());
        QTest::mouseClick(overviews.countButton(), Qt::LeftButton);
        QVERIFY(overviews.problemsDock()->isVisible());
        QVERIFY(fixture_->app.actions().action(CommandId::ViewProblems)->isChecked());
        view.showWidget(page, 0); // the page pane first
        QTreeWidget* list = overviews.problems()->list();
        QTreeWidgetItem* row = list->topLevelItem(0);
        QVERIFY(row);
        list->scrollToItem(row);
        const QPoint at = list->visualItemRect(row).center();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(view.currentPage()->number(), page);
        QCOMPARE(view.shownPane()->widgetId(), id);
    }

    // A field of the pane given its value reaches the checks at once, with the widget still
    // selected: a key set to jump to a page the project lacks is a problem before any click
    // elsewhere.
    void aPaneFieldReachesTheChecksAtOnce() {
        ProjectOverviews& overviews = fixture_->app.overviews();
        QTRY_VERIFY(overviews.countButton()->text() == QString("No problems"));
        // Tab moves the focus only in the active window.
        fixture_->app.frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fixture_->app.frame()));
        CZorvEditorView& view = fixture_->app.view();
        trigger(CommandId::WidgetKey);
        const oonedraw::GIntRect& d = view.displayRect();
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(d.left + 20, d.top + 100));
        PropertyPane* pane = view.shownPane();
        const int32_t id = pane->widgetId();
        QVERIFY(id != 0);
        const auto problems = [&] {
            return overviews.problems()->errors() + overviews.problems()->warnings();
        };
        const int before = problems();
        QPushButton* jump = nullptr;
        for (QPushButton* button : pane->findChildren<QPushButton*>())
            if (button->text() == "Screen jump")
                jump = button;
        QVERIFY(jump);
        QTest::mouseClick(jump, Qt::LeftButton);
        QLineEdit* page = nullptr;
        for (QLineEdit* edit : pane->findChildren<QLineEdit*>())
            if (edit->accessibleName() == "Jump to page")
                page = edit;
        QVERIFY(page);
        page->setFocus();
        page->selectAll();
        QTest::keyClicks(page, "60000");
        QTest::keyClick(page, Qt::Key_Tab);
        QCOMPARE(int(view.currentPage()->findWidget(id)->get<KeyRecord>().value()), 60000);
        QTRY_VERIFY(problems() > before);
        QCOMPARE(view.shownPane(), pane);
        QCOMPARE(pane->widgetId(), id);
    }

    void doubleClickOnTheMapShowsThePage() {
        trigger(CommandId::ViewPageMap);
        CPageMapView* map = fixture_->app.overviews().pageMap();
        QTRY_VERIFY(map->boxes().size() == fixture_->app.document().project().pages().size());
        const QPixmap shown = map->picture()->pixmap();
        const QPoint origin = QPoint((map->picture()->width() - shown.width()) / 2,
                                     (map->picture()->height() - shown.height()) / 2);
        for (const MapBox& box : map->boxes()) {
            if (box.page != 4)
                continue;
            const QPoint centre = origin + QPoint(int((box.left + box.right) / 2 * shown.width()),
                                                  int((box.top + box.bottom) / 2 * shown.height()));
            QTest::mouseDClick(map->picture(), Qt::LeftButton, {}, centre);
        }
        QCOMPARE(fixture_->app.view().currentPage()->number(), 4);
        QCOMPARE(fixture_->app.view().shownPane()->widgetId(), 0);
    }

    void viewMenuShowsAndHidesTheOverviews_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("dock");
        QTest::newRow("Problems") << int(CommandId::ViewProblems) << "problemsDock";
        QTest::newRow("Registers") << int(CommandId::ViewRegisters) << "registersDock";
        QTest::newRow("Page Map") << int(CommandId::ViewPageMap) << "pageMapDock";
    }
    void viewMenuShowsAndHidesTheOverviews() {
        QFETCH(int, command);
        QFETCH(QString, dock);
        auto* window = fixture_->app.frame().findChild<QDockWidget*>(dock);
        QVERIFY(window);
        QVERIFY(!window->isVisible());
        trigger(CommandId(command));
        QVERIFY(window->isVisible());
        QVERIFY(!window->accessibleName().isEmpty());
        trigger(CommandId(command));
        QVERIFY(!window->isVisible());
        QVERIFY(!fixture_->app.actions().action(CommandId(command))->isChecked());
    }

private:
    void trigger(CommandId id) { fixture_->app.actions().action(id)->trigger(); }
    std::unique_ptr<AppFixture> fixture_;
};

QTEST_MAIN(OverviewsInEditorTest)
#include "OverviewsInEditorTest.moc"
