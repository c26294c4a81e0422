// New Page and Copy Page as the user types into them: a number past 65535 is named and kept as
// typed, not cut by a digit behind the user's back; the dialog stays open until it is mended.

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editor/CPageCopyDlg.h"
#include "editor/CPageNewDlg.h"
#include "model/EditorViewRules.h"
#include "platform/ScriptedPrompt.h"

using namespace zorv;

class PageNumberDlgTest : public QObject {
    Q_OBJECT
private slots:
    void numberPastTheRangeIsNamed();
    void copyPageRefusesAnEmptyNumber();

private:
    static void clickOk(QDialog& dialog) {
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
    static void retype(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
};

void PageNumberDlgTest::numberPastTheRangeIsNamed() {
    ScriptedPrompt prompt;
    CPageNewDlg dialog(3, prompt);
    dialog.show();
    QCOMPARE(dialog.numberBox()->text(), QString("3"));
    retype(dialog.numberBox(), "70000");
    QCOMPARE(dialog.numberBox()->text(), QString("70000"));
    clickOk(dialog);
    QCOMPARE(prompt.texts, std::vector<std::string>{viewmsg::kPageNumberRange});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.numberBox()->text(), QString("70000"));
    // Letters are not taken at all; the largest number is.
    retype(dialog.numberBox(), "6x5535");
    QCOMPARE(dialog.numberBox()->text(), QString("65535"));
    clickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.number(), 65535);
    QCOMPARE(prompt.texts.size(), std::size_t(1));
}

void PageNumberDlgTest::copyPageRefusesAnEmptyNumber() {
    ScriptedPrompt prompt;
    CPageCopyDlg dialog(1, 2, prompt);
    dialog.show();
    retype(dialog.numberBox(), "");
    clickOk(dialog);
    QCOMPARE(prompt.texts, std::vector<std::string>{viewmsg::kPageNumberRange});
    QVERIFY(dialog.isVisible());
    retype(dialog.numberBox(), "0");
    clickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.number(), 0);
}

QTEST_MAIN(PageNumberDlgTest)
#include "PageNumberDlgTest.moc"
