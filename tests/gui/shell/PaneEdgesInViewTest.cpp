// The edge cases of the property panes through the real editing view, driven by mouse and key
// events: a pane's edits that never reach the page when the user goes straight to another widget of
// the kind, a stored record that reopens the pane in another state (bound rows, the key's step
// labels and limit field), the page pane's change not marking the document at once, and a rule's
// refusal lost on the way (double size of 13 cells, a custom light without a picture).

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

class PaneEdgesInViewTest : public PaneViewTest {
    Q_OBJECT
private slots:
    void init() { startEditor(); }
    void cleanup() { fixture_.reset(); }

    void straightToAnotherWidgetOfTheKind();
    void boundRowSwitchesAndReopens();
    void keyStepLabelsAndLimitReopen();
    void pagePaneMarksModifiedAtOnce_data();
    void pagePaneMarksModifiedAtOnce();
    void doubleSizeOfThirteenCells_data();
    void doubleSizeOfThirteenCells();
    void customLightWithoutPicture();
};

void PaneEdgesInViewTest::straightToAnotherWidgetOfTheKind() {
    // One pane serves both texts: each edit must reach its own widget and no other.
    const int32_t first = place(CommandId::WidgetStaticText, 0, 10);
    const int32_t second = place(CommandId::WidgetStaticText, 0, 30);
    QVERIFY(first && second);
    select(first);
    auto* texts = pane().findChild<CEditListCtrl*>(QStringLiteral("texts"));
    QVERIFY(texts);
    textpanekit::typeIntoCell(*texts, 0, 0, "Pump");
    select(second);
    QCOMPARE(stored<StaticTextRecord>(first).text(0).str(), std::string("Pump"));
    QCOMPARE(texts->cellText(0, 0), QStringLiteral("TextStr"));
    textpanekit::typeIntoCell(*texts, 0, 0, "Valve");
    leave(Leave::Escape);
    QCOMPARE(stored<StaticTextRecord>(first).text(0).str(), std::string("Pump"));
    QCOMPARE(stored<StaticTextRecord>(second).text(0).str(), std::string("Valve"));
    QCOMPARE(dynamic_cast<oonedraw::GText*>(objectOf(first))->text, std::string("Pump"));
    QCOMPARE(dynamic_cast<oonedraw::GText*>(objectOf(second))->text, std::string("Valve"));
}

void PaneEdgesInViewTest::boundRowSwitchesAndReopens() {
    const int32_t id = place(CommandId::WidgetRegister, 10, 6);
    QVERIFY(id);
    QLineEdit* input = fieldOf(pane(), "InputUpper:");
    QVERIFY(input);
    auto* row = qobject_cast<QStackedWidget*>(input->parentWidget()->parentWidget());
    QVERIFY(row);
    imagepanekit::setChecked(pane(), "UpperBoundAssociatedToRegister", true);
    QVERIFY(!input->isVisibleTo(&pane()));
    auto* station = fieldOf<QSpinBox>(*row, "StationNo.");
    auto* type = fieldOf<QComboBox>(*row, "Reg.:");
    auto* count = fieldOf<QComboBox>(*row, "RegisterNo.");
    QVERIFY(station && type && count);
    station->setValue(3);
    type->setCurrentIndex(type->findText("M"));
    typeInto(namedField(*row, "Register address"), "9000");
    count->setCurrentIndex(1);
    leave();

    RegisterRecord r = stored<RegisterRecord>(id);
    QVERIFY(r.option(RegisterRecord::kUpperFromRegister));
    QCOMPARE(r.boundRegister(RegisterRecord::kUpperOff),
             (BoundRegister{3, uint8_t(RegisterType::M), 8499, 2}));
    QVERIFY(document().modified());

    // Opened again from the page: the register row, showing what was stored.
    select(id);
    QVERIFY(!fieldOf(pane(), "InputUpper:"));
    QCOMPARE(fieldOf<QSpinBox>(pane(), "StationNo.")->value(), 3);
    QCOMPARE(namedField(*row, "Register address")->text(), QStringLiteral("8499"));
    imagepanekit::setChecked(pane(), "UpperBoundAssociatedToRegister", false);
    QVERIFY(fieldOf(pane(), "InputUpper:"));
    typeInto(fieldOf(pane(), "InputUpper:"), "77");
    leave(Leave::Escape);
    r = stored<RegisterRecord>(id);
    QVERIFY(!r.option(RegisterRecord::kUpperFromRegister));
    QCOMPARE(r.boundConstants(RegisterRecord::kUpperOff).input, 77);
}

