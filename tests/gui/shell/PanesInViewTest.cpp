// The property panes through the real editing view in the main window, driven by mouse and key
// events: guards against a pane's edits that never reach the page when the user clicks elsewhere
// or presses Esc, a record stored without its object redrawn (text, width, sample, size, key
// image) or without the document marked modified, a stored record that reopens the pane in
// another state (bound rows, the key's step labels and limit field), a rule's refusal or
// correction lost on the way through the view (double size of 13 cells, the bar at x = 180 raised
// again, the trend's dot pitch, a custom light without a picture), the page pane's change not
// marking the document at once, and panes that ignore the Parameter dialog's password levels
// and register setting control; a pane left by a click that stores its record silently through
// the rules (a bar's scales swapped without a word) instead of as Enter does; up and down pages
// above 9999 cut to 9999; a New Page description emptied without a word; a password control that
// cannot be placed.

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>

#include "AppFixture.h"
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
using test::typeInto;

Q_DECLARE_METATYPE(std::vector<uint8_t>)

namespace {

// A display pixel as a view point, for the display area of the view under test.
oonedraw::GIntRect gDisplay{290, 55, 674, 183};
QPoint pixel(int x, int y) {
    return {gDisplay.left + 2 * x, gDisplay.top + 2 * y};
}

// A spot of the display that no widget of these tests covers.
const QPoint kEmptySpot(150, 62);

// The line edit named `name` to screen readers, shown in `parent`.
QLineEdit* namedEdit(QWidget& parent, const QString& name) {
    for (QLineEdit* edit : parent.findChildren<QLineEdit*>())
        if (edit->accessibleName() == name && edit->isVisibleTo(&parent))
            return edit;
    return nullptr;
}

std::vector<uint8_t> symbolBytes(const KeyRecord& r) {
    return {r.symbolText().begin(), r.symbolText().end()};
}

} // namespace

class PanesInViewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fixture_.reset(); }

    void staticTextFollows_data();
    void staticTextFollows();
    void registerSampleFollows_data();
    void registerSampleFollows();
    void lightDoubleSizeDoublesTheObject();
    void keyCodeSymbolAndImage_data();
    void keyCodeSymbolAndImage();
    void barAtX180KeepsALegalWidth_data();
    void barAtX180KeepsALegalWidth();
    void trendDotPitch_data();
    void trendDotPitch();

    void straightToAnotherWidgetOfTheKind();
    void boundRowSwitchesAndReopens();
    void keyStepLabelsAndLimitReopen();
    void pagePaneMarksModifiedAtOnce_data();
    void pagePaneMarksModifiedAtOnce();
    void doubleSizeOfThirteenCells_data();
    void doubleSizeOfThirteenCells();
    void customLightWithoutPicture();
    void parameterOkTellsThePanes_data();
    void parameterOkTellsThePanes();

    void leavingConfirmsAsEnterDoes();
    void pageNumbersAbove9999Stay();
    void newPageRefusesADescriptionWithoutCode();
    void passwordControlIsPlaced();

private:
    CZorvEditorView& view() { return fixture_->app.view(); }
    CZorvEditorDoc& document() { return fixture_->app.document(); }
    CPage& page() { return *view().currentPage(); }
    PropertyPane& pane() { return *view().shownPane(); }
    QWidget* keys() { return view().findChild<QWidget*>(QStringLiteral("pageKeys")); }
    void trigger(CommandId id) { fixture_->app.actions().action(id)->trigger(); }

    // Places a widget with its tool at the display pixel; its id. The document starts over
    // unmodified, so that what follows alone decides the mark.
    int32_t place(CommandId tool, int x, int y);
    // Selects the widget by a click on it.
    void select(int32_t id);
    // Leaves the widget's pane as the user does: a click on an empty spot, Esc with the display
    // focused, or Esc in the pane's field that has the focus.
    enum class Leave { Click, Escape, EscapeInPane };
    void leave(Leave how = Leave::Click);
    template <class R> R stored(int32_t id) { return page().findWidget(id)->get<R>(); }
    oonedraw::GObject* objectOf(int32_t id);

    std::unique_ptr<AppFixture> fixture_;
};

void PanesInViewTest::init() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
    // Enter reaches a pane's shortcuts only in the active window.
    fixture_->app.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fixture_->app.frame()));
    gDisplay = view().displayRect();
}

int32_t PanesInViewTest::place(CommandId tool, int x, int y) {
    trigger(tool);
    const std::size_t before = page().widgets.size();
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(x, y));
    if (page().widgets.size() != before + 1)
        return 0;
    document().setModified(false);
    return page().widgets.back().id;
}

