// Guards the text panes against: double size accepted with a text above 12 cells (or refused at
// 12), its refusal leaving the box on or the record changed; a character GB2312 cannot hold, a
// pasted control character or NUL, or a text over 24 bytes, reaching the record instead of being
// refused with its message that names the character; "&XY"
// escapes altered; "Single Win Edit" opening on a stale table (the list's edits missing) or the
// list not refilled after "OK", or changed after a cancel; an alarm list whose last alarm lies
// above 8499, and coils not formed as letter and number from the start address; Enter in a cell
// confirming the whole pane instead of storing the cell; a blank state row stored as a state; a
// static text edit not reaching the canvas.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "TextPaneKit.h"
#include "image/TextCell.h"
#include "image/ui/CMultiLanDlg.h"
#include "model/CPage.h"
#include "model/WidgetRecords.h"
#include "model/rules/TextRules.h"
#include "panes/CAlarmProperty.h"
#include "panes/CDynTextProperty.h"
#include "panes/CStaticTextProperty.h"
#include "panes/FieldHint.h"
#include "panes/LanguageTextList.h"
#include "tests/gui/FieldKit.h"

using namespace zorv;
using textpanekit::setChecked;
using textpanekit::ShownPane;
using textpanekit::typeIntoCell;

namespace {

const QString kHangul = QString::fromUtf8("\xED\x95\x9C"); // no GB2312 code
const QString kZhong = QString::fromUtf8("\xE4\xB8\xAD");  // two bytes in GB2312
const std::string kZhongBytes = "\xD6\xD0";

// The list of a pane and the column of its texts.
CEditListCtrl& textsOf(ShownPane& shown) {
    return *shown.child<CEditListCtrl>("texts");
}
int textColumn(const QString& typeName) {
    return typeName == "StaticText" ? 0 : 1;
}

// The language-1 text of entry 0 of any text record.
std::string firstText(ShownPane& shown, const QString& typeName) {
    if (typeName == "StaticText")
        return shown.working<StaticTextRecord>().text(0).str();
    if (typeName == "DynamicText")
        return shown.working<DynamicTextRecord>().entry(0).text[0].str();
    if (typeName == "Menu")
        return shown.working<MenuRecord>().entry(0).text[0].str();
    return shown.working<AlarmListRecord>().text(0, 0).str();
}

AlarmListRecord alarms(RegisterType type, uint16_t start, int count) {
    AlarmListRecord r = AlarmListRecord::makeDefault();
    r.setRegisterType(uint8_t(type));
    r.setStart(start);
    r.setEntryCount(uint16_t(count + 1));
    for (int k = 1; k <= count; ++k)
        r.setText(k, 0, TextSlot::fromBytes("A" + std::to_string(k)));
    return r;
}

} // namespace

class TextPanesTest : public QObject {
    Q_OBJECT
private slots:
    void doubleSizeLimit_data();
    void doubleSizeLimit();
    void cellTexts_data();
    void cellTexts();
    void singleWinEdit_data();
    void singleWinEdit();
    void singleWinEditCancelled();
    void alarmStartAndCoils_data();
    void alarmStartAndCoils();
    void coilsFollowTheTypeAtOnce();
    void enterInACellStoresTheCell();
    void blankStateRowIsNoState();
    void staticTextEditReachesTheCanvas();
};

void TextPanesTest::doubleSizeLimit_data() {
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    for (const char* name : {"StaticText", "DynamicText"}) {
        QTest::addRow("%s 13 cells", name) << QString(name) << "ABCDEFGHIJKLM" << false;
        QTest::addRow("%s 12 cells", name) << QString(name) << "ABCDEFGHIJKL" << true;
        QTest::addRow("%s escape counts two", name) << QString(name) << "&1BBCDEFGHIJKL" << false;
        QTest::addRow("%s 6 Chinese", name) << QString(name) << kZhong.repeated(6) << true;
        QTest::addRow("%s 7 Chinese", name) << QString(name) << kZhong.repeated(7) << false;
    }
}

