// The main frame as the user meets it: every menu entry's text, mnemonic and shortcut, the
// entries that must stay disabled, the toolbar's order, the frame's size limits, the view
// toggles and the status panes. Guards against a menu or toolbar drifting from the command
// table, a handler-less command that looks usable, and a frame that can be sized out of its
// layout.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolTip>

#include "AppFixture.h"
#include "app/CMainFrame.h"
#include "app/CTrueColorToolBar.h"
#include "app/CZorvEditorApp.h"
#include "app/meter/CMemoryMeter.h"
#include "commands/CommandTable.h"
#include "platform/ScriptedPrompt.h"
#include "platform/qt/ScriptedFileChooser.h"

using namespace zorv;

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture_ = std::make_unique<AppFixture>(); }
    void cleanup() { fixture_.reset(); }

    void menuEntries_data();
    void menuEntries();
    void commandsWithoutHandlerStayDisabled_data();
    void commandsWithoutHandlerStayDisabled();
    void mnemonicsUniqueInEachMenu();
    void toolbarOrder();
    void sizeLimits();
    void viewToggles();
    void statusPanes();
    void promptsShownWhole();
    void meterTipShowsOnHover();

private:
    std::unique_ptr<AppFixture> fixture_;
};

void MainFrameTest::menuEntries_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries"); // "-" for a separator, "text|shortcut"
    QTest::newRow("File") << "&File"
                          << QStringList{"&New|Ctrl+N",
                                         "&Open...|Ctrl+O",
                                         "&Save|Ctrl+S",
                                         "Save &As...|",
                                         "&Restore Earlier Version...|",
                                         "-",
                                         "&Import|",
                                         "-",
                                         "Recent File|",
                                         "-",
                                         "E&xit|"};
    QTest::newRow("Edit") << "&Edit"
                          << QStringList{"&Undo|Ctrl+Z",
                                         "&Redo|Ctrl+Y",
                                         "-",
                                         "Cu&t|Ctrl+X",
                                         "&Copy|Ctrl+C",
                                         "&Paste|Ctrl+V",
                                         "&Delete|",
                                         "-",
                                         "Select &All|Ctrl+A",
                                         "-",
                                         "&Find...|Ctrl+F",
                                         "Find Ne&xt|F3",
                                         "Find Pre&vious|Shift+F3",
                                         "R&eplace...|Ctrl+H",
                                         "-",
                                         "Align &Left|Ctrl+Shift+L",
                                         "Align Ri&ght|Ctrl+Shift+R",
                                         "Align T&op|Ctrl+Shift+T",
                                         "Align &Bottom|Ctrl+Shift+B",
                                         "Align Ce&ntres|Ctrl+Shift+C",
                                         "Align &Middles|Ctrl+Shift+M",
                                         "-",
                                         "Distribute Acro&ss|Ctrl+Shift+H",
                                         "Distribute Do&wn|Ctrl+Shift+D",
                                         "-",
                                         "Same W&idth|Ctrl+Shift+W",
                                         "Same &Height|Ctrl+Shift+E"};
    QTest::newRow("View") << "&View" << QStringList{"&Toolbar|",
                                                    "&Status Bar|",
                                                    "-",
                                                    "Panel &pixels|",
                                                    "-",
                                                    "Zoom &In|Ctrl++",
                                                    "Zoom &Out|Ctrl+-",
                                                    "&Zoom 100 %|Ctrl+0",
                                                    "-",
                                                    "P&roblems|",
                                                    "R&egisters|",
                                                    "Page &Map|"};
    QTest::newRow("Page") << "&Page"
                          << QStringList{"&New Page|",
                                         "&Copy Page|",
                                         "&Delete Page|",
                                         "-",
                                         "E&xport Template...|",
                                         "&Insert Template...|",
                                         "-",
                                         "&Alarm List|"};
    QTest::newRow("Widget")
        << "&Widget"
        << QStringList{"&Light Indicator |", "&Key|",       "&StaticText|",  "&DynamicText|",
                       "&Register|",         "&Bar Graph|", "&Trend Chart|", "&Picture|",
                       "Pass&Word|",         "&Menu|",      "&Alarm |"};
    QTest::newRow("Toolbars") << "&Toolbars"
                              << QStringList{"&Parameter...|",
                                             "&Tags...|",
                                             "&Download |",
                                             "&Modbus Protocol|",
                                             "&Simulate|F5",
                                             "-",
                                             "Statistical &Report|",
                                             "Report &with pictures|",
                                             "&Customize character|",
                                             "-",
                                             "&Gridlines|"};
    QTest::newRow("Language") << "&Language"
                              << QStringList{"language1|", "language2|", "language3|", "language4|",
                                             "language5|", "-", "&Export Texts...|",
                                             "&Import Texts...|"};
    QTest::newRow("Help") << "&Help"
                          << QStringList{"&Help Topics|F1", "&Tip of the Day  |", "-",
                                         "&About ZorvEditor...|"};
}

