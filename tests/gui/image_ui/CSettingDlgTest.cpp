// Guards "Parameter Setting" against: page control labels or registers that do not follow the
// two boxes and the address, fields left enabled (or disabled) after a box changes, a refused
// password level count that still changes the header, and CANCEL that writes the header.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cstring>

#include "DialogTestKit.h"
#include "image/ui/CSettingDlg.h"
#include "platform/ScriptedPrompt.h"

using namespace zorv;

namespace {
ProjectHeader newHeader() {
    return ProjectHeader::makeDefault();
}
bool sameBytes(const ProjectHeader& a, const ProjectHeader& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
void setBox(QWidget& dialog, const char* name, bool on) {
    auto* box = dialog.findChild<QCheckBox*>(name);
    QVERIFY2(box, name);
    if (box->isChecked() != on)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    QCOMPARE(box->isChecked(), on);
}
QString label(QWidget& dialog, const char* name) {
    return dialog.findChild<QLabel*>(name)->text();
}
bool enabled(QWidget& dialog, const char* name) {
    return dialog.findChild<QWidget*>(name)->isEnabled();
}
} // namespace

class CSettingDlgTest : public QObject {
    Q_OBJECT
private slots:
    void pageControlRegisters_data();
    void pageControlRegisters();
    void boxesEnableTheirFields_data();
    void boxesEnableTheirFields();
    void passwordLevels_data();
    void passwordLevels();
    void cancelLeavesTheHeader();
    void confirmingUnchangedKeepsTheTable();
};

void CSettingDlgTest::pageControlRegisters_data() {
    QTest::addColumn<bool>("autoTrans");
    QTest::addColumn<bool>("reportCurrent");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("currentPageAddress");
    QTest::newRow("both") << true << true << "Corresponding to D10"
                          << "Corresponding to D11" << 11;
    QTest::newRow("only report") << false << true << ""
                                 << "Corresponding to D10" << 10;
    QTest::newRow("only auto trans") << true << false << "Corresponding to D10"
                                     << "" << 11;
    QTest::newRow("neither") << false << false << ""
                             << "" << 10;
}

void CSettingDlgTest::pageControlRegisters() {
    QFETCH(bool, autoTrans);
    QFETCH(bool, reportCurrent);
    ProjectHeader header = newHeader();
    ScriptedPrompt prompt;
    CSettingDlg dialog(header, prompt);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(label(dialog, "autoTransLabel"), QString());

    setBox(dialog, "pageControlBox", autoTrans);
    setBox(dialog, "reportCurrentPage", reportCurrent);
    QCOMPARE(enabled(dialog, "pageControlAddress"), autoTrans || reportCurrent);
    if (autoTrans || reportCurrent)
        dialogkit::retype(dialog, "pageControlAddress", "10");
    else
        dialog.findChild<QLineEdit*>("pageControlAddress")->setText("10");
    QTEST(label(dialog, "autoTransLabel"), "first");
    QTEST(label(dialog, "reportCurrentLabel"), "second");

    dialogkit::click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(header.registerAt(ProjectHeader::kPageControlRegOff).address, 10);
    QTEST(int(header.registerAt(ProjectHeader::kCurrentPageRegOff).address), "currentPageAddress");
    QCOMPARE(header.flag(sysflag::kAutoTransPage), autoTrans);
    QCOMPARE(header.flag(sysflag::kReportCurrentPage), reportCurrent);
}

void CSettingDlgTest::boxesEnableTheirFields_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("screen protection")
        << "screenProtection" << QStringList{"screenDelay", "screenSaverPage"};
    QTest::newRow("background light") << "backlightOff" << QStringList{"backlightDelay"};
    QTest::newRow("language") << "languageBox" << QStringList{"languageType", "languageAddress"};
    QTest::newRow("password level")
        << "passwordLevelBox" << QStringList{"passwordLevelType", "passwordLevelAddress"};
    QTest::newRow("register setting control")
        << "registerSetControlBox"
        << QStringList{"registerSetControlType", "registerSetControlAddress"};
}

void CSettingDlgTest::boxesEnableTheirFields() {
    QFETCH(QString, box);
    QFETCH(QStringList, fields);
    ProjectHeader header = newHeader();
    ScriptedPrompt prompt;
    CSettingDlg dialog(header, prompt);
    dialog.show();
    const QByteArray name = box.toLatin1();
    const bool initially = dialog.findChild<QCheckBox*>(name.constData())->isChecked();
    for (bool on : {!initially, initially}) {
        setBox(dialog, name.constData(), on);
        for (const QString& field : fields)
            QVERIFY2(enabled(dialog, field.toLatin1().constData()) == on, qPrintable(field));
    }
    for (const char* station : {"pageControlStation", "languageStation", "passwordLevelStation",
                                "registerSetControlStation"})
        QVERIFY(!enabled(dialog, station));
}

void CSettingDlgTest::passwordLevels_data() {
    QTest::addColumn<int>("levels");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("four") << 4 << true;
    QTest::newRow("five") << 5 << false;
}

void CSettingDlgTest::passwordLevels() {
    QFETCH(int, levels);
    QFETCH(bool, accepted);
    ProjectHeader header = newHeader();
    header.setPasswordLevels(uint32_t(levels));
    ScriptedPrompt prompt;
    CSettingDlg dialog(header, prompt);
    dialog.show();
    QVERIFY(dialog.findChild<QLineEdit*>("passwordLevels")->isReadOnly());
    dialogkit::retype(dialog, "startPage", "7");
    const ProjectHeader before = header;
    dialogkit::click(dialog, "ok");
    QCOMPARE(dialog.isVisible(), !accepted);
    if (accepted) {
        QVERIFY(prompt.texts.empty());
        QCOMPARE(header.startPage(), 7);
    } else {
        QCOMPARE(prompt.texts, std::vector<std::string>{
                                   "The system support for a maximum of four levels in password!"});
        QVERIFY(sameBytes(header, before));
    }
}

void CSettingDlgTest::cancelLeavesTheHeader() {
    ProjectHeader header = newHeader();
    const ProjectHeader before = header;
    ScriptedPrompt prompt;
    CSettingDlg dialog(header, prompt);
    dialog.show();
    dialogkit::retype(dialog, "defaultPage", "3");
    setBox(dialog, "screenProtection", false);
    setBox(dialog, "languageBox", true);
    dialogkit::click(dialog, "cancel");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(sameBytes(header, before));
}

void CSettingDlgTest::confirmingUnchangedKeepsTheTable() {
    ProjectHeader header = newHeader();
    ProjectHeader expected = header;
    expected.setU8(ProjectHeader::kByte117Off, 2);
    // The current page register follows the page control register even while it is unused.
    expected.setU16(54, 0);
    ScriptedPrompt prompt;
    CSettingDlg dialog(header, prompt);
    dialog.show();
    QCOMPARE(dialog.findChild<QLineEdit*>("alarmPage")->text(), QString("65535"));
    dialogkit::click(dialog, "ok");
    QVERIFY(!dialog.isVisible());
    QVERIFY(sameBytes(header, expected));
}

QTEST_MAIN(CSettingDlgTest)
#include "CSettingDlgTest.moc"