void TextPanesTest::doubleSizeLimit() {
    QFETCH(QString, typeName);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    ShownPane shown(qPrintable(typeName));
    const std::vector<uint8_t> loaded = defaultRecord(kindFromTypeName(typeName.toStdString()));
    shown.pane->loadRecord(loaded, 1);
    CEditListCtrl& list = textsOf(shown);
    // The text taken is stored at once; what follows is the double size alone.
    typeIntoCell(list, 0, textColumn(typeName), text);
    QSignalSpy applied(shown.pane.get(), &PropertyPane::recordApplied);
    setChecked(*shown.pane, "doubleSize", true);
    // Enter in the pane confirms it.
    QTest::keyClick(&list, Qt::Key_Return);
    auto* doubleSize = shown.child<QAbstractButton>("doubleSize");
    if (accepted) {
        QVERIFY(shown.prompt.texts.empty());
        QCOMPARE(applied.count(), 1);
        QVERIFY(doubleSize->isChecked());
    } else {
        QCOMPARE(shown.prompt.texts, std::vector<std::string>{rules::kDoubleSizeTooLongMessage});
        QCOMPARE(applied.count(), 0);
        QVERIFY(!doubleSize->isChecked());
        // The stored record stays as it was.
        shown.pane->loadRecord(loaded, 1);
        QVERIFY(shown.pane->workingRecord() == loaded);
    }
}

void TextPanesTest::cellTexts_data() {
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QByteArray>("stored");
    for (const char* name : {"StaticText", "DynamicText", "Menu", "Alarm"}) {
        QTest::addRow("%s Hangul", name)
            << QString(name) << "A" + kHangul
            << QString::fromUtf8("'\xED\x95\x9C' (U+D55C) cannot be shown on the panel")
            << QByteArray();
        QTest::addRow("%s 25 bytes", name)
            << QString(name) << QString(25, 'x')
            << "The text takes 25 bytes; at most 24 fit (a Chinese character takes 2)"
            << QByteArray();
        QTest::addRow("%s 13 Chinese", name)
            << QString(name) << kZhong.repeated(13)
            << "The text takes 26 bytes; at most 24 fit (a Chinese character takes 2)"
            << QByteArray();
        QTest::addRow("%s 12 Chinese", name)
            << QString(name) << kZhong.repeated(12) << QString()
            << QByteArray::fromStdString(std::string(12, ' ')).replace(" ", kZhongBytes.c_str());
        QTest::addRow("%s escapes as typed", name)
            << QString(name) << "&1B&41x" << QString() << QByteArray("&1B&41x");
        // Characters no key types arrive by pasting.
        QTest::addRow("%s bell pasted", name)
            << QString(name) << "Pump\a"
            << "U+0007 cannot be shown on the panel" << QByteArray();
        QTest::addRow("%s NUL pasted", name)
            << QString(name) << QString("a") + QChar(0) + "b"
            << "U+0000 cannot be shown on the panel" << QByteArray();
        QTest::addRow("%s emoji pasted", name)
            << QString(name) << QString::fromUtf8("Fan \xF0\x9F\x98\x80")
            << QString::fromUtf8("'\xF0\x9F\x98\x80' (U+1F600) cannot be shown on the panel")
            << QByteArray();
    }
}

void TextPanesTest::cellTexts() {
    QFETCH(QString, typeName);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QFETCH(QByteArray, stored);
    ShownPane shown(qPrintable(typeName));
    shown.pane->loadRecord(defaultRecord(kindFromTypeName(typeName.toStdString())), 1);
    const std::string before = firstText(shown, typeName);
    CEditListCtrl& list = textsOf(shown);
    if (QString(QTest::currentDataTag()).endsWith("pasted")) {
        list.openEditor(0, textColumn(typeName));
        test::pasteInto(list.editor(), typed);
        QTest::keyClick(list.editor(), Qt::Key_Return);
    } else {
        typeIntoCell(list, 0, textColumn(typeName), typed);
    }
    QVERIFY(shown.pane->apply());
    if (refusal.isEmpty()) {
        QVERIFY(shown.prompt.texts.empty());
        QCOMPARE(firstText(shown, typeName), stored.toStdString());
        QCOMPARE(list.cellText(0, textColumn(typeName)), typed);
    } else {
        // Not stored, but kept as typed for mending, the reason beside the list (no box).
        QVERIFY(shown.prompt.texts.empty());
        QCOMPARE(firstText(shown, typeName), before);
        QCOMPARE(list.cellText(0, textColumn(typeName)), typed);
        FieldHint& hint = shown.pane->hint();
        QVERIFY(hint.isVisible());
        QCOMPARE(hint.field(), static_cast<QWidget*>(&list));
        QCOMPARE(hint.text(), refusal);
        QCOMPARE(list.accessibleDescription(), refusal);
        // Mended, it is taken and the hint goes.
        typeIntoCell(list, 0, textColumn(typeName), "ok");
        QCOMPARE(firstText(shown, typeName), std::string("ok"));
        QVERIFY(!hint.isVisible());
    }
}