void PanesInViewTest::select(int32_t id) {
    const WidgetNode* node = page().findWidget(id);
    QVERIFY(node);
    QTest::mouseClick(
        &view(), Qt::LeftButton, Qt::NoModifier,
        pixel(le::u16(node->record.data() + 2) + 1, le::u16(node->record.data() + 4) + 1));
    QCOMPARE(pane().widgetId(), id);
}

void PanesInViewTest::leave(Leave how) {
    if (how == Leave::Escape)
        QTest::keyClick(keys(), Qt::Key_Escape);
    else if (how == Leave::EscapeInPane)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else
        QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier,
                          pixel(kEmptySpot.x(), kEmptySpot.y()));
    QCOMPARE(view().shownPane(), static_cast<PropertyPane*>(view().pagePane()));
}

oonedraw::GObject* PanesInViewTest::objectOf(int32_t id) {
    for (oonedraw::GObject* object : view().canvas().children)
        if (object->id == id)
            return object;
    return nullptr;
}

// ---- the record changed in the page, the object redrawn ---------------------------------------

void PanesInViewTest::staticTextFollows_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("cells");
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("plain text, click elsewhere")
        << "Motor on" << QByteArray("Motor on") << 8 << false;
    QTest::newRow("escape code kept, Esc") << "&41B" << QByteArray("&41B") << 3 << true;
    QTest::newRow("Chinese as GB2312") << QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87")
                                       << QByteArray("\xD6\xD0\xCE\xC4") << 4 << false;
}

void PanesInViewTest::staticTextFollows() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, bytes);
    QFETCH(int, cells);
    QFETCH(bool, byEscape);
    const int32_t id = place(CommandId::WidgetStaticText, 10, 6);
    QVERIFY(id);
    auto* texts = pane().findChild<CEditListCtrl*>(QStringLiteral("texts"));
    QVERIFY(texts);
    textpanekit::typeIntoCell(*texts, 0, 0, typed);
    leave(byEscape ? Leave::Escape : Leave::Click);

    QCOMPARE(stored<StaticTextRecord>(id).text(0).str(), bytes.toStdString());
    auto* text = dynamic_cast<oonedraw::GText*>(objectOf(id));
    QVERIFY(text);
    QCOMPARE(text->text, bytes.toStdString());
    QCOMPARE(text->Width(), 16.0 * cells);
    QVERIFY(document().modified());
}

void PanesInViewTest::registerSampleFollows_data() {
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("escapeInPane");
    // Nine digits in single precision: 123456789 is not a float.
    QTest::newRow("9 digits") << 9 << 0 << QStringLiteral("123456792") << false;
    QTest::newRow("3.1, Esc in the field") << 3 << 1 << QStringLiteral("12.3") << true;
    QTest::newRow("5.2") << 5 << 2 << QStringLiteral("123.45") << false;
}

void PanesInViewTest::registerSampleFollows() {
    QFETCH(int, digits);
    QFETCH(int, decimals);
    QFETCH(QString, sample);
    QFETCH(bool, escapeInPane);
    const int32_t id = place(CommandId::WidgetRegister, 10, 6);
    QVERIFY(id);
    typeInto(fieldOf(pane(), "Digit:"), QString::number(digits));
    typeInto(fieldOf(pane(), "Precision:"), QString::number(decimals));
    leave(escapeInPane ? Leave::EscapeInPane : Leave::Click);

    const RegisterRecord r = stored<RegisterRecord>(id);
    QCOMPARE(int(r.digits()), digits);
    QCOMPARE(int(r.decimals()), decimals);
    auto* text = dynamic_cast<oonedraw::GText*>(objectOf(id));
    QVERIFY(text);
    QCOMPARE(QString::fromStdString(text->text), sample);
    QCOMPARE(text->Width(), 16.0 * sample.size());
    QVERIFY(document().modified());
}

void PanesInViewTest::lightDoubleSizeDoublesTheObject() {
    const int32_t id = place(CommandId::WidgetLight, 10, 6);
    QVERIFY(id);
    const double width = objectOf(id)->Width();
    const double height = objectOf(id)->Height();
    QVERIFY(width > 0 && height > 0);
    imagepanekit::setChecked(pane(), "double size", true);
    leave(Leave::Escape);

    QVERIFY(stored<LedRecord>(id).flags() & LedRecord::kDoubleSize);
    QCOMPARE(objectOf(id)->Width(), 2 * width);
    QCOMPARE(objectOf(id)->Height(), 2 * height);
    QVERIFY(document().modified());
    // Selected again and left untouched: nothing changes, nothing is marked.
    document().setModified(false);
    select(id);
    leave();
    QCOMPARE(objectOf(id)->Width(), 2 * width);
    QVERIFY(!document().modified());
}