void MainFrameTest::menuEntries() {
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);
    QMenu* m = fixture_->app.frame().menu(menu);
    QVERIFY2(m, qPrintable(menu));
    QStringList shown;
    for (QAction* a : m->actions()) {
        if (!a->isVisible())
            continue;
        shown << (a->isSeparator() ? QString("-") : a->text() + "|" + a->shortcut().toString());
    }
    QCOMPARE(shown, entries);
}

void MainFrameTest::commandsWithoutHandlerStayDisabled_data() {
    QTest::addColumn<int>("command");
    for (CommandId id :
         {CommandId::HelpTopics, CommandId::Language3, CommandId::Language4, CommandId::Language5})
        QTest::newRow(commandInfo(id).tip.data()) << int(id);
}

void MainFrameTest::commandsWithoutHandlerStayDisabled() {
    QFETCH(int, command);
    QAction* a = fixture_->app.actions().action(CommandId(command));
    QVERIFY(!a->isEnabled());
    // Neither the shortcut nor the toolbar may reach it.
    QTest::keySequence(&fixture_->app.frame(), a->shortcut());
    QVERIFY(!a->isEnabled());
}

namespace {
// The letter after a single '&' of a menu text, in upper case; nothing for none.
QChar mnemonic(std::string_view menuText) {
    for (std::size_t i = 0; i + 1 < menuText.size(); ++i) {
        if (menuText[i] != '&')
            continue;
        if (menuText[i + 1] != '&')
            return QChar(menuText[i + 1]).toUpper();
        ++i; // "&&" shows an ampersand
    }
    return {};
}
using Mnemonics = QList<std::pair<QChar, QString>>;
void add(Mnemonics& items, std::string_view menuText) {
    items.append({mnemonic(menuText), QString::fromUtf8(menuText.data(), menuText.size())});
}
void addCommands(Mnemonics& items, std::span<const LayoutEntry> entries) {
    for (const LayoutEntry& entry : entries) {
        if (entry.item == LayoutItem::Command)
            add(items, commandInfo(entry.id).menuText);
    }
}
QString clashes(const Mnemonics& items) {
    QString out;
    for (qsizetype i = 0; i < items.size(); ++i) {
        for (qsizetype j = i + 1; j < items.size(); ++j) {
            if (!items[i].first.isNull() && items[i].first == items[j].first)
                out += QString(" '%1' and '%2' share %3;")
                           .arg(items[i].second, items[j].second, items[i].first);
        }
    }
    return out;
}
} // namespace

// A key of an open menu that two entries share runs the first of them, never the second.
void MainFrameTest::mnemonicsUniqueInEachMenu() {
    Mnemonics titles;
    QString found;
    for (const MenuLayout& menu : menuBarLayout()) {
        add(titles, menu.title);
        Mnemonics items;
        addCommands(items, menu.entries);
        found += clashes(items);
    }
    Mnemonics popup;
    addCommands(popup, pagePopupLayout());
    found += clashes(titles) + clashes(popup);
    QVERIFY2(found.isEmpty(), qPrintable(found));
    QCOMPARE(mnemonic("Report &with pictures"), QChar('W'));
    QCOMPARE(mnemonic("R&&D &notes"), QChar('N'));
}

void MainFrameTest::toolbarOrder() {
    const QStringList expected{"New",
                               "Open",
                               "Save",
                               "-",
                               "Cut",
                               "Copy",
                               "Paste",
                               "-",
                               "About",
                               "-",
                               "Light Indicator",
                               "Key",
                               "StaticText",
                               "DynamicText",
                               "Register",
                               "Bar Graph",
                               "Trend Chart",
                               "Picture",
                               "PassWord",
                               "Menu",
                               "Alarm",
                               "-",
                               "New Page",
                               "Copy Page",
                               "Delete Page",
                               "-",
                               "Parameter",
                               "Alarm List",
                               "Download ",
                               "Modbus Protocol",
                               "Simulate"};
    CTrueColorToolBar* bar = fixture_->app.frame().toolBar();
    QStringList shown;
    int pictures = 0;
    for (QAction* a : bar->actions()) {
        shown << (a->isSeparator() ? QString("-") : a->toolTip());
        if (!a->isSeparator()) {
            QVERIFY2(!a->icon().isNull(), qPrintable(a->toolTip()));
            ++pictures;
        }
    }
    QCOMPARE(shown, expected);
    QCOMPARE(pictures, 26);
    QCOMPARE(bar->iconCount(), 26);
    QVERIFY(bar->isMovable());
    QCOMPARE(bar->allowedAreas(), Qt::AllToolBarAreas);
}

