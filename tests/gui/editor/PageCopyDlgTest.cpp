// Copy Page for another station as the user fills it in: guards against a plain copy that is no
// longer the default, shifts asked for but not handed on (or handed on while switched off), the
// modes left on where they mean nothing, and an unreadable page list that closes the dialog.

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "editor/CPageCopyDlg.h"
#include "platform/ScriptedPrompt.h"

using namespace zorv;

class PageCopyDlgTest : public QObject {
    Q_OBJECT
private slots:
    void plainCopyIsTheDefault();
    void stationCopyHandsOnItsSetAndShifts();
};

void PageCopyDlgTest::plainCopyIsTheDefault() {
    ScriptedPrompt prompt;
    CPageCopyDlg dialog(10, 11, prompt);
    dialog.show();
    const PageChoice c = dialog.choice();
    QVERIFY(c.plainCopy());
    QCOMPARE(c.number, 11);
    QVERIFY(c.mode == PlaceMode::Cover);
    QVERIFY(dialog.coverButton()->isEnabled());
    // Offsets typed with the shift switched off move nothing.
    dialog.shiftBox("D")->setValue(10);
    QVERIFY(dialog.choice().plainCopy());
}

void PageCopyDlgTest::stationCopyHandsOnItsSetAndShifts() {
    ScriptedPrompt prompt;
    CPageCopyDlg dialog(10, 20, prompt);
    dialog.show();
    QTest::keyClicks(dialog.withPagesBox(), "x");
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    QCOMPARE(prompt.texts, std::vector<std::string>{"\"x\" is no page number or run of pages."});
    QVERIFY(dialog.isVisible());

    dialog.withPagesBox()->setText("10, 11-12");
    dialog.copiesBox()->setValue(3);
    dialog.shiftGroup()->setChecked(true);
    dialog.shiftBox("D")->setValue(10);
    dialog.shiftBox("M")->setValue(16);
    const PageChoice c = dialog.choice();
    QCOMPARE(c.withPages, (std::vector<uint16_t>{11, 12})); // the source is the set's own
    QCOMPARE(c.copies, 3);
    QCOMPARE(c.shifts.size(), std::size_t(2));
    QCOMPARE(int(c.shifts[1].type), int(RegisterType::M));
    QCOMPARE(c.shifts[1].offset, 16);
    QVERIFY(!dialog.coverButton()->isEnabled());
    QVERIFY(dialog.summary()->text().contains("copy 3: pages 40, 41, 42; D +30, M +48"));
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

QTEST_MAIN(PageCopyDlgTest)
#include "PageCopyDlgTest.moc"
