// A light's pane in the real editing view: an X or Y address past 377 is cut to 377 with its
// message whichever way the pane is left, never silently.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "AppFixture.h"
#include "app/CMainFrame.h"
#include "commands/ActionRegistry.h"
#include "editor/CPageTree.h"
#include "editor/CZorvEditorView.h"
#include "model/CZorvEditorDoc.h"
#include "model/RegisterType.h"
#include "model/records/LedRecord.h"
#include "panes/PropertyPane.h"

using namespace zorv;

class FormsInViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        fixture_ = std::make_unique<AppFixture>();
        QVERIFY(fixture_->app.start({}, false));
    }
    void cleanup() { fixture_.reset(); }
    void octalAddressPastTheRangeIsNamed_data();
    void octalAddressPastTheRangeIsNamed();

private:
    CZorvEditorView& view() { return fixture_->app.view(); }
    QPoint pixel(int x, int y) {
        const oonedraw::GIntRect& d = view().displayRect();
        return view().viewLayout().toWindow(QPoint(d.left + 2 * x + 1, d.top + 2 * y + 1));
    }
    template <class W> W* paneChild(const QString& accessibleName) {
        for (W* w : view().shownPane()->findChildren<W*>())
            if (w->accessibleName() == accessibleName)
                return w;
        return nullptr;
    }

    std::unique_ptr<AppFixture> fixture_;
};

void FormsInViewTest::octalAddressPastTheRangeIsNamed_data() {
    QTest::addColumn<QString>("leaving");
    QTest::newRow("a click beside it") << "click";
    QTest::newRow("another page") << "page";
    QTest::newRow("Enter") << "enter";
}

void FormsInViewTest::octalAddressPastTheRangeIsNamed() {
    QFETCH(QString, leaving);
    fixture_->app.document().project().addPage(2, PlaceMode::Insert);
    view().initialUpdate(1);
    fixture_->app.actions().action(CommandId::WidgetLight)->trigger();
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(10, 10));
    auto* type = paneChild<QComboBox>("Register type");
    QVERIFY(type);
    type->setCurrentIndex(type->findText("X"));
    auto* address = paneChild<QLineEdit>("Address");
    QVERIFY(address);
    address->selectAll();
    QTest::keyClicks(address, "777");
    QCOMPARE(address->text(), QString("777"));
    const int32_t id = view().shownPane()->widgetId();

    if (leaving == "click")
        QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(150, 50));
    else if (leaving == "page")
        view().pageTree()->setCurrentItem(view().pageTree()->pageItem(2));
    else {
        // Enter reaches the pane's shortcut in the active window, from the field with the focus.
        fixture_->app.frame().show();
        QApplication::setActiveWindow(&fixture_->app.frame());
        address->setFocus();
        QTest::keyClick(address, Qt::Key_Return);
    }
    QCOMPARE(fixture_->prompt.texts, std::vector<std::string>{kAddressOctalLimitMessage});
    const WidgetNode* light = fixture_->app.document().project().pageByNumber(1)->findWidget(id);
    QVERIFY(light);
    QCOMPARE(int(light->get<LedRecord>().reg().address), 255);
}

QTEST_MAIN(FormsInViewTest)
#include "FormsInViewTest.moc"
