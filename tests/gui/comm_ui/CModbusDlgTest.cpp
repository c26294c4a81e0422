// Guards against: a list that renumbers after a deletion or loses cell edits before saving, a
// serial number that can be edited, an oversize table that closes the dialog or replaces the
// working copy (which the next save puts beside the project), a busy dialog whose buttons, Escape
// or close box still act, a table that reaches the panel changed, a verification that passes a
// byte changed on the panel or fails without saying where, and a program download that ignores
// the port chosen in the download tool.

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>

#include "DeviceDialogRig.h"
#include "comm/ModbusTable.h"
#include "comm/ui/CModbusDlg.h"
#include "controls/CEditList.h"
#include "tests/gui/TabOrder.h"

using namespace zorv;
using namespace zorv::test;

namespace {

QStringList column(const CEditList& list, int c) {
    QStringList texts;
    for (int row = 0; row < list.rowCount(); ++row)
        texts << list.cellText(row, c);
    return texts;
}

void clickCell(CEditList& list, int row, int c) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(list.model()->index(row, c)).center());
}

// Types a text into the edit box of a cell and stores it with Enter.
void editCell(CEditList& list, int row, int c, const QString& text) {
    clickCell(list, row, c);
    auto* edit = qobject_cast<QLineEdit*>(list.editor());
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!list.isEditing());
}

void doubleClickBelowRows(CEditList& list) {
    const int bottom =
        list.rowViewportPosition(list.rowCount() - 1) + list.rowHeight(list.rowCount() - 1);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(20, bottom + 10));
}

std::vector<ModbusRow> rowsOfType(int type, int count) {
    std::vector<ModbusRow> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({uint8_t(type), uint16_t(i + 1), uint16_t(0x100 + i), uint16_t(10 * i)});
    return rows;
}

struct ModbusRig : DeviceDialogRig {
    using DeviceDialogRig::DeviceDialogRig;
    ModbusFiles files() const { return {file("Mdt1"), file("plant.zvd")}; }
};

} // namespace

class CModbusDlgTest : public QObject {
    Q_OBJECT
private slots:
    void openingShowsDefaultRow();
    void listEditing();
    void sizeLimit();
    void downloadAndVerify();
    void programGoesToThePortChosenInTheDownloadTool();
};

void CModbusDlgTest::openingShowsDefaultRow() {
    ModbusRig rig;
    CModbusDlg dialog(rig.files(), rig.services);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Modbus Protocol Configuration"));
    QCOMPARE(test::readingOrderBreaks(dialog), QStringList());
    CEditList& list = *dialog.list();
    const QStringList titles = {"Serial number", "Operation Type", "Device address unit",
                                "Instruction address", "SoftAddr"};
    const QList<int> widths = {40, 75, 90, 65, 65};
    QCOMPARE(list.columnCount(), 5);
    // The set widths, widened where this font needs more room for a title or a type text.
    const QFontMetrics font = list.fontMetrics();
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(list.horizontalHeaderItem(c)->text(), titles[c]);
        QVERIFY(list.columnWidth(c) >= widths[c]);
        QVERIFY2(list.columnWidth(c) > font.horizontalAdvance(titles[c]), qPrintable(titles[c]));
    }
    QVERIFY(list.columnWidth(1) > font.horizontalAdvance("Communication alarm"));
    QCOMPARE(list.rowCount(), 1);
    const QStringList row = {"01", "Communication alarm", "D1", "0x0000", "M0"};
    for (int c = 0; c < 5; ++c)
        QCOMPARE(list.cellText(0, c), row[c]);
    for (const char* text : {"Import", "Download", "Verify", "OK", "CANCEL"})
        QVERIFY2(button(dialog, text) && button(dialog, text)->isVisible(), text);
    QVERIFY(dialog.findChild<QLabel*>("statusLine")->isHidden());

    // The serial number opens no editor; the type opens the drop-down of the six texts.
    clickCell(list, 0, 0);
    QVERIFY(!list.isEditing());
    clickCell(list, 0, 1);
    auto* types = qobject_cast<QComboBox*>(list.editor());
    QVERIFY(types);
    QCOMPARE(types->count(), kModbusTypeCount);
    QCOMPARE(types->currentText(), QString("Communication alarm"));
    list.endEdit(false);
}

