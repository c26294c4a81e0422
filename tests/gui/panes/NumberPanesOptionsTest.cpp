// Option bytes of the register, bar, trend and password panes built from their check boxes.
// Guards against a box wired to the wrong bit, a bit lost or doubled, signed left on in HEX/BCD
// mode, and a set-control box "i" that does not set bit i.

#include <QTest>

#include "NumberPaneKit.h"
#include "panes/CBarProperty.h"
#include "panes/CPwdProperty.h"
#include "panes/CRegisterProperty.h"
#include "panes/CTrendProperty.h"

using namespace zorv;
using imagepanekit::PaneRig;

namespace {

// The register pane's boxes, in the order of the bits of the formulas below.
enum RegisterBox {
    Inverted,
    DoubleSize,
    Signed,
    HexBcd,
    LowerFromRegister,
    UpperFromRegister,
    Engineering,
    InputLimit,
    Encryption,
    Settable,
    Relation,
    BoxCount
};
const char* const kRegisterBoxTexts[BoxCount] = {"Inverted ",
                                                 "double size",
                                                 "Signed No.",
                                                 "HEX/BCD",
                                                 "LowerBoundAssociatedToRegister",
                                                 "UpperBoundAssociatedToRegister",
                                                 nullptr, // the "Data type:" list
                                                 "Input Limit ",
                                                 "Encryption",
                                                 "Setable",
                                                 "Relation"};

bool has(int boxes, int box) {
    return (boxes >> box) & 1;
}

} // namespace

class NumberPanesOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void registerOptionBytes_data() {
        QTest::addColumn<int>("boxes");
        QTest::newRow("none") << 0;
        for (int box = 0; box < BoxCount; ++box)
            QTest::newRow(kRegisterBoxTexts[box] ? kRegisterBoxTexts[box] : "Engineering data")
                << (1 << box);
        QTest::newRow("signed and HEX/BCD") << ((1 << Signed) | (1 << HexBcd));
        QTest::newRow("all") << ((1 << BoxCount) - 1);
        QTest::newRow("all but HEX/BCD") << (((1 << BoxCount) - 1) & ~(1 << HexBcd));
    }
    void registerOptionBytes() {
        QFETCH(int, boxes);
        PaneRig<CRegisterProperty> rig;
        rig.load(RegisterRecord::makeDefault());
        // Signed first: choosing HEX/BCD afterwards must clear it.
        for (int box : {Signed, Inverted, DoubleSize, HexBcd, LowerFromRegister, UpperFromRegister,
                        InputLimit, Encryption, Settable, Relation})
            imagepanekit::setChecked(rig.pane, kRegisterBoxTexts[box], has(boxes, box));
        imagepanekit::list(rig.pane, "Data type")->setCurrentIndex(has(boxes, Engineering) ? 1 : 0);
        QVERIFY(rig.pane.apply());

        const RegisterRecord r = rig.working<RegisterRecord>();
        const int hex = has(boxes, HexBcd);
        const int expected14 = has(boxes, Inverted) + 16 * has(boxes, DoubleSize);
        const int expected15 =
            (has(boxes, Signed) && !hex) + 2 * hex + 4 * has(boxes, LowerFromRegister) +
            8 * has(boxes, UpperFromRegister) + 16 * has(boxes, Engineering) +
            32 * has(boxes, InputLimit) + 64 * has(boxes, Encryption) + 128 * has(boxes, Settable);
        QCOMPARE(int(r.bytes[14]), expected14);
        QCOMPARE(int(r.bytes[15]), expected15);
        QCOMPARE(int(r.bytes[11]), has(boxes, Relation));
    }

    void registerSetControlBits_data() {
        QTest::addColumn<QList<int>>("bits");
        for (int bit = 0; bit < 8; ++bit)
            QTest::newRow(qPrintable(QString("box %1").arg(bit))) << QList<int>{bit};
        QTest::newRow("7 and 0") << QList<int>{7, 0};
        QTest::newRow("all") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
    }
    void registerSetControlBits() {
        QFETCH(QList<int>, bits);
        PaneRig<CRegisterProperty> rig;
        PaneContext context = rig.pane.context();
        context.registerSettingControl = true;
        rig.pane.setContext(context);
        rig.load(RegisterRecord::makeDefault());
        int expected = 0;
        for (int bit : bits) {
            imagepanekit::setChecked(rig.pane, QString::number(bit), true);
            expected |= 1 << bit;
        }
        QVERIFY(rig.pane.apply());
        QCOMPARE(int(rig.working<RegisterRecord>().bytes[12]), expected);
    }

    void chartModeByte_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("isSigned");
        QTest::addColumn<bool>("hexBcd");
        QTest::addColumn<int>("expected");
        for (const char* kind : {"Bar", "Trend"}) {
            QTest::newRow(qPrintable(QString("%1 decimal").arg(kind)))
                << kind << false << false << 0;
            QTest::newRow(qPrintable(QString("%1 signed").arg(kind))) << kind << true << false << 1;
            QTest::newRow(qPrintable(QString("%1 HEX/BCD").arg(kind)))
                << kind << false << true << 2;
            // Signed is cleared first when HEX/BCD is chosen.
            QTest::newRow(qPrintable(QString("%1 signed, then HEX/BCD").arg(kind)))
                << kind << true << true << 2;
        }
    }
    void chartModeByte() {
        QFETCH(QString, kind);
        QFETCH(bool, isSigned);
        QFETCH(bool, hexBcd);
        QFETCH(int, expected);
        const auto check = [&](auto& rig, auto record, std::size_t modeOff) {
            rig.load(record);
            imagepanekit::setChecked(rig.pane, "Signed No.", isSigned);
            imagepanekit::setChecked(rig.pane, hexBcd ? "HEX/BCD" : "Decimal ", true);
            QCOMPARE(imagepanekit::button(rig.pane, "Signed No.")->isEnabled(), !hexBcd);
            QVERIFY(rig.pane.apply());
            QCOMPARE(int(rig.pane.workingRecord()[modeOff]), expected);
        };
        if (kind == "Bar") {
            PaneRig<CBarProperty> rig;
            check(rig, BarRecord::makeDefault(), BarRecord::kNumberFlagsOff);
        } else {
            PaneRig<CTrendProperty> rig;
            check(rig, TrendRecord::makeDefault(), TrendRecord::kNumberFlagsOff);
        }
    }

    void passwordInverted_data() {
        QTest::addColumn<bool>("inverted");
        QTest::newRow("off") << false;
        QTest::newRow("on") << true;
    }
    void passwordInverted() {
        QFETCH(bool, inverted);
        PaneRig<CPwdProperty> rig;
        rig.load(PasswordRecord::makeDefault());
        imagepanekit::setChecked(rig.pane, "Inverted", inverted);
        QVERIFY(rig.pane.apply());
        QCOMPARE(int(rig.working<PasswordRecord>().bytes[6]), int(inverted));
    }
};

QTEST_MAIN(NumberPanesOptionsTest)
#include "NumberPanesOptionsTest.moc"
