// The property panes through the real editing view in the main window, driven by mouse and key
// events: panes that ignore the Parameter dialog's password levels and register setting control;
// a pane left by a click that stores its record silently through the rules (a bar's scales swapped
// without a word) instead of as Enter does; up and down pages above 9999 cut to 9999; a New Page
// description emptied without a word; a password control that cannot be placed.

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>

#include "PaneViewRig.h"
#include "app/CMainFrame.h"
#include "commands/ActionRegistry.h"
#include "editor/CZorvEditorView.h"
#include "editor/PageDialogs.h"
#include "image/ui/CSettingDlg.h"
#include "model/Bytes.h"
#include "model/CZorvEditorDoc.h"
#include "model/DisplayAttributes.h"
#include "model/EditorViewRules.h"
#include "model/WidgetRecords.h"
#include "model/rules/LedRules.h"
#include "model/rules/TextRules.h"
#include "model/widgets/CKey.h"
#include "model/widgets/CLed.h"
#include "model/widgets/WidgetBitmaps.h"
#include "oonedraw/GText.h"
#include "panes/CPageProperty.h"
#include "panes/PropertyPane.h"
#include "tests/gui/panes/ImagePaneKit.h"
#include "tests/gui/panes/TextPaneKit.h"
#include "tests/gui/workflow/WorkflowRig.h"

using namespace zorv;
using test::fieldOf;
using test::namedField;
using test::typeInto;

class PanesInViewTest : public PaneViewTest {
    Q_OBJECT
private slots:
    void init() { startEditor(); }
    void cleanup() { fixture_.reset(); }

    void parameterOkTellsThePanes_data();
    void parameterOkTellsThePanes();

    void leavingConfirmsAsEnterDoes();
    void pageNumbersAbove9999Stay();
    void newPageRefusesADescriptionWithoutCode();
    void passwordControlIsPlaced();
};

void PanesInViewTest::parameterOkTellsThePanes_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("levels");
    QTest::addColumn<bool>("setControl");
    QTest::newRow("OK") << "OK" << 2 << true;
    QTest::newRow("CANCEL") << "CANCEL" << 4 << false; // a new project's count
}

void PanesInViewTest::parameterOkTellsThePanes() {
    QFETCH(QString, button);
    QFETCH(int, levels);
    QFETCH(bool, setControl);
    // A password control from the file (it has no tool) at (0, 40), and a register placed.
    WidgetNode* password = page().addWidget("Password");
    QVERIFY(password);
    le::putU16(password->record.data() + 4, 40);
    const int32_t passwordId = password->id;
    view().initialUpdate();
    const int32_t registerId = place(CommandId::WidgetRegister, 100, 4);
    QVERIFY(registerId);
    leave();
    auto* level = fieldOf<QSpinBox>(*view().pagePane(), "Display level:");
    QVERIFY(level);
    const int before = int(document().project().header.passwordLevels());
    QCOMPARE(level->maximum(), before);

    bool ran = false;
    test::whenModal<CSettingDlg>(
        [button](CSettingDlg& dialog) {
            // The count is only shown to the user; it stands here as an older project brings
            // it, and OK writes it into the project.
            dialog.findChild<QLineEdit*>(QStringLiteral("passwordLevels"))->setText("2");
            imagepanekit::setChecked(dialog, "Allow  Register setting control", true);
            QTest::mouseClick(test::pushButton(dialog, button), Qt::LeftButton);
        },
        &ran);
    trigger(CommandId::ToolParameter);
    QVERIFY(ran);
    QCOMPARE(int(document().project().header.passwordLevels()), levels);
    QCOMPARE(document().modified(), button == "OK");

    // The page pane's display level runs from 0 to the count.
    QCOMPARE(level->maximum(), levels);
    level->setFocus();
    level->selectAll();
    QTest::keyClicks(level, QString::number(levels));
    QTest::keyClick(level, Qt::Key_Up);
    QCOMPARE(level->value(), levels);
    view().commitProperties();
    QCOMPARE(int(page().properties().displayLevel), levels);

    // The password pane offers the levels 0 to the count.
    select(passwordId);
    auto* pwdLevel = fieldOf<QComboBox>(pane(), "PWD Level:");
    QVERIFY(pwdLevel);
    QCOMPARE(pwdLevel->count(), levels + 1);
    pwdLevel->setCurrentIndex(pwdLevel->count() - 1);
    leave();
    QCOMPARE(int(stored<PasswordRecord>(passwordId).level()), levels);

    // The register pane's set-control bits follow register setting control.
    select(registerId);
    for (int bit = 0; bit < 8; ++bit) {
        QAbstractButton* box = imagepanekit::button(pane(), QString::number(bit));
        QVERIFY(box);
        QCOMPARE(box->isEnabled(), setControl);
    }
}