void PaneEdgesInViewTest::keyStepLabelsAndLimitReopen() {
    const int32_t id = place(CommandId::WidgetKey, 10, 6);
    QVERIFY(id);
    imagepanekit::click(pane(), "Register +/-");
    QVERIFY(imagepanekit::hasLabel(pane(), "Added Value :"));
    QVERIFY(imagepanekit::hasLabel(pane(), "Upper limit:"));
    imagepanekit::click(pane(), "Decrease");
    QVERIFY(imagepanekit::hasLabel(pane(), "Decrease value:"));
    QVERIFY(imagepanekit::hasLabel(pane(), "Lower limit:"));
    QVERIFY(!imagepanekit::hasLabel(pane(), "Upper limit:"));
    QLineEdit* limit = namedField(pane(), "Limit");
    QVERIFY(limit);
    QVERIFY(!limit->isEnabled());
    imagepanekit::setChecked(pane(), "Limiting", true);
    QVERIFY(limit->isEnabled());
    typeInto(limit, "7");
    typeInto(namedField(pane(), "Step value"), "3");
    leave();

    KeyRecord r = stored<KeyRecord>(id);
    QCOMPARE(int(r.action()), int(KeyRecord::RegisterStep));
    QVERIFY(r.actionByte() & KeyRecord::kDecrease);
    QVERIFY(r.actionByte() & KeyRecord::kLimiting);
    QCOMPARE(int(r.limit()), 7);
    QCOMPARE(int(r.value()), 3);

    // Opened again: the decrease labels and the limit field usable; Limiting off disables it.
    select(id);
    QVERIFY(imagepanekit::hasLabel(pane(), "Decrease value:"));
    QVERIFY(imagepanekit::hasLabel(pane(), "Lower limit:"));
    limit = namedField(pane(), "Limit");
    QVERIFY(limit->isEnabled());
    QCOMPARE(limit->text(), QStringLiteral("7"));
    imagepanekit::setChecked(pane(), "Limiting", false);
    QVERIFY(!limit->isEnabled());
    leave(Leave::Escape);
    r = stored<KeyRecord>(id);
    QVERIFY(!(r.actionByte() & KeyRecord::kLimiting));
    QVERIFY(r.actionByte() & KeyRecord::kDecrease);
}

void PaneEdgesInViewTest::pagePaneMarksModifiedAtOnce_data() {
    QTest::addColumn<bool>("arrowUp");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("upPage");
    QTest::addColumn<bool>("modified");
    QTest::newRow("Up arrow: 2 to 3") << true << QString() << 3 << true;
    QTest::newRow("3 typed over 2") << false << "3" << 3 << true;
    QTest::newRow("2 typed over 2") << false << "2" << 2 << false;
}

void PaneEdgesInViewTest::pagePaneMarksModifiedAtOnce() {
    QFETCH(bool, arrowUp);
    QFETCH(QString, typed);
    QFETCH(int, upPage);
    QFETCH(bool, modified);
    PageProperties properties = page().properties();
    properties.upPage = 2;
    page().setProperties(properties);
    view().initialUpdate();
    document().setModified(false);
    auto* up = fieldOf<QSpinBox>(pane(), "Press Up key to Page :");
    QVERIFY(up);
    QCOMPARE(up->value(), 2);
    up->setFocus();
    if (arrowUp) {
        QTest::keyClick(up, Qt::Key_Up);
    } else {
        up->selectAll();
        QTest::keyClicks(up, typed);
    }
    QCOMPARE(document().modified(), modified);
    view().commitProperties();
    QCOMPARE(int(page().properties().upPage), upPage);
}

