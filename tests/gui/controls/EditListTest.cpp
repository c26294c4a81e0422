// Guards the Modbus table's list against storing what the user discarded, storing into the
// wrong cell, opening an editor over a locked column, showing the drop-down list without the
// cell's text chosen, deleting another row than the marked one, and numbering appended rows
// from anything but the row count.

#include "ListTestHelpers.h"
#include "controls/CEditList.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

using zorv::CEditList;
using zorv::testing::belowRows;
using zorv::testing::cellCentre;

namespace {

const QStringList kTypes{"Communication alarm", "Single Writing",   "Cyclic Writing",
                         "Single reading",      "Circular reading", "Reading Status"};

// The Modbus table's columns: a locked number, a drop-down type and three edit boxes.
struct Window {
    QWidget widget;
    CEditList* list = new CEditList;
    QLineEdit* other = new QLineEdit;

    Window() {
        auto* layout = new QVBoxLayout(&widget);
        layout->addWidget(list);
        layout->addWidget(other);
        list->setColumns({"Serial number", "Operation Type", "Device address unit",
                          "Instruction address", "SoftAddr"},
                         {40, 75, 90, 65, 65});
        list->setEditorKinds([](int column) {
            return column == 0   ? CEditList::NotEditable
                   : column == 1 ? CEditList::DropDown
                                 : CEditList::EditBox;
        });
        list->setChoices(kTypes);
        for (int row = 0; row < 3; ++row) {
            list->insertRow(row);
            const QStringList cells{QString::asprintf("%02d", row + 1), kTypes.at(row + 1),
                                    QString("D%1").arg(row + 1), "0x0000", "D0"};
            for (int column = 0; column < cells.size(); ++column)
                list->setCellText(row, column, cells.at(column));
        }
        widget.resize(420, 300);
    }
};

using Stores = QList<QList<QVariant>>;

} // namespace

class EditListTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { window_.reset(); }

    void clickOpensEditBoxOverCell();
    void editBoxAlignsLikeColumn();
    void editBoxEnds_data();
    void editBoxEnds();
    void clickOnOtherCellStoresAndMovesOn();
    void lockedColumnOpensNothing();
    void dropDownOpensWithCellText();
    void dropDownChoiceStored();
    void dropDownEscDiscards();
    void deleteRemovesMarkedRow();
    void doubleClickBelowAppendsNumberedRow();

private:
    void clickCell(int row, int column) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cellCentre(*list(), row, column));
    }
    CEditList* list() { return window_->list; }
    QLineEdit* editBox() { return qobject_cast<QLineEdit*>(list()->editor()); }
    QComboBox* dropDown() { return qobject_cast<QComboBox*>(list()->editor()); }

    std::unique_ptr<Window> window_;
};

void EditListTest::init() {
    window_ = std::make_unique<Window>();
    QVERIFY(zorv::testing::showActive(window_->widget));
}

void EditListTest::clickOpensEditBoxOverCell() {
    clickCell(1, 2);
    QVERIFY(list()->isEditing());
    QVERIFY(editBox());
    QVERIFY(editBox()->hasFocus());
    QCOMPARE(editBox()->text(), QString("D2"));
    QCOMPARE(editBox()->selectedText(), QString("D2"));
    const QRect cell = list()->visualItemRect(list()->item(1, 2));
    QCOMPARE(editBox()->geometry(), cell);
}