void PanesInViewTest::leavingConfirmsAsEnterDoes() {
    // A bar's zero-scale above its full-scale: the message, and full scale raised to it.
    const int32_t bar = place(CommandId::WidgetBarGraph, 10, 6);
    QVERIFY(bar);
    typeInto(fieldOf(pane(), "full-scale value :"), "10");
    typeInto(fieldOf(pane(), "zero-scale value:"), "90");
    leave();
    QCOMPARE(fixture_->prompt.texts,
             std::vector<std::string>{"The value of MaxScale must large than ZeroScale!"});
    QCOMPARE(int(stored<BarRecord>(bar).fullScale()), 90);
    QCOMPARE(int(stored<BarRecord>(bar).zeroScale()), 90);
    QVERIFY(document().modified());

    // A static text refused for double size keeps the pane, with its widget and its Border
    // change; the next click stores both the text at single size and the border, as after Enter.
    fixture_->prompt.texts.clear();
    const int32_t text = place(CommandId::WidgetStaticText, 0, 30);
    QVERIFY(text);
    auto* texts = pane().findChild<CEditListCtrl*>(QStringLiteral("texts"));
    textpanekit::typeIntoCell(*texts, 0, 0, "Thirteen cell");
    textpanekit::setChecked(pane(), "doubleSize", true);
    textpanekit::setChecked(pane(), "border", true);
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier,
                      pixel(kEmptySpot.x(), kEmptySpot.y()));
    QCOMPARE(fixture_->prompt.texts.size(), std::size_t(1));
    QCOMPARE(pane().widgetId(), text);
    leave();
    const StaticTextRecord r = stored<StaticTextRecord>(text);
    QVERIFY(r.attributes() & attr::kBorder);
    QVERIFY(!(r.attributes() & attr::kDoubleSize));
    QCOMPARE(r.text(0).str(), std::string("Thirteen cell"));
    QVERIFY(document().modified());
}

void PanesInViewTest::pageNumbersAbove9999Stay() {
    PageProperties properties = page().properties();
    properties.upPage = 40000;
    properties.downPage = 65535;
    page().setProperties(properties);
    view().initialUpdate();
    auto* pagePane = view().pagePane();
    QCOMPARE(pagePane->findChildren<QSpinBox*>()[0]->value(), 40000);
    // Another edit of the page writes the numbers back as they were.
    QLineEdit* description = namedField(*pagePane, "Page description");
    QVERIFY(description);
    QTest::keyClicks(description, "Pump");
    QVERIFY(view().commitProperties());
    QCOMPARE(int(page().properties().upPage), 40000);
    QCOMPARE(int(page().properties().downPage), 65535);
}

void PanesInViewTest::newPageRefusesADescriptionWithoutCode() {
    struct Answer : PageDialogs {
        std::optional<PageChoice> newPage(QWidget*, int) override {
            return PageChoice{7, PlaceMode::Insert, QString::fromUtf8("Pump \xF0\x9F\x98\x80")};
        }
        std::optional<PageChoice> copyPage(QWidget*, int, int) override { return std::nullopt; }
    } answer;
    view().setPageDialogs(&answer);
    const int pages = document().project().pageCount();
    trigger(CommandId::PageNew);
    QCOMPARE(fixture_->prompt.texts, std::vector<std::string>{kDescriptionNotGb2312Message});
    QCOMPARE(document().project().pageCount(), pages);
    view().setPageDialogs(nullptr);
}

void PanesInViewTest::passwordControlIsPlaced() {
    QVERIFY(fixture_->app.actions().action(CommandId::WidgetPassword)->isEnabled());
    const int32_t id = place(CommandId::WidgetPassword, 20, 20);
    QVERIFY(id);
    QCOMPARE(page().findWidget(id)->kind, WidgetKind::Password);
    QCOMPARE(pane().typeName(), QString("Password"));
}

QTEST_MAIN(PanesInViewTest)
#include "PanesInViewTest.moc"
