// The register fields of the panes as the user types a tag into them: a tag name (in any case)
// that does not store its tag's station, letter and address, completions that miss a tag or
// offer one that does not start with the typing, the tag label beside the field not naming the
// register shown, and a name that is no tag, or a tag on a register the field does not take,
// stored all the same, or refused without the typing kept and the note at the field.
#include <QCompleter>
#include <QtTest>

#include "ImagePaneKit.h"
#include "model/tags/TagTable.h"
#include "panes/CLedProperty.h"
#include "panes/CRegisterProperty.h"
#include "panes/FieldHint.h"
#include "tests/gui/FieldKit.h"

using namespace zorv;
using namespace imagepanekit;
using test::namedField;

namespace {

TagTable plantTags() {
    TagTable tags;
    tags.add({"Batch count", {2, uint8_t(RegisterType::D), 100}, "pieces in the batch"});
    tags.add({"Start button", {1, uint8_t(RegisterType::X), 017}, ""});
    tags.add({"Bay lamp", {1, uint8_t(RegisterType::M), 5}, ""});
    return tags;
}

template <class P> void giveTags(PaneRig<P>& rig, const TagTable& tags) {
    PaneContext context = rig.pane.context();
    context.tags = &tags;
    rig.pane.setContext(context);
}

QLabel* tagLabel(QWidget& pane) {
    return pane.findChild<QLabel*>("registerTag");
}

} // namespace

class RegisterNamePaneTest : public QObject {
    Q_OBJECT
private slots:
    void tagNameStoresItsRegister() {
        const TagTable tags = plantTags();
        PaneRig<CLedProperty> rig;
        giveTags(rig, tags);
        rig.load(LedRecord::makeDefault());
        QLineEdit* address = namedField(rig.pane, "Address");
        QVERIFY(address);
        QVERIFY(!tagLabel(rig.pane)->isVisibleTo(&rig.pane)); // M0 has no tag

        address->setFocus();
        retype(address, "ba");
        QCompleter* completer = address->completer();
        QStringList offered;
        for (int row = 0; completer->setCurrentRow(row); ++row)
            offered << completer->currentCompletion();
        QCOMPARE(offered, (QStringList{"Batch count", "Bay lamp"}));

        retype(address, "BATCH COUNT");
        pressEnter(rig.pane);
        const RegisterRef stored = rig.working<LedRecord>().reg();
        QCOMPARE(stored, (RegisterRef{2, uint8_t(RegisterType::D), 100}));
        QCOMPARE(address->text(), QString("100"));
        QCOMPARE(list(rig.pane, "Register type")->currentText(), QString("D"));
        QCOMPARE(tagLabel(rig.pane)->text(), QString("Batch count"));
        QVERIFY(tagLabel(rig.pane)->isVisibleTo(&rig.pane));

        // A register written out is taken as well; its tag shows beside it.
        retype(address, "x17");
        pressEnter(rig.pane);
        QCOMPARE(rig.working<LedRecord>().reg(), (RegisterRef{1, uint8_t(RegisterType::X), 017}));
        QCOMPARE(tagLabel(rig.pane)->text(), QString("Start button"));
        QVERIFY(rig.prompt.texts.empty());
    }

    void unknownNameRefusedAtTheField() {
        const TagTable tags = plantTags();
        PaneRig<CRegisterProperty> rig;
        giveTags(rig, tags);
        rig.load(RegisterRecord::makeDefault());
        const RegisterRef before = rig.working<RegisterRecord>().reg();
        QLineEdit* address = namedField(rig.pane, "Register address");
        QVERIFY(address);
        FieldHint& hint = rig.pane.hint();

        const std::pair<QString, QString> refused[] = {
            {"Batch cont", "No tag is named \"Batch cont\""},
            // The register pane shows D and M registers only.
            {"Start button", "\"Start button\" (X17): this field takes D and M registers only"},
        };
        for (const auto& [typed, note] : refused) {
            address->setFocus();
            retype(address, typed);
            QVERIFY(!rig.pane.apply());
            QCOMPARE(address->text(), typed);
            QVERIFY(hint.isVisible());
            QCOMPARE(hint.field(), address);
            QCOMPARE(hint.text(), note);
            QCOMPARE(rig.working<RegisterRecord>().reg(), before);
        }
        retype(address, "Bay lamp");
        QVERIFY(rig.pane.apply());
        QVERIFY(!hint.isVisible());
        QCOMPARE(rig.working<RegisterRecord>().reg(),
                 (RegisterRef{1, uint8_t(RegisterType::M), 5}));
        QVERIFY(rig.prompt.texts.empty());
    }
};

QTEST_MAIN(RegisterNamePaneTest)
#include "RegisterNamePaneTest.moc"