void PaneEdgesInViewTest::doubleSizeOfThirteenCells_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("13 cells refused") << "ABCDEFGHIJKLM" << false;
    QTest::newRow("12 cells taken") << "ABCDEFGHIJKL" << true;
}

void PaneEdgesInViewTest::doubleSizeOfThirteenCells() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    const int32_t id = place(CommandId::WidgetStaticText, 0, 10);
    QVERIFY(id);
    auto* texts = pane().findChild<CEditListCtrl*>(QStringLiteral("texts"));
    QVERIFY(texts);
    textpanekit::typeIntoCell(*texts, 0, 0, typed);
    textpanekit::setChecked(pane(), "doubleSize", true);
    // Enter confirms the pane: the view stores an accepted record at once.
    QTest::keyClick(texts, Qt::Key_Return);
    const std::string bytes = typed.toStdString();
    auto* text = dynamic_cast<oonedraw::GText*>(objectOf(id));
    QVERIFY(text);
    if (accepted) {
        QVERIFY(fixture_->prompt.texts.empty());
        const StaticTextRecord r = stored<StaticTextRecord>(id);
        QCOMPARE(r.text(0).str(), bytes);
        QVERIFY(r.attributes() & attr::kDoubleSize);
        QCOMPARE(text->Width(), 2 * 16.0 * 12);
        QVERIFY(document().modified());
        return;
    }
    QCOMPARE(fixture_->prompt.texts,
             std::vector<std::string>{
                 "when chose double size, the string exceeds maximum allowed size!"});
    QVERIFY(!pane().findChild<QAbstractButton*>(QStringLiteral("doubleSize"))->isChecked());
    QCOMPARE(stored<StaticTextRecord>(id).text(0).str(), std::string("TextStr"));
    QVERIFY(!document().modified());
    // Left as it stands: the text goes to the page at single size.
    leave();
    const StaticTextRecord r = stored<StaticTextRecord>(id);
    QCOMPARE(r.text(0).str(), bytes);
    QVERIFY(!(r.attributes() & attr::kDoubleSize));
    QCOMPARE(text->scale, 1.0f);
    QCOMPARE(text->Width(), 16.0 * 13);
    QCOMPARE(fixture_->prompt.texts.size(), std::size_t(1));
}

void PaneEdgesInViewTest::customLightWithoutPicture() {
    const int32_t id = place(CommandId::WidgetLight, 10, 6);
    QVERIFY(id);
    QComboBox* type = imagepanekit::list(pane(), "Display type");
    QVERIFY(type);
    type->setCurrentIndex(LedRecord::Custom);
    QCOMPARE(fixture_->prompt.texts, std::vector<std::string>{"Please add a custom image"});
    QCOMPARE(type->currentIndex(), int(LedRecord::Round));
    leave();

    // The light stays round; storing confirms it, which derives its round symbol text.
    const LedRecord r = stored<LedRecord>(id);
    QCOMPARE(int(r.displayType()), int(LedRecord::Round));
    QCOMPARE(int(r.flags() & LedRecord::kCustomPictures), 0);
    QCOMPARE(std::vector<uint8_t>(r.symbolText().begin(), r.symbolText().end()),
             (std::vector<uint8_t>{0xFF, LedRecord::kRoundGlyph}));
    auto* object = dynamic_cast<CLed*>(objectOf(id));
    QVERIFY(object);
    QCOMPARE(object->bitmap, WidgetBitmaps::shared().programBitmap("icon2\\Led_Round1.bmp"));
    QCOMPARE(fixture_->prompt.texts.size(), std::size_t(1));
}

QTEST_MAIN(PaneEdgesInViewTest)
#include "PaneEdgesInViewTest.moc"
