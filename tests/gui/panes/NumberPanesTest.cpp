// Behaviour of the register, bar, trend and password panes. Guards against: a bound row that
// does not switch between its constants and register fields (or switches a different row); a
// typed number stored uncut or cut without the edit box showing the bound used; the register
// pane's rule messages lost or out of order; a level list that ignores the project's password
// levels or drops a stored level; set-control bits editable while the project forbids register
// setting control; a numeric sample computed in double precision; edits lost when the view takes
// the record without an apply; a record reported applied when nothing changed.

#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include "NumberPaneKit.h"
#include "model/widgets/WidgetTexts.h"
#include "panes/CBarProperty.h"
#include "panes/CPwdProperty.h"
#include "panes/CRegisterProperty.h"
#include "panes/CTrendProperty.h"

using namespace zorv;
using imagepanekit::PaneRig;
using numberpanekit::fieldOf;
using numberpanekit::typeInto;

namespace {

// Types `typed` into the field of the label on a pane of the kind, applies the pane, and gives
// what the field shows afterwards.
template <class P, class R>
QString appliedText(R record, const QString& label, const QString& typed) {
    PaneRig<P> rig;
    rig.load(record);
    QLineEdit* field = fieldOf(rig.pane, label);
    if (!field)
        return QStringLiteral("<no field %1>").arg(label);
    typeInto(field, typed);
    rig.pane.apply();
    return field->text();
}

BarRecord barAt(uint16_t x, uint16_t y) {
    BarRecord r = BarRecord::makeDefault();
    r.setX(x);
    r.setY(y);
    return r;
}

} // namespace

class NumberPanesTest : public QObject {
    Q_OBJECT
private slots:
    void boundRowSwitches_data() {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("inputLabel");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("fromRegisterBit");
        QTest::newRow("upper") << "UpperBoundAssociatedToRegister"
                               << "InputUpper:" << int(RegisterRecord::kUpperOff)
                               << int(RegisterRecord::kUpperFromRegister);
        QTest::newRow("lower") << "LowerBoundAssociatedToRegister"
                               << "InputLower:" << int(RegisterRecord::kLowerOff)
                               << int(RegisterRecord::kLowerFromRegister);
    }
    void boundRowSwitches() {
        QFETCH(QString, check);
        QFETCH(QString, inputLabel);
        QFETCH(int, offset);
        QFETCH(int, fromRegisterBit);
        PaneRig<CRegisterProperty> rig;
        rig.load(RegisterRecord::makeDefault());
        QLineEdit* input = fieldOf(rig.pane, inputLabel);
        QVERIFY(input);
        auto* row = qobject_cast<QStackedWidget*>(input->parentWidget()->parentWidget());
        QVERIFY(row);
        const QRect place = row->geometry();

        imagepanekit::setChecked(rig.pane, check, true);
        QVERIFY(!input->isVisibleTo(&rig.pane));
        auto* station = fieldOf<QSpinBox>(*row, "StationNo.");
        auto* type = fieldOf<QComboBox>(*row, "Reg.:");
        auto* count = fieldOf<QComboBox>(*row, "RegisterNo.");
        QVERIFY(station && type && count);
        QVERIFY(station->isVisibleTo(&rig.pane));
        QCOMPARE(row->geometry(), place); // the same row of the pane
        // The other bound's row keeps its constants.
        QCOMPARE(rig.pane.findChildren<QStackedWidget*>().size(), 2);
        for (QStackedWidget* other : rig.pane.findChildren<QStackedWidget*>())
            if (other != row)
                QCOMPARE(other->currentIndex(), 0);

        station->setValue(3);
        type->setCurrentIndex(type->findText("M"));
        QLineEdit* address = test::namedField(*row->currentWidget(), "Register address");
        typeInto(address, "9000");
        count->setCurrentIndex(1);
        QVERIFY(rig.pane.apply());
        RegisterRecord r = rig.working<RegisterRecord>();
        QVERIFY(r.option(uint8_t(fromRegisterBit)));
        QCOMPARE(r.boundRegister(std::size_t(offset)),
                 (BoundRegister{3, uint8_t(RegisterType::M), 8499, 2}));
        QCOMPARE(address->text(), QString("8499"));

        imagepanekit::setChecked(rig.pane, check, false);
        QVERIFY(input->isVisibleTo(&rig.pane));
        QVERIFY(!station->isVisibleTo(&rig.pane));
        typeInto(input, "77");
        QVERIFY(rig.pane.apply());
        r = rig.working<RegisterRecord>();
        QVERIFY(!r.option(uint8_t(fromRegisterBit)));
        QCOMPARE(r.boundConstants(std::size_t(offset)).input, 77);
    }