void EditListTest::editBoxAlignsLikeColumn() {
    list()->item(0, 3)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    clickCell(0, 3);
    QCOMPARE(editBox()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QTest::keyClick(editBox(), Qt::Key_Escape);
    clickCell(0, 4);
    QCOMPARE(editBox()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

void EditListTest::editBoxEnds_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("stored");
    QTest::newRow("Enter") << "enter" << true;
    QTest::newRow("Esc") << "escape" << false;
    QTest::newRow("click elsewhere") << "focus" << true;
}

void EditListTest::editBoxEnds() {
    QFETCH(QString, how);
    QFETCH(bool, stored);
    QSignalSpy stores(list(), &CEditList::cellTextStored);
    clickCell(2, 4);
    QTest::keyClicks(editBox(), "D100");
    if (how == "enter")
        QTest::keyClick(editBox(), Qt::Key_Return);
    else if (how == "escape")
        QTest::keyClick(editBox(), Qt::Key_Escape);
    else
        QTest::mouseClick(window_->other, Qt::LeftButton);
    QVERIFY(!list()->isEditing());
    QCOMPARE(list()->editor(), nullptr);
    QCOMPARE(list()->cellText(2, 4), stored ? QString("D100") : QString("D0"));
    QCOMPARE(Stores(stores), (stored ? Stores{{2, 4, "D100"}} : Stores{}));
}

void EditListTest::clickOnOtherCellStoresAndMovesOn() {
    QSignalSpy stores(list(), &CEditList::cellTextStored);
    clickCell(0, 3);
    QTest::keyClicks(editBox(), "0x10");
    clickCell(1, 3);
    QCOMPARE(list()->cellText(0, 3), QString("0x10"));
    QCOMPARE(Stores(stores), (Stores{{0, 3, "0x10"}}));
    QVERIFY(editBox());
    QCOMPARE(editBox()->geometry(), list()->visualItemRect(list()->item(1, 3)));
    QCOMPARE(editBox()->text(), QString("0x0000"));
}

void EditListTest::lockedColumnOpensNothing() {
    clickCell(1, 0);
    QVERIFY(!list()->isEditing());
    QCOMPARE(list()->editor(), nullptr);
    QCOMPARE(list()->selectedRow(), 1);
}

void EditListTest::dropDownOpensWithCellText() {
    clickCell(2, 1);
    QVERIFY(dropDown());
    QCOMPARE(dropDown()->count(), kTypes.size());
    QCOMPARE(dropDown()->currentText(), QString("Single reading"));
    QVERIFY(dropDown()->view()->isVisible());
    QCOMPARE(dropDown()->view()->currentIndex().row(), 3);
    QCOMPARE(dropDown()->geometry(), list()->visualItemRect(list()->item(2, 1)));
}

void EditListTest::dropDownChoiceStored() {
    QSignalSpy stores(list(), &CEditList::cellTextStored);
    clickCell(0, 1);
    QAbstractItemView* choices = dropDown()->view();
    QTest::keyClick(choices, Qt::Key_Down);
    QTest::keyClick(choices, Qt::Key_Return);
    QVERIFY(!list()->isEditing());
    QCOMPARE(list()->cellText(0, 1), QString("Cyclic Writing"));
    QCOMPARE(Stores(stores), (Stores{{0, 1, "Cyclic Writing"}}));
    QVERIFY(list()->hasFocus());
}

void EditListTest::dropDownEscDiscards() {
    QSignalSpy stores(list(), &CEditList::cellTextStored);
    clickCell(0, 1);
    QAbstractItemView* choices = dropDown()->view();
    QTest::keyClick(choices, Qt::Key_Down);
    QTest::keyClick(choices, Qt::Key_Escape);
    QVERIFY(!list()->isEditing());
    QVERIFY(!choices->isVisible());
    QCOMPARE(list()->cellText(0, 1), QString("Single Writing"));
    QCOMPARE(stores.size(), 0);
}

void EditListTest::deleteRemovesMarkedRow() {
    QSignalSpy deleted(list(), &CEditList::rowDeleted);
    clickCell(1, 0);
    QTest::keyClick(list(), Qt::Key_Delete);
    QCOMPARE(Stores(deleted), (Stores{{1}}));
    // Rows keep their numbers.
    QCOMPARE(list()->rowCount(), 2);
    QCOMPARE(list()->cellText(0, 0), QString("01"));
    QCOMPARE(list()->cellText(1, 0), QString("03"));
}

void EditListTest::doubleClickBelowAppendsNumberedRow() {
    QSignalSpy appended(list(), &CEditList::rowAppended);
    // The row numbers follow the row count, also after a deletion.
    list()->removeRow(0);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, belowRows(*list()));
    QCOMPARE(Stores(appended), (Stores{{2}}));
    QCOMPARE(list()->rowCount(), 3);
    QCOMPARE(list()->cellText(2, 0), QString("03"));
    QCOMPARE(list()->cellText(2, 1), QString());
    QCOMPARE(list()->selectedRow(), 2);
    // A double click on a row appends nothing.
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, cellCentre(*list(), 0, 0));
    QCOMPARE(list()->rowCount(), 3);
}

QTEST_MAIN(EditListTest)
#include "EditListTest.moc"