void PanesInViewTest::keyCodeSymbolAndImage_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("hand");
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<std::vector<uint8_t>>("symbol");
    QTest::addColumn<QString>("image");
    QTest::newRow("F1") << "'F1'" << false << false << 10 << std::vector<uint8_t>{0xFF, 22}
                        << "icon2\\Key_F1a.bmp";
    QTest::newRow("F1 hand") << "'F1'" << true << false << 10
                             << std::vector<uint8_t>{0xFF, 0x1A, 0xFF, 22} << "icon2\\Key_F1a.bmp";
    QTest::newRow("F4 inverted") << "'F4'" << false << true << 13 << std::vector<uint8_t>{0xFF, 25}
                                 << "icon2\\Key_F4b.bmp";
    QTest::newRow("LEFT") << "'LEFT' " << false << false << 22 << std::vector<uint8_t>{0xFF, 1}
                          << "icon2\\Key_Left1.bmp";
    QTest::newRow("+/- hand") << "'+/-'" << true << false << 17
                              << std::vector<uint8_t>{0xFF, 0x1A, 0xFF, 18} << "icon2\\Key_ZF1.bmp";
    QTest::newRow("STOP") << "'STOP'" << false << false << 28 << std::vector<uint8_t>{0xFF, 21}
                          << "icon2\\Key_Stop1.bmp";
}

void PanesInViewTest::keyCodeSymbolAndImage() {
    QFETCH(QString, key);
    QFETCH(bool, hand);
    QFETCH(bool, inverted);
    QFETCH(int, keyCode);
    QFETCH(std::vector<uint8_t>, symbol);
    QFETCH(QString, image);
    const int32_t id = place(CommandId::WidgetKey, 10, 6);
    QVERIFY(id);
    QComboBox* keys = imagepanekit::list(pane(), "Key");
    QVERIFY(keys);
    keys->setCurrentIndex(keys->findText(key));
    imagepanekit::setChecked(pane(), "Hand-type", hand);
    imagepanekit::setChecked(pane(), "Inverted ", inverted);
    leave();

    const KeyRecord r = stored<KeyRecord>(id);
    QCOMPARE(int(r.keyCode()), keyCode);
    QCOMPARE(symbolBytes(r), symbol);
    auto* object = dynamic_cast<CKey*>(objectOf(id));
    QVERIFY(object);
    QVERIFY(object->bitmap);
    QCOMPARE(object->bitmap, WidgetBitmaps::shared().programBitmap(image.toStdString()));
    QVERIFY(object->bitmap != WidgetBitmaps::shared().programBitmap("icon2\\Key_Esc1.bmp"));
    QCOMPARE(object->handShown, hand);
    QVERIFY(document().modified());
}

void PanesInViewTest::barAtX180KeepsALegalWidth_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("width");
    QTest::newRow("wider than the room is cut to 192 - x") << "20" << 12;
    QTest::newRow("narrower than 16 is raised to 16") << "10" << 16;
}

void PanesInViewTest::barAtX180KeepsALegalWidth() {
    QFETCH(QString, typed);
    QFETCH(int, width);
    // A bar at x = 180 comes only from a file: placing and dragging keep it inside the display.
    WidgetNode* node = page().addWidget("Bar");
    QVERIFY(node);
    BarRecord r = node->get<BarRecord>();
    r.setX(180);
    r.setWidth(40);
    node->set(r);
    const int32_t id = node->id;
    view().initialUpdate();
    document().setModified(false);
    select(id);
    typeInto(fieldOf(pane(), "Wide:"), typed);
    leave();

    QCOMPARE(int(stored<BarRecord>(id).width()), width);
    QCOMPARE(int(stored<BarRecord>(id).x()), 180);
    // Drawn at least 16 pixels wide, so that it can still be picked.
    QCOMPARE(objectOf(id)->Width(), 2.0 * std::max(width, 16));
    QVERIFY(document().modified());
    // Through the pane again untouched: 12 is not raised to 16 by a second pass.
    document().setModified(false);
    select(id);
    QCOMPARE(fieldOf(pane(), "Wide:")->text(), QString::number(width));
    leave(Leave::Escape);
    QCOMPARE(int(stored<BarRecord>(id).width()), width);
    QVERIFY(!document().modified());
}