void CModbusDlgTest::listEditing() {
    ModbusRig rig;
    CModbusDlg dialog(rig.files(), rig.services);
    dialog.show();
    CEditList& list = *dialog.list();
    doubleClickBelowRows(list);
    doubleClickBelowRows(list);
    QCOMPARE(column(list, 0), QStringList({"01", "02", "03"}));
    QCOMPARE(column(list, 1),
             QStringList({"Communication alarm", "Single Writing", "Single Writing"}));

    editCell(list, 2, 2, "D7");
    editCell(list, 2, 3, "16");
    editCell(list, 2, 4, "D100");
    clickCell(list, 2, 1);
    auto* types = qobject_cast<QComboBox*>(list.editor());
    QVERIFY(types);
    types->setCurrentIndex(4); // "Circular reading"
    QTest::keyClick(types, Qt::Key_Return);
    QCOMPARE(list.cellText(2, 1), QString("Circular reading"));

    // Delete removes the row at the selection mark; the others keep their numbers.
    clickCell(list, 1, 0);
    QTest::keyClick(&list, Qt::Key_Delete);
    QCOMPARE(column(list, 0), QStringList({"01", "03"}));
    QCOMPARE(int(dialog.table().rows().size()), 2);
    QCOMPARE(dialog.table().rows()[1][0], std::string("03"));

    QTest::mouseClick(button(dialog, "OK"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(rig.prompt.texts.empty());
    std::vector<ModbusRow> saved;
    QVERIFY(loadModbusTableFile(rig.file("Mdt1"), saved));
    const std::vector<ModbusRow> expected = {{0, 1, 0, 0}, {4, 7, 0x0010, 100}};
    QVERIFY(saved == expected);
}

void CModbusDlgTest::sizeLimit() {
    ModbusRig rig;
    const auto good = encodeModbusTable(rowsOfType(0, 2));
    writeBytes(rig.file("Mdt1"), good);
    writeBytes(rig.file("plant.mdt"), good);
    writeBytes(rig.file("big.mdt"), encodeModbusTable(rowsOfType(3, 159)));
    const QString big = QString::fromStdString(rig.file("big.mdt").string());
    rig.chooser.answers = {big, big};
    {
        CModbusDlg dialog(rig.files(), rig.services);
        dialog.show();
        QTest::mouseClick(button(dialog, "Import"), Qt::LeftButton);
        CEditList& list = *dialog.list();
        QCOMPARE(list.rowCount(), 159);
        QCOMPARE(list.cellText(158, 0), QString("159"));
        QCOMPARE(rig.chooser.filters[0],
                 qtFileFilter("Protocol configuration file:(*.mdt)|*.mdt|"));

        // 159 rows make 1028 bytes: refused, the dialog stays open and the working copy keeps
        // the last table taken.
        QTest::mouseClick(button(dialog, "OK"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(rig.prompt.texts, std::vector<std::string>(
                                       {"Too many configuration data, please delete some data!"}));
        QVERIFY(readBytes(rig.file("Mdt1")) == good);
        // So do Download and Verify, which save first; nothing reaches the panel.
        QTest::mouseClick(button(dialog, "Download"), Qt::LeftButton);
        QTest::mouseClick(button(dialog, "Verify"), Qt::LeftButton);
        QCOMPARE(dialog.busy(), 0);
        QCOMPARE(rig.prompt.texts.size(), std::size_t(3));
        QCOMPARE(rig.panel.device.requests(), 0);

        QTest::mouseClick(button(dialog, "CANCEL"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(readBytes(rig.file("Mdt1")) == good);
    }

    // The next opening shows the last table taken; 158 rows (1022 bytes) are taken.
    CModbusDlg dialog(rig.files(), rig.services);
    dialog.show();
    CEditList& list = *dialog.list();
    QCOMPARE(list.rowCount(), 2);
    QTest::mouseClick(button(dialog, "Import"), Qt::LeftButton);
    list.setCurrentCell(158, 0);
    QTest::keyClick(&list, Qt::Key_Delete);
    QTest::mouseClick(button(dialog, "OK"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(readBytes(rig.file("Mdt1")).size(), std::size_t(1022));
    QCOMPARE(rig.prompt.texts.size(), std::size_t(3));
}

void CModbusDlgTest::downloadAndVerify() {
    // The emulated line keeps the transfer running while the busy dialog is tried.
    ModbusRig rig(false, 9600);
    std::vector<ModbusRow> rows = rowsOfType(0, 2);
    for (const auto& row : rowsOfType(1, 3))
        rows.push_back(row);
    const auto table = encodeModbusTable(rows); // 74 + 18 bytes: a whole block and a remainder
    writeBytes(rig.file("Mdt1"), table);
    writeBytes(rig.file("plant.mdt"), table); // the table of the last project save
    rig.chooser.answers = {"ignored"};
    CModbusDlg dialog(rig.files(), rig.services);
    dialog.show();
    auto* status = dialog.findChild<QLabel*>("statusLine");
    StatusRecorder recorder(dialog.observer(), status);

    QTest::mouseClick(button(dialog, "Download"), Qt::LeftButton);
    QCOMPARE(dialog.busy(), int(ModbusTransfer::Downloading));
    QVERIFY(status->isVisible());
    // Busy: every button, Escape and the close box are ignored.
    for (const char* text : {"Verify", "Import", "OK", "CANCEL"})
        QTest::mouseClick(button(dialog, text), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.close());
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.busy(), int(ModbusTransfer::Downloading));
    QVERIFY(rig.chooser.captions.isEmpty());

    QTRY_COMPARE_WITH_TIMEOUT(recorder.endings, 1, 20000);
    QTRY_COMPARE(dialog.busy(), 0);
    QVERIFY(recorder.lastResult);
    QCOMPARE(status->text(), QString("Program download: File download complete"));
    QCOMPARE(rig.panel.device.config(), table);
    QVERIFY(rig.panel.device.configComplete());

    QTest::mouseClick(button(dialog, "Verify"), Qt::LeftButton);
    QCOMPARE(dialog.busy(), int(ModbusTransfer::Verifying));
    QTRY_COMPARE_WITH_TIMEOUT(recorder.endings, 2, 20000);
    QVERIFY(recorder.lastResult);
    QCOMPARE(status->text(), QString("Program verification: Data verification Complete"));

    // A byte changed on the panel, in the remainder after the first block.
    QTRY_COMPARE(dialog.busy(), 0);
    auto changed = table;
    changed[70] ^= 0x01;
    rig.panel.device.setConfig(changed);
    QTest::mouseClick(button(dialog, "Verify"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.endings, 3, 20000);
    QVERIFY(!recorder.lastResult);
    QCOMPARE(status->text(),
             QString("Program verification: Data verification failed, 64/%1").arg(table.size()));
    QVERIFY(!recorder.offThread);
    QVERIFY(!recorder.lineBehind);
    QVERIFY(rig.prompt.texts.empty());
}

void CModbusDlgTest::programGoesToThePortChosenInTheDownloadTool() {
    ModbusRig rig;
    const auto table = encodeModbusTable(rowsOfType(0, 2));
    writeBytes(rig.file("Mdt1"), table);
    writeBytes(rig.file("plant.mdt"), table);
    // The simulator is the one port listed; the port chosen is another.
    rig.registry.setValue("Download/Port", "/nonexistent/ttyUSB5");
    CModbusDlg dialog(rig.files(), rig.services);
    StatusRecorder recorder(dialog.observer(), dialog.findChild<QLabel*>("statusLine"));
    QTest::mouseClick(button(dialog, "Download"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.endings, 1, 20000);
    QVERIFY(!recorder.lastResult);
    QVERIFY(rig.prompt.texts.empty());
    QVERIFY(!recorder.texts.isEmpty());
    QCOMPARE(recorder.texts.last(),
             QString("Program download: connection device...failed\nPorts tried: "
                     "/nonexistent/ttyUSB5 (cannot be opened: No such file or directory)"));
    QCOMPARE(rig.panel.device.requests(), 0);
}

QTEST_MAIN(CModbusDlgTest)
#include "CModbusDlgTest.moc"
