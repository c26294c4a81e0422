// Guards the three check panes: rows that lose their severity icon, place or code, a double-click
// or Enter that asks for the wrong page or widget (or asks at all for the system parameters), a
// filter that hides matching uses, a use without its register's tag, a page map that shows nothing
// or cannot zoom, and controls without an accessible name.
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTreeWidget>
#include <QtTest>

#include "checks/Checks.h"
#include "checks/ui/CPageMapView.h"
#include "checks/ui/CProblemsList.h"
#include "checks/ui/CRegistersList.h"
#include "model/WidgetRecords.h"

using namespace zorv;

namespace {

// Page 1 with a key to the missing page 9 and a settable register on D2, the language register.
CHCData faultyProject() {
    CHCData project;
    CPage* lonely = project.addPage(5, PlaceMode::Insert); // no way leads to it
    lonely->head.setUpPage(5);
    lonely->head.setDownPage(5);
    project.header.setFlags(project.header.flags() | sysflag::kMultiLanguage);
    CPage* page = project.addPage(1, PlaceMode::Insert);
    page->head.setUpPage(1);
    page->head.setDownPage(1);
    KeyRecord key = KeyRecord::makeDefault();
    key.setActionByte(KeyRecord::ScreenJump);
    key.setValue(9);
    key.setX(40);
    page->widgets.push_back(WidgetNode::of(page->nextWidgetId++, key));
    RegisterRecord reg = RegisterRecord::makeDefault();
    reg.setRegister({1, uint8_t(RegisterType::D), 2});
    reg.setOption(RegisterRecord::kSettable, true);
    page->widgets.push_back(WidgetNode::of(page->nextWidgetId++, reg));
    return project;
}

void activateRow(QTreeWidget* list, int row) {
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->setCurrentItem(item);
    const QPoint at = list->visualItemRect(item).center();
    // A double-click activates only the row its first press went to.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void checkAccessibleNames(QWidget* root) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QTreeWidget*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QSlider*>(w);
        if (control)
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->metaObject()->className()));
    }
    QVERIFY(!root->accessibleName().isEmpty());
}

} // namespace

class CheckDocksTest : public QObject {
    Q_OBJECT
private slots:
    void problemsListRowsAndActivation() {
        const CHCData project = faultyProject();
        CProblemsList problems;
        QSignalSpy counts(&problems, &CProblemsList::countsChanged);
        problems.setFindings(runChecks(CheckInput{project}));
        problems.resize(900, 300);
        problems.show();
        QVERIFY(QTest::qWaitForWindowExposed(&problems));
        QTreeWidget* list = problems.list();
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(problems.errors(), 2);
        QCOMPARE(problems.warnings(), 1);
        QCOMPARE(counts.last(), (QList<QVariant>{2, 1}));
        QTreeWidgetItem* first = list->topLevelItem(0);
        QCOMPARE(first->text(0), QString("error"));
        QVERIFY(!first->icon(0).isNull());
        QCOMPARE(first->text(1), QString("page 1 Key 1 (40,0)"));
        QCOMPARE(first->text(3), QString("jump-to-missing-page"));
        QVERIFY(problems.findChild<QLabel*>()->text().contains("2 errors, 1 warning"));

        QSignalSpy activated(&problems, &CProblemsList::findingActivated);
        activateRow(list, 0);
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated.last(), (QList<QVariant>{1, 1}));
        list->setCurrentItem(list->topLevelItem(1)); // the unreachable page 5: a page, no widget
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(activated.last(), (QList<QVariant>{5, 0}));

        // A finding for information is no warning.
        problems.setFindings({{Severity::Information, "tag-register-unused", std::nullopt,
                               std::nullopt, "the tag \"Pump\" names M1, which no widget uses"}});
        QCOMPARE(counts.last(), (QList<QVariant>{0, 0}));
        QLabel* summary = nullptr;
        for (QLabel* label : problems.findChildren<QLabel*>())
            if (label->accessibleName() == "Problem count")
                summary = label;
        QVERIFY(summary);
        QCOMPARE(summary->text(), QString("0 errors, 0 warnings, 1 information finding"));

        problems.setFindings({});
        QCOMPARE(list->topLevelItemCount(), 0);
        QCOMPARE(counts.last(), (QList<QVariant>{0, 0}));
        checkAccessibleNames(&problems);
    }

    void registersListFilterAndActivation() {
        const CHCData project = faultyProject();
        TagTable tags;
        tags.add({"Batch count", {1, uint8_t(RegisterType::D), 2}, ""});
        CRegistersList registers;
        registers.setUses(registerUses(project, {}), &tags);
        registers.resize(800, 300);
        registers.show();
        QVERIFY(QTest::qWaitForWindowExposed(&registers));
        QTreeWidget* list = registers.list();
        // D2: the register's read and entry, then the language register of the parameters.
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->topLevelItem(2)->text(4), QString("system parameters"));
        // Every use of the register carries its tag, the parameters' one too.
        QCOMPARE(list->topLevelItem(2)->text(1), QString("Batch count"));

        QSignalSpy activated(&registers, &CRegistersList::useActivated);
        activateRow(list, 1);
        QCOMPARE(activated.last(), (QList<QVariant>{1, 2}));
        activateRow(list, 2); // nothing to show for the parameters
        QCOMPARE(activated.size(), 1);

        QTest::keyClicks(registers.filter(), "ENTRY");
        int shown = 0;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            shown += list->topLevelItem(i)->isHidden() ? 0 : 1;
        QCOMPARE(shown, 1);
        QVERIFY(!list->topLevelItem(1)->isHidden());
        registers.filter()->clear();
        QVERIFY(!list->topLevelItem(0)->isHidden());
        checkAccessibleNames(&registers);
    }

    void pageMapShowsAndZooms() {
        CPageMapView map;
        map.resize(700, 400);
        map.show();
        QVERIFY(map.setGraph(pageGraph(faultyProject())));
        const QSize full = map.picture()->pixmap().size();
        QVERIFY(full.width() > 50 && full.height() > 50);
        // Each page's box lies where the picture shows it: just inside its corner the box's
        // fill, just outside it the white ground.
        const QImage picture = map.picture()->pixmap().toImage();
        QCOMPARE(map.boxes().size(), pageGraph(faultyProject()).pages.size());
        const QPoint origin = map.picture()->rect().center() - picture.rect().center();
        for (const MapBox& box : map.boxes()) {
            const QPoint corner(int(box.left * picture.width()), int(box.top * picture.height()));
            const QPoint inside = corner + QPoint(3, 3), outside = corner - QPoint(3, 3);
            QVERIFY2(picture.pixel(inside) != qRgb(255, 255, 255),
                     qPrintable(QString::number(box.page)));
            QCOMPARE(picture.pixel(outside), qRgb(255, 255, 255));
            QCOMPARE(map.pageAt(inside + origin), std::optional<int>(box.page));
            QCOMPARE(map.pageAt(outside + origin), std::optional<int>());
        }
        map.zoom()->setValue(50);
        const int half = map.picture()->pixmap().width();
        QVERIFY(qAbs(half - full.width() / 2) <= 1);
        QVERIFY(!map.setPicture({1, 2, 3}));
        QCOMPARE(map.picture()->pixmap().width(), half); // the old map stays
        checkAccessibleNames(&map);
    }
};

QTEST_MAIN(CheckDocksTest)
#include "CheckDocksTest.moc"