void PanesInViewTest::trendDotPitch_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("pitch");
    QTest::newRow("above width - 2") << "19" << 18;
    QTest::newRow("width - 2") << "18" << 18;
    QTest::newRow("below 2") << "1" << 2;
}

void PanesInViewTest::trendDotPitch() {
    QFETCH(QString, typed);
    QFETCH(int, pitch);
    const int32_t id = place(CommandId::WidgetTrendChart, 0, 0);
    QVERIFY(id);
    typeInto(fieldOf(pane(), "Wide:"), "20");
    typeInto(fieldOf(pane(), "Dot-Pitch:"), typed);
    leave();

    const TrendRecord r = stored<TrendRecord>(id);
    QCOMPARE(int(r.width()), 20);
    QCOMPARE(int(r.dotPitch()), pitch);
    QCOMPARE(objectOf(id)->Width(), 40.0);
    select(id);
    QCOMPARE(fieldOf(pane(), "Dot-Pitch:")->text(), QString::number(pitch));
}

// ---- edge cases of the panes --------------------------------------------------------------

void PanesInViewTest::straightToAnotherWidgetOfTheKind() {
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

void PanesInViewTest::boundRowSwitchesAndReopens() {
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
    typeInto(namedEdit(*row, "Register address"), "9000");
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
    QCOMPARE(namedEdit(*row, "Register address")->text(), QStringLiteral("8499"));
    imagepanekit::setChecked(pane(), "UpperBoundAssociatedToRegister", false);
    QVERIFY(fieldOf(pane(), "InputUpper:"));
    typeInto(fieldOf(pane(), "InputUpper:"), "77");
    leave(Leave::Escape);
    r = stored<RegisterRecord>(id);
    QVERIFY(!r.option(RegisterRecord::kUpperFromRegister));
    QCOMPARE(r.boundConstants(RegisterRecord::kUpperOff).input, 77);
}

void PanesInViewTest::keyStepLabelsAndLimitReopen() {
    const int32_t id = place(CommandId::WidgetKey, 10, 6);
    QVERIFY(id);
    imagepanekit::click(pane(), "Register +/-");
    QVERIFY(imagepanekit::hasLabel(pane(), "Added Value :"));
    QVERIFY(imagepanekit::hasLabel(pane(), "Upper limit:"));
    imagepanekit::click(pane(), "Decrease");
    QVERIFY(imagepanekit::hasLabel(pane(), "Decrease value:"));
    QVERIFY(imagepanekit::hasLabel(pane(), "Lower limit:"));
    QVERIFY(!imagepanekit::hasLabel(pane(), "Upper limit:"));
    QLineEdit* limit = namedEdit(pane(), "Limit");
    QVERIFY(limit);
    QVERIFY(!limit->isEnabled());
    imagepanekit::setChecked(pane(), "Limiting", true);
    QVERIFY(limit->isEnabled());
    typeInto(limit, "7");
    typeInto(namedEdit(pane(), "Step value"), "3");
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
    limit = namedEdit(pane(), "Limit");
    QVERIFY(limit->isEnabled());
    QCOMPARE(limit->text(), QStringLiteral("7"));
    imagepanekit::setChecked(pane(), "Limiting", false);
    QVERIFY(!limit->isEnabled());
    leave(Leave::Escape);
    r = stored<KeyRecord>(id);
    QVERIFY(!(r.actionByte() & KeyRecord::kLimiting));
    QVERIFY(r.actionByte() & KeyRecord::kDecrease);
}

void PanesInViewTest::pagePaneMarksModifiedAtOnce_data() {
    QTest::addColumn<bool>("arrowUp");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("upPage");
    QTest::addColumn<bool>("modified");
    QTest::newRow("Up arrow: 2 to 3") << true << QString() << 3 << true;
    QTest::newRow("3 typed over 2") << false << "3" << 3 << true;
    QTest::newRow("2 typed over 2") << false << "2" << 2 << false;
}

void PanesInViewTest::pagePaneMarksModifiedAtOnce() {
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

void PanesInViewTest::doubleSizeOfThirteenCells_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("13 cells refused") << "ABCDEFGHIJKLM" << false;
    QTest::newRow("12 cells taken") << "ABCDEFGHIJKL" << true;
}

void PanesInViewTest::doubleSizeOfThirteenCells() {
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

void PanesInViewTest::customLightWithoutPicture() {
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

// ---- Parameter OK -------------------------------------------------------------------------

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

QTEST_MAIN(PanesInViewTest)
#include "PanesInViewTest.moc"

// ---- leaving a pane, page numbers, New Page and the password control ---------------------------

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
    QLineEdit* description = namedEdit(*pagePane, "Page description");
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