void TextPanesTest::singleWinEdit_data() {
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<int>("capacity");
    QTest::newRow("DynamicText") << "DynamicText" << 32;
    QTest::newRow("Menu") << "Menu" << 20;
    QTest::newRow("Alarm") << "Alarm" << 200;
}

void TextPanesTest::singleWinEdit() {
    QFETCH(QString, typeName);
    QFETCH(int, capacity);
    ShownPane shown(qPrintable(typeName));
    shown.pane->loadRecord(defaultRecord(kindFromTypeName(typeName.toStdString())), 1);
    auto* texts = shown.pane->findChild<LanguageTextList*>();
    QVERIFY(texts);
    // An edit in the list, not yet confirmed, is part of the table the editor opens on.
    typeIntoCell(*texts->list(), 0, 1, "first");

    std::vector<TextRow> opened;
    texts->setDialogRunner([&](LanguageTable& table, LanguageTableKind kind, Prompt& prompt,
                               FileChooser& files, QWidget* parent) {
        CMultiLanDlg dialog(table, kind, prompt, files, parent);
        dialog.show();
        opened = dialog.model().rows();
        // Cells set as the editor stores them: the keys would go to the active pane window.
        auto& rows = *dialog.findChild<CEditListCtrl*>("texts");
        rows.setCellText(0, 2, "erste");
        rows.selectRow(0);
        QTest::keyClick(&rows, Qt::Key_Insert); // a row before the first
        rows.setCellText(0, 0, "7");
        rows.setCellText(0, 1, "new");
        dialog.findChild<QPushButton*>("ok")->click();
        return kind.capacity == capacity && dialog.result() == QDialog::Accepted;
    });
    texts->singleWinEdit()->click();

    QCOMPARE(opened.size(), std::size_t(1));
    QCOMPARE(opened[0][1], std::string("first"));
    // The list is refilled from the confirmed table, in both languages.
    QCOMPARE(texts->rows().size(), std::size_t(2));
    QCOMPARE(texts->list()->rowCount(), 2);
    QCOMPARE(texts->list()->cellText(0, 1), QString("new"));
    QCOMPARE(texts->list()->cellText(1, 1), QString("first"));
    texts->tabs()->setCurrentIndex(1);
    QCOMPARE(texts->list()->cellText(1, 1), QString("erste"));
    if (typeName == "Alarm") {
        // Entry 0 has no coil; the alarm after it is the start address.
        QCOMPARE(texts->list()->cellText(0, 0), QString());
        QCOMPARE(texts->list()->cellText(1, 0), QString("M0"));
    } else {
        QCOMPARE(texts->list()->cellText(0, 0), QString("7"));
    }
    QVERIFY(shown.pane->apply());
    QCOMPARE(firstText(shown, typeName), std::string("new"));
}

void TextPanesTest::singleWinEditCancelled() {
    ShownPane shown("DynamicText");
    shown.load(DynamicTextRecord::makeDefault());
    auto* texts = shown.pane->findChild<LanguageTextList*>();
    texts->setDialogRunner([](LanguageTable& table, LanguageTableKind kind, Prompt& prompt,
                              FileChooser& files, QWidget* parent) {
        CMultiLanDlg dialog(table, kind, prompt, files, parent);
        dialog.show();
        dialog.findChild<CEditListCtrl*>("texts")->setCellText(0, 1, "dropped");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result() == QDialog::Accepted;
    });
    texts->singleWinEdit()->click();
    QCOMPARE(texts->list()->cellText(0, 1), QString("DynamicStr"));
    QVERIFY(shown.pane->workingRecord() == defaultRecord(WidgetKind::DynamicText));
}

void TextPanesTest::alarmStartAndCoils_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("applied");
    QTest::addColumn<QString>("firstCoil");
    QTest::addColumn<QString>("lastCoil");
    const int m = int(RegisterType::M), d = int(RegisterType::D);
    QTest::newRow("M8490 with 15 alarms") << m << 8490 << 15 << 8485 << "M8485"
                                          << "M8499";
    QTest::newRow("last alarm on 8499") << m << 8485 << 15 << 8485 << "M8485"
                                        << "M8499";
    QTest::newRow("D100 with 3 alarms") << d << 100 << 3 << 100 << "D100"
                                        << "D102";
    QTest::newRow("64 alarms from 8499") << d << 8499 << 64 << 8436 << "D8436"
                                         << "D8499";
}

