// The property panes through the real editing view, driven by mouse and key events: a record
// stored without its object on the canvas redrawn (text, register sample, light size, key code and
// image), and a rule's correction lost on the way through the view (the bar at x = 180 raised
// again, the trend's dot pitch).

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
using test::typeInto;

Q_DECLARE_METATYPE(std::vector<uint8_t>)

class PaneObjectsInViewTest : public PaneViewTest {
    Q_OBJECT
private slots:
    void init() { startEditor(); }
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
};

void PaneObjectsInViewTest::staticTextFollows_data() {
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

void PaneObjectsInViewTest::staticTextFollows() {
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

void PaneObjectsInViewTest::registerSampleFollows_data() {
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("escapeInPane");
    // Nine digits in single precision: 123456789 is not a float.
    QTest::newRow("9 digits") << 9 << 0 << QStringLiteral("123456792") << false;
    QTest::newRow("3.1, Esc in the field") << 3 << 1 << QStringLiteral("12.3") << true;
    QTest::newRow("5.2") << 5 << 2 << QStringLiteral("123.45") << false;
}

void PaneObjectsInViewTest::registerSampleFollows() {
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

void PaneObjectsInViewTest::lightDoubleSizeDoublesTheObject() {
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

void PaneObjectsInViewTest::keyCodeSymbolAndImage_data() {
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

void PaneObjectsInViewTest::keyCodeSymbolAndImage() {
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
    QCOMPARE(imagepanekit::symbolBytes(r), symbol);
    auto* object = dynamic_cast<CKey*>(objectOf(id));
    QVERIFY(object);
    QVERIFY(object->bitmap);
    QCOMPARE(object->bitmap, WidgetBitmaps::shared().programBitmap(image.toStdString()));
    QVERIFY(object->bitmap != WidgetBitmaps::shared().programBitmap("icon2\\Key_Esc1.bmp"));
    QCOMPARE(object->handShown, hand);
    QVERIFY(document().modified());
}

void PaneObjectsInViewTest::barAtX180KeepsALegalWidth_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("width");
    QTest::newRow("wider than the room is cut to 192 - x") << "20" << 12;
    QTest::newRow("narrower than 16 is raised to 16") << "10" << 16;
}

void PaneObjectsInViewTest::barAtX180KeepsALegalWidth() {
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

void PaneObjectsInViewTest::trendDotPitch_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("pitch");
    QTest::newRow("above width - 2") << "19" << 18;
    QTest::newRow("width - 2") << "18" << 18;
    QTest::newRow("below 2") << "1" << 2;
}

void PaneObjectsInViewTest::trendDotPitch() {
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

QTEST_MAIN(PaneObjectsInViewTest)
#include "PaneObjectsInViewTest.moc"