void MainFrameTest::sizeLimits() {
    CMainFrame& frame = fixture_->app.frame();
    QCOMPARE(frame.size(), QSize(800, 680));
    frame.resize(640, 480);
    QCOMPARE(frame.size(), QSize(800, 665));
    frame.resize(1600, 1200);
    QCOMPARE(frame.size(), QSize(1024, 768));
    QVERIFY(!(frame.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(frame.windowFlags() & Qt::WindowMinimizeButtonHint);
}

void MainFrameTest::viewToggles() {
    CMainFrame& frame = fixture_->app.frame();
    QAction* toolbar = fixture_->app.actions().action(CommandId::ViewToolbar);
    QAction* status = fixture_->app.actions().action(CommandId::ViewStatusBar);
    QVERIFY(toolbar->isChecked() && status->isChecked());
    toolbar->trigger();
    QVERIFY(!toolbar->isChecked());
    QVERIFY(frame.toolBar()->isHidden());
    toolbar->trigger();
    QVERIFY(toolbar->isChecked());
    QVERIFY(!frame.toolBar()->isHidden());
    status->trigger();
    QVERIFY(frame.statusBar()->isHidden());
    status->trigger();
    QVERIFY(!frame.statusBar()->isHidden());
}

void MainFrameTest::statusPanes() {
    CMainFrame& frame = fixture_->app.frame();
    QVERIFY(frame.pointerPane()->width() >= 50);
    QVERIFY(frame.pointerPane()->width() >=
            frame.pointerPane()->fontMetrics().horizontalAdvance(" 9999,9999"));
    QCOMPARE(frame.pointerPane()->text(), QString(" "));
    frame.setPointerText(" 100,  20");
    QCOMPARE(frame.pointerPane()->text(), QString(" 100,  20"));
    QStringList locks;
    for (QLabel* label : frame.statusBar()->findChildren<QLabel*>()) {
        if (!label->accessibleName().endsWith("Lock"))
            continue;
        locks << label->accessibleName();
    }
    QCOMPARE(locks, (QStringList{"Caps Lock", "Num Lock", "Scroll Lock"}));
    // A menu entry's prompt reaches the message pane.
    QCOMPARE(fixture_->app.actions().action(CommandId::ToolDownload)->statusTip(),
             QString("Download current file"));
    QCOMPARE(fixture_->app.actions().action(CommandId::ToolModbus)->statusTip(),
             QString("Edit modbus protocol"));
}

// A prompt cut short ("Open an existing proj") tells nothing; the meter and the problem count
// make way for it and come back after it.
void MainFrameTest::promptsShownWhole() {
    QVERIFY(fixture_->app.start({}, false));
    CMainFrame& frame = fixture_->app.frame();
    frame.resize(CMainFrame::kMinimumSize);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    CMemoryMeter& meter = fixture_->app.memoryMeter();
    QTRY_VERIFY(meter.isVisible());
    const QFontMetrics metrics = frame.statusBar()->fontMetrics();
    QStringList cut;
    for (int id = 0; id < kCommandCount; ++id) {
        const QString prompt = fixture_->app.actions().action(CommandId(id))->statusTip();
        if (metrics.horizontalAdvance(prompt) > frame.promptWidth())
            cut << prompt;
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));
    QVERIFY(frame.promptWidth() > frame.width() / 2);

    QAction* open = fixture_->app.actions().action(CommandId::FileOpen);
    open->showStatusText(&frame);
    QCOMPARE(frame.statusBar()->currentMessage(), QString("Open an existing project"));
    QVERIFY(!meter.isVisible());
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(&frame, &none);
    QVERIFY(frame.statusBar()->currentMessage().isEmpty());
    QVERIFY(meter.isVisible());
    QVERIFY(frame.statusBar()->findChild<QLabel*>()->isVisible());
}

void MainFrameTest::meterTipShowsOnHover() {
    QVERIFY(fixture_->app.start({}, false));
    fixture_->app.frame().show();
    CMemoryMeter& meter = fixture_->app.memoryMeter();
    QTRY_VERIFY(!meter.toolTip().isEmpty());
    // Another window has the focus, as a tool window or a bare X server leaves it.
    QWidget other;
    other.show();
    other.activateWindow();
    QTest::mouseMove(&meter, meter.rect().center());
    QTest::mouseMove(&meter, meter.rect().center() + QPoint(1, 1));
    QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 3000);
    QCOMPARE(QToolTip::text(), meter.toolTip());
}

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