void TextPanesTest::alarmStartAndCoils() {
    QFETCH(int, type);
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(int, applied);
    QFETCH(QString, firstCoil);
    QFETCH(QString, lastCoil);
    ShownPane shown("Alarm");
    shown.load(alarms(RegisterType(type), 0, count));
    QLineEdit* address = nullptr;
    for (QLineEdit* field : shown.pane->findChildren<QLineEdit*>())
        if (field->accessibleName() == "Address")
            address = field;
    QVERIFY(address);
    address->clear();
    QTest::keyClicks(address, QString::number(start));
    QTest::keyClick(address, Qt::Key_Return);
    QCOMPARE(int(shown.working<AlarmListRecord>().start()), applied);
    QCOMPARE(address->text(), QString::number(applied));
    auto* texts = shown.pane->findChild<LanguageTextList*>();
    CEditListCtrl& list = *texts->list();
    QCOMPARE(list.rowCount(), count + 1);
    QCOMPARE(list.cellText(0, 1), QString("No Alarm"));
    QCOMPARE(list.cellText(1, 0), firstCoil);
    QCOMPARE(list.cellText(count, 0), lastCoil);
    QCOMPARE(list.cellText(count, 1), QString("A%1").arg(count));
}

void TextPanesTest::coilsFollowTheTypeAtOnce() {
    ShownPane shown("Alarm");
    shown.load(alarms(RegisterType::M, 20, 2));
    auto* texts = shown.pane->findChild<LanguageTextList*>();
    QComboBox* type = nullptr;
    for (QComboBox* box : shown.pane->findChildren<QComboBox*>())
        if (box->accessibleName() == "Register type")
            type = box;
    QVERIFY(type);
    type->setCurrentText("D");
    QCOMPARE(texts->list()->cellText(2, 0), QString("D21"));
    // The coil column is not typed into.
    texts->list()->openEditor(1, 0);
    QVERIFY(!texts->list()->isEditing());
}

void TextPanesTest::enterInACellStoresTheCell() {
    ShownPane shown("DynamicText");
    shown.load(DynamicTextRecord::makeDefault());
    QSignalSpy applied(shown.pane.get(), &PropertyPane::recordApplied);
    auto* pane = static_cast<CDynTextProperty*>(shown.pane.get());
    CEditListCtrl& list = textsOf(shown);
    typeIntoCell(list, 0, 1, "Run");
    QVERIFY(!list.isEditing());
    QCOMPARE(list.cellText(0, 1), QString("Run"));
    QCOMPARE(applied.count(), 0);
    QCOMPARE(pane->record().entry(0).text[0].str(), std::string("DynamicStr"));
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(applied.count(), 1);
    QCOMPARE(pane->record().entry(0).text[0].str(), std::string("Run"));
    QCOMPARE(pane->record().width(0), 3);
}

void TextPanesTest::blankStateRowIsNoState() {
    ShownPane shown("DynamicText");
    shown.load(DynamicTextRecord::makeDefault());
    CEditListCtrl& list = textsOf(shown);
    list.setFocus();
    list.selectRow(0);
    QTest::keyClick(&list, Qt::Key_Insert);
    typeIntoCell(list, 0, 0, "5");
    typeIntoCell(list, 0, 1, "five");
    list.selectRow(1);
    QTest::keyClick(&list, Qt::Key_Insert);
    // Rows: 5 "five", a blank row, 0 "DynamicStr".
    QCOMPARE(list.rowCount(), 3);
    QVERIFY(shown.pane->apply());
    const auto r = shown.working<DynamicTextRecord>();
    QCOMPARE(int(r.count()), 2);
    QCOMPARE(r.entry(0).value, 5);
    QCOMPARE(r.entry(0).text[0].str(), std::string("five"));
    QCOMPARE(r.entry(1).value, 0);
    QCOMPARE(r.entry(1).text[0].str(), std::string("DynamicStr"));
    QVERIFY(!r.entry(2).used);
    QCOMPARE(list.rowCount(), 2);
}

void TextPanesTest::staticTextEditReachesTheCanvas() {
    ShownPane shown("StaticText");
    StaticTextRecord r = StaticTextRecord::makeDefault();
    r.setText(1, TextSlot::fromBytes("Hello"));
    shown.load(r);
    QSignalSpy changed(shown.pane.get(), &PropertyPane::textChanged);
    typeIntoCell(textsOf(shown), 0, 0, "Hi");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(shown.pane->displayText(), std::string("Hi   "));
    // A refused text changes nothing on the canvas.
    typeIntoCell(textsOf(shown), 0, 0, kHangul);
    QCOMPARE(changed.count(), 1);
}

QTEST_MAIN(TextPanesTest)
#include "TextPanesTest.moc"
