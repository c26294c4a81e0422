// Tab walks every property pane and the page, replace, parameter, alarm and language dialogs in
// reading order, so that a form can be filled in by keyboard without the focus jumping about.

#include <QTabWidget>
#include <QTest>

#include "editor/CPageCopyDlg.h"
#include "editor/CPageNewDlg.h"
#include "editor/CReplaceDlg.h"
#include "image/ui/CAlarmPageDlg.h"
#include "image/ui/CMultiLanDlg.h"
#include "image/ui/CSettingDlg.h"
#include "model/ProjectHeader.h"
#include "model/records/AlarmListRecord.h"
#include "panes/PaneFactory.h"
#include "platform/ScriptedPrompt.h"
#include "platform/qt/ScriptedFileChooser.h"
#include "tests/gui/TabOrder.h"

using namespace zorv;

class TabOrderTest : public QObject {
    Q_OBJECT
private slots:
    void panes();
    void dialogs();
    void newPageGoesNumberDescriptionModeButtons();

private:
    static void expectReadingOrder(QWidget& window) {
        window.show();
        const QStringList breaks = test::readingOrderBreaks(window);
        QVERIFY2(breaks.isEmpty(), qPrintable(window.accessibleName() + window.windowTitle() +
                                              ": " + breaks.join("; ")));
    }

    ScriptedPrompt prompt_;
    ScriptedFileChooser files_;
};

void TabOrderTest::panes() {
    for (const PaneEntry& entry : paneTable()) {
        std::unique_ptr<PropertyPane> pane = entry.make(nullptr);
        pane->setContext(PaneContext{&prompt_, &files_});
        pane->loadRecord({}, 1);
        pane->resize(525, 290);
        expectReadingOrder(*pane);
    }
}

void TabOrderTest::dialogs() {
    const CHCData project;
    CReplaceDlg replace(project, {});
    expectReadingOrder(replace);
    replace.kinds()->setCurrentIndex(1);
    expectReadingOrder(replace);
    CPageCopyDlg copy(1, 2, prompt_);
    expectReadingOrder(copy);
    ProjectHeader header = ProjectHeader::makeDefault();
    CSettingDlg settings(header, prompt_);
    expectReadingOrder(settings);
    AlarmListRecord alarms = AlarmListRecord::makeDefault();
    CAlarmPageDlg alarmPage(alarms, prompt_, files_);
    expectReadingOrder(alarmPage);
    LanguageTable table(kMenuTable.capacity);
    CMultiLanDlg languages(table, kMenuTable, prompt_, files_);
    expectReadingOrder(languages);
}

void TabOrderTest::newPageGoesNumberDescriptionModeButtons() {
    CPageNewDlg dialog(4, prompt_);
    dialog.show();
    QStringList names;
    for (QWidget* stop : test::tabStops(dialog))
        names << test::nameOf(*stop);
    QCOMPARE(names, (QStringList{"Page number", "Page description", "Insert", "OK", "Cancel"}));
}

QTEST_MAIN(TabOrderTest)
#include "TabOrderTest.moc"