    void cutToRangeShowsBound_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("register address") << "Register"
                                          << "ADDR:"
                                          << "9000"
                                          << "8499";
        QTest::newRow("register digits") << "Register"
                                         << "Digit:"
                                         << "12"
                                         << "10";
        QTest::newRow("register no digits") << "Register"
                                            << "Digit:"
                                            << "0"
                                            << "1";
        QTest::newRow("register decimals above digits") << "Register"
                                                        << "Precision:"
                                                        << "7"
                                                        << "5";
        QTest::newRow("register one unsigned register") << "Register"
                                                        << "InputUpper:"
                                                        << "70000"
                                                        << "65535";
        QTest::newRow("register engineering bound 32 bits") << "Register"
                                                            << "WorkloadUpper:"
                                                            << "4294967296"
                                                            << "4294967295";
        QTest::newRow("register related bit") << "Register"
                                              << "Addr.:"
                                              << "9999"
                                              << "8499";
        QTest::newRow("bar full scale") << "Bar"
                                        << "full-scale value :"
                                        << "70000"
                                        << "65535";
        QTest::newRow("bar unsigned zero scale") << "Bar"
                                                 << "zero-scale value:"
                                                 << "-5"
                                                 << "0";
        QTest::newRow("bar height at y = 16") << "Bar"
                                              << "High:"
                                              << "100"
                                              << "48";
        QTest::newRow("bar address") << "Bar"
                                     << "ADDR:"
                                     << "12345"
                                     << "8499";
        QTest::newRow("trend interval 0") << "Trend"
                                          << "Acquisition Interval:"
                                          << "0"
                                          << "1";
        QTest::newRow("trend interval") << "Trend"
                                        << "Acquisition Interval:"
                                        << "70000"
                                        << "60000";
        QTest::newRow("trend dot pitch") << "Trend"
                                         << "Dot-Pitch:"
                                         << "200"
                                         << "94";
        QTest::newRow("trend width at x = 0") << "Trend"
                                              << "Wide:"
                                              << "300"
                                              << "192";
        QTest::newRow("password success page") << "Password"
                                               << "operation Success,jump to the page:"
                                               << "70000"
                                               << "65535";
        QTest::newRow("password failure page") << "Password"
                                               << "operation failed,jump to the page:"
                                               << "99999"
                                               << "65535";
    }
    void cutToRangeShowsBound() {
        QFETCH(QString, kind);
        QFETCH(QString, label);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QString text;
        if (kind == "Register")
            text = appliedText<CRegisterProperty>(RegisterRecord::makeDefault(), label, typed);
        else if (kind == "Bar")
            text = appliedText<CBarProperty>(barAt(0, 16), label, typed);
        else if (kind == "Trend")
            text = appliedText<CTrendProperty>(TrendRecord::makeDefault(), label, typed);
        else
            text = appliedText<CPwdProperty>(PasswordRecord::makeDefault(), label, typed);
        QCOMPARE(text, shown);
    }

    void registerBoundOrderMessages() {
        PaneRig<CRegisterProperty> rig;
        rig.load(RegisterRecord::makeDefault());
        imagepanekit::list(rig.pane, "Data type")->setCurrentIndex(1); // "Engineering data"
        typeInto(fieldOf(rig.pane, "InputUpper:"), "10");
        typeInto(fieldOf(rig.pane, "InputLower:"), "20");
        typeInto(fieldOf(rig.pane, "WorkloadUpper:"), "30");
        typeInto(fieldOf(rig.pane, "WorkloadLower:"), "40");
        QVERIFY(rig.pane.apply());
        QCOMPARE(rig.prompt.texts, (std::vector<std::string>{
                                       "The value of upperlimit must large than lowerlimit!",
                                       "The value of upperlimit2 must large than lowerlimit2!"}));
        QCOMPARE(fieldOf(rig.pane, "InputUpper:")->text(), QString("20"));
        QCOMPARE(fieldOf(rig.pane, "WorkloadUpper:")->text(), QString("40"));
    }

    void twoSignedRegistersTakeTheFullRange() {
        PaneRig<CRegisterProperty> rig;
        rig.load(RegisterRecord::makeDefault());
        imagepanekit::list(rig.pane, "Register No.")->setCurrentIndex(1);
        imagepanekit::setChecked(rig.pane, "Signed No.", true);
        typeInto(fieldOf(rig.pane, "InputUpper:"), "2147483647");
        typeInto(fieldOf(rig.pane, "InputLower:"), "-2147483648");
        QVERIFY(rig.pane.apply());
        QVERIFY(rig.prompt.texts.empty());
        const RegisterRecord r = rig.working<RegisterRecord>();
        QCOMPARE(r.boundConstants(RegisterRecord::kUpperOff).input, INT32_MAX);
        QCOMPARE(r.boundConstants(RegisterRecord::kLowerOff).input, INT32_MIN);
    }

    void passwordLevels_data() {
        QTest::addColumn<int>("projectLevels");
        QTest::addColumn<int>("storedLevel");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("no levels") << 0 << 0 << QStringList{"0"};
        QTest::newRow("two levels") << 2 << 1 << QStringList{"0", "1", "2"};
        QTest::newRow("four levels") << 4 << 4 << QStringList{"0", "1", "2", "3", "4"};
        QTest::newRow("more than the panel's four")
            << 9 << 0 << QStringList{"0", "1", "2", "3", "4"};
        QTest::newRow("stored level above the count stays")
            << 2 << 3 << QStringList{"0", "1", "2", "3"};
    }
    void passwordLevels() {
        QFETCH(int, projectLevels);
        QFETCH(int, storedLevel);
        QFETCH(QStringList, items);
        PaneRig<CPwdProperty> rig;
        PaneContext context = rig.pane.context();
        context.passwordLevels = uint32_t(projectLevels);
        rig.pane.setContext(context);
        PasswordRecord r = PasswordRecord::makeDefault();
        r.setLevel(uint8_t(storedLevel), 0);
        rig.load(r);
        QStringList shown;
        for (int i = 0; i < rig.pane.level()->count(); ++i)
            shown << rig.pane.level()->itemText(i);
        QCOMPARE(shown, items);
        QCOMPARE(rig.pane.level()->currentText(), QString::number(storedLevel));
        QVERIFY(rig.pane.workingRecord() == std::vector<uint8_t>(r.bytes.begin(), r.bytes.end()));
        // The project's count arriving after the record keeps the shown level.
        context.passwordLevels = 4;
        rig.pane.setContext(context);
        QCOMPARE(rig.pane.level()->currentText(), QString::number(storedLevel));
    }

    void setControlBitsFollowTheProject_data() {
        QTest::addColumn<bool>("allowed");
        QTest::newRow("register setting control off") << false;
        QTest::newRow("register setting control on") << true;
    }
    void setControlBitsFollowTheProject() {
        QFETCH(bool, allowed);
        PaneRig<CRegisterProperty> rig;
        RegisterRecord r = RegisterRecord::makeDefault();
        r.setSetMask(0x81);
        rig.load(r);
        PaneContext context = rig.pane.context();
        context.registerSettingControl = allowed;
        rig.pane.setContext(context);
        for (int bit = 0; bit < 8; ++bit) {
            QAbstractButton* box = imagepanekit::button(rig.pane, QString::number(bit));
            QVERIFY(box);
            QCOMPARE(box->isEnabled(), allowed);
            QCOMPARE(box->isChecked(), bit == 0 || bit == 7);
        }
        QCOMPARE(int(rig.working<RegisterRecord>().setMask()), 0x81);
    }

    void numericSampleInSinglePrecision() {
        PaneRig<CRegisterProperty> rig;
        rig.load(RegisterRecord::makeDefault());
        QSignalSpy looks(&rig.pane, &PropertyPane::lookChanged);
        typeInto(fieldOf(rig.pane, "Digit:"), "9");
        QVERIFY(!looks.isEmpty());
        const RegisterRecord shown = rig.working<RegisterRecord>();
        QCOMPARE(int(shown.digits()), 9);
        QCOMPARE(int(shown.decimals()), 0);
        QCOMPARE(numericSampleText(shown.digits(), shown.decimals()), std::string("123456792"));
        // Precision beyond the digits is drawn as applying would cut it.
        typeInto(fieldOf(rig.pane, "Digit:"), "5");
        typeInto(fieldOf(rig.pane, "Precision:"), "7");
        QCOMPARE(int(rig.working<RegisterRecord>().decimals()), 5);
    }

    void editsReachTheWorkingRecordBeforeApply() {
        PaneRig<CBarProperty> rig;
        rig.load(barAt(0, 0));
        typeInto(fieldOf(rig.pane, "ADDR:"), "321");
        imagepanekit::list(rig.pane, "Direction")->setCurrentIndex(BarRecord::Left);
        const BarRecord r = rig.working<BarRecord>();
        QCOMPARE(r.reg().address, uint16_t(321));
        QCOMPARE(r.direction(), uint16_t(BarRecord::Left));
        QVERIFY(rig.prompt.texts.empty());
    }

    void appliedOnlyWhenChanged() {
        PaneRig<CTrendProperty> rig;
        const auto demo = numberpanekit::demoRecord(WidgetKind::Trend);
        QVERIFY(demo);
        rig.pane.loadRecord(*demo, 4);
        QSignalSpy applied(&rig.pane, &PropertyPane::recordApplied);
        QVERIFY(rig.pane.apply());
        QCOMPARE(applied.count(), 0);
        QVERIFY(rig.pane.workingRecord() == *demo);

        rig.pane.setPosition(30, 8);
        QCOMPARE(fieldOf(rig.pane, "X:")->text(), QString("30"));
        QCOMPARE(fieldOf(rig.pane, "Y:")->text(), QString("8"));
        typeInto(fieldOf(rig.pane, "High:"), "40");
        rig.pane.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.pane));
        imagepanekit::pressEnter(rig.pane);
        QCOMPARE(applied.count(), 1);
        const TrendRecord r = rig.working<TrendRecord>();
        QCOMPARE(int(r.x()), 30);
        QCOMPARE(int(r.y()), 8);
        QCOMPARE(int(r.height()), 40);
    }
};

QTEST_MAIN(NumberPanesTest)
#include "NumberPanesTest.moc"
