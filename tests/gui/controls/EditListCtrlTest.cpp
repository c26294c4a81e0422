// Guards the editable list of the alarm and language tables against losing or misplacing what
// the user types: an edit stored into the wrong cell, or stored when it was cancelled, Tab
// walking into a locked column or off the rows, Delete reporting the wrong row or number, and
// rows added where the user did not ask.

#include "ListTestHelpers.h"
#include "controls/CEditListCtrl.h"
#include "controls/CListCtrlEdit.h"
#include "controls/CellWalk.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

using zorv::CEditListCtrl;
using zorv::testing::belowRows;
using zorv::testing::cellCentre;

namespace {

// A window with a three-column list of three rows and a box to move the focus to.
struct Window {
    QWidget widget;
    CEditListCtrl* list = new CEditListCtrl;
    QLineEdit* other = new QLineEdit;

    Window() {
        auto* layout = new QVBoxLayout(&widget);
        layout->addWidget(list);
        layout->addWidget(other);
        list->setColumns({"Parameter values", "Language1", "Language2"}, {120, 120, 120});
        for (int row = 0; row < 3; ++row) {
            list->insertEmptyRow(row);
            for (int column = 0; column < 3; ++column)
                list->setCellText(row, column, QString("r%1c%2").arg(row).arg(column));
        }
        widget.resize(420, 300);
    }
};

using Edits = QList<QList<QVariant>>;

} // namespace

class EditListCtrlTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { window_.reset(); }

    void doubleClickOpensEditorOverCell();
    void lockedColumnOpensNothing();
    void endingTheEdit_data();
    void endingTheEdit();
    void tabWalks_data();
    void tabWalks();
    void deleteReportsRowAndNumber_data();
    void deleteReportsRowAndNumber();
    void deleteWithoutSelection();
    void insertAtSelectedRow();
    void keyboardAlone();
    void doubleClickBelowRows();
    void numberOnlyColumn();
    void editorWidensUpToList();
    void removedRowEndsEdit();
    void leadingNumber_data();
    void leadingNumber();

private:
    void doubleClickCell(int row, int column) {
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {},
                           cellCentre(*list(), row, column));
    }
    CEditListCtrl* list() { return window_->list; }

    std::unique_ptr<Window> window_;
};

void EditListCtrlTest::init() {
    window_ = std::make_unique<Window>();
    QVERIFY(zorv::testing::showActive(window_->widget));
}

void EditListCtrlTest::doubleClickOpensEditorOverCell() {
    doubleClickCell(1, 2);
    QVERIFY(list()->isEditing());
    QCOMPARE(list()->editRow(), 1);
    QCOMPARE(list()->editColumn(), 2);
    QCOMPARE(list()->selectedRow(), 1);
    zorv::CListCtrlEdit* editor = list()->editor();
    QVERIFY(editor->hasFocus());
    QCOMPARE(editor->text(), QString("r1c2"));
    QCOMPARE(editor->selectedText(), QString("r1c2"));
    const QRect cell = list()->visualItemRect(list()->item(1, 2));
    QCOMPARE(editor->geometry().topLeft(), cell.topLeft());
    QCOMPARE(editor->height(), cell.height());
    QCOMPARE(editor->width(), cell.width());
}

void EditListCtrlTest::lockedColumnOpensNothing() {
    list()->setEditableColumns(0b110);
    doubleClickCell(1, 0);
    QVERIFY(!list()->isEditing());
    QVERIFY(!list()->editor()->isVisible());
}

void EditListCtrlTest::endingTheEdit_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("stored");
    QTest::newRow("Enter") << "enter" << true;
    QTest::newRow("Esc") << "escape" << false;
    QTest::newRow("focus lost") << "focus" << true;
    QTest::newRow("header click") << "header" << false;
}

void EditListCtrlTest::endingTheEdit() {
    QFETCH(QString, how);
    QFETCH(bool, stored);
    QSignalSpy edited(list(), &CEditListCtrl::cellTextEdited);
    doubleClickCell(2, 1);
    QTest::keyClicks(list()->editor(), "ab");
    if (how == "enter") {
        QTest::keyClick(list()->editor(), Qt::Key_Return);
    } else if (how == "escape") {
        QTest::keyClick(list()->editor(), Qt::Key_Escape);
    } else if (how == "focus") {
        window_->other->setFocus(Qt::MouseFocusReason);
    } else {
        QHeaderView* header = list()->horizontalHeader();
        const QPoint title(header->sectionViewportPosition(0) + 20, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, title);
    }
    QVERIFY(!list()->isEditing());
    QVERIFY(!list()->editor()->isVisible());
    QCOMPARE(list()->cellText(2, 1), stored ? QString("ab") : QString("r2c1"));
    // One signal per change of the text, one more at the end, committed or not.
    const Edits expected{{2, 1, "a"}, {2, 1, "ab"}, {2, 1, "ab"}};
    QCOMPARE(Edits(edited), expected);
    if (how != "focus")
        QVERIFY(list()->hasFocus());
}

void EditListCtrlTest::tabWalks_data() {
    QTest::addColumn<uint>("editable");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("startColumn");
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("row"); // -1: no editor left open
    QTest::addColumn<int>("column");

    QTest::newRow("along the row") << 0b111u << 0 << 0 << 1 << 0 << 1;
    QTest::newRow("on to the next row") << 0b111u << 0 << 2 << 1 << 1 << 0;
    QTest::newRow("skips locked first column") << 0b110u << 0 << 2 << 1 << 1 << 1;
    QTest::newRow("three steps") << 0b110u << 0 << 1 << 3 << 1 << 2;
    QTest::newRow("ends after last cell") << 0b111u << 2 << 2 << 1 << -1 << -1;
    QTest::newRow("only column walks down") << 0b010u << 0 << 1 << 2 << 2 << 1;
}

void EditListCtrlTest::tabWalks() {
    QFETCH(uint, editable);
    QFETCH(int, startRow);
    QFETCH(int, startColumn);
    QFETCH(int, tabs);
    QFETCH(int, row);
    QFETCH(int, column);
    list()->setEditableColumns(editable);
    QSignalSpy edited(list(), &CEditListCtrl::cellTextEdited);
    doubleClickCell(startRow, startColumn);
    QTest::keyClicks(list()->editor(), "x");
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(list()->editor(), Qt::Key_Tab);
    // Tab stores the text it leaves.
    QCOMPARE(list()->cellText(startRow, startColumn), QString("x"));
    QCOMPARE(edited.at(1), (QList<QVariant>{startRow, startColumn, "x"}));
    QCOMPARE(list()->editRow(), row);
    QCOMPARE(list()->editColumn(), column);
    if (row >= 0) {
        QCOMPARE(list()->selectedRow(), row);
        QVERIFY(list()->editor()->hasFocus());
        QCOMPARE(list()->editor()->geometry().topLeft(),
                 list()->visualItemRect(list()->item(row, column)).topLeft());
    }
}

void EditListCtrlTest::deleteReportsRowAndNumber_data() {
    QTest::addColumn<QString>("firstCell");
    QTest::addColumn<int>("number");
    QTest::newRow("number") << "12" << 12;
    QTest::newRow("number and text") << "7 bar" << 7;
    QTest::newRow("blanks and sign") << "  -3" << -3;
    QTest::newRow("coil name") << "M100" << 0;
    QTest::newRow("empty") << "" << 0;
}

void EditListCtrlTest::deleteReportsRowAndNumber() {
    QFETCH(QString, firstCell);
    QFETCH(int, number);
    list()->setCellText(1, 0, firstCell);
    QSignalSpy deleted(list(), &CEditListCtrl::rowDeleted);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cellCentre(*list(), 1, 1));
    QVERIFY(list()->hasFocus());
    QTest::keyClick(list(), Qt::Key_Delete);
    QCOMPARE(deleted.size(), 1);
    QCOMPARE(deleted.at(0), (QList<QVariant>{1, number}));
    QCOMPARE(list()->rowCount(), 2);
    QCOMPARE(list()->cellText(1, 1), QString("r2c1"));
}

void EditListCtrlTest::deleteWithoutSelection() {
    QSignalSpy deleted(list(), &CEditListCtrl::rowDeleted);
    list()->setFocus();
    list()->clearSelection();
    QTest::keyClick(list(), Qt::Key_Delete);
    QCOMPARE(deleted.size(), 0);
    QCOMPARE(list()->rowCount(), 3);
}

void EditListCtrlTest::insertAtSelectedRow() {
    QSignalSpy inserted(list(), &CEditListCtrl::rowInserted);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cellCentre(*list(), 1, 0));
    QTest::keyClick(list(), Qt::Key_Insert);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted.at(0).at(0).toInt(), 1);
    QCOMPARE(list()->rowCount(), 4);
    QCOMPARE(list()->cellText(1, 0), QString());
    QCOMPARE(list()->cellText(2, 0), QString("r1c0"));
    QCOMPARE(list()->selectedRow(), 1);
}

void EditListCtrlTest::keyboardAlone() {
    list()->setFocus();
    list()->setCurrentCell(1, 0);
    // F2 opens the current cell as it is.
    QTest::keyClick(list(), Qt::Key_F2);
    QVERIFY(list()->isEditing());
    QCOMPARE(list()->editor()->text(), QString("r1c0"));
    // Tab stores it and walks on to the next cell.
    QTest::keyClicks(list()->editor(), "x");
    QTest::keyClick(list()->editor(), Qt::Key_Tab);
    QCOMPARE(list()->cellText(1, 0), QString("x"));
    QCOMPARE(list()->editColumn(), 1);
    QTest::keyClick(list()->editor(), Qt::Key_Escape);
    QVERIFY(!list()->isEditing());
    // An arrow moves on; a typed character replaces the cell's text.
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClicks(list(), "7");
    QVERIFY(list()->isEditing());
    QCOMPARE(list()->editRow(), 2);
    QCOMPARE(list()->editor()->text(), QString("7"));
    const int column = list()->editColumn();
    QTest::keyClick(list()->editor(), Qt::Key_Return);
    QCOMPARE(list()->cellText(2, column), QString("7"));
    // Insert opens the new row's first cell.
    QTest::keyClick(list(), Qt::Key_Insert);
    QVERIFY(list()->isEditing());
    QCOMPARE(list()->editColumn(), 0);
}

void EditListCtrlTest::doubleClickBelowRows() {
    QSignalSpy inserted(list(), &CEditListCtrl::rowInserted);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, belowRows(*list()));
    QCOMPARE(list()->rowCount(), 4);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted.at(0).at(0).toInt(), 3);
    QCOMPARE(list()->selectedRow(), 3);
    // The new row is typed into at once, and Enter stores what was typed.
    QVERIFY(list()->isEditing());
    QCOMPARE(list()->editRow(), 3);
    QTest::keyClicks(list()->editor(), "new");
    QTest::keyClick(list()->editor(), Qt::Key_Return);
    QCOMPARE(list()->cellText(3, 0), QString("new"));

    list()->setAppendOnDoubleClick(false);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, belowRows(*list()));
    QCOMPARE(list()->rowCount(), 4);
    QCOMPARE(inserted.size(), 1);
}

void EditListCtrlTest::numberOnlyColumn() {
    list()->setNumberColumns(0b001);
    doubleClickCell(0, 0);
    QTest::keyClicks(list()->editor(), "1a-2 ");
    QCOMPARE(list()->editor()->text(), QString("12"));
    QTest::keyClick(list()->editor(), Qt::Key_Tab);
    QCOMPARE(list()->cellText(0, 0), QString("12"));
    // The next column takes any text.
    QTest::keyClicks(list()->editor(), "a1");
    QCOMPARE(list()->editor()->text(), QString("a1"));
}

void EditListCtrlTest::editorWidensUpToList() {
    doubleClickCell(0, 1);
    const QRect cell = list()->visualItemRect(list()->item(0, 1));
    const int room = list()->viewport()->width() - cell.left();
    QTest::keyClicks(list()->editor(), QString(12, u'W'));
    const int wider = list()->editor()->width();
    QVERIFY(wider > cell.width());
    QVERIFY(wider <= room);
    QTest::keyClicks(list()->editor(), QString(60, u'W'));
    QCOMPARE(list()->editor()->width(), room);
    QCOMPARE(list()->editor()->height(), cell.height());
}

void EditListCtrlTest::removedRowEndsEdit() {
    doubleClickCell(1, 1);
    QTest::keyClicks(list()->editor(), "gone");
    list()->removeRow(1);
    QVERIFY(!list()->isEditing());
    QVERIFY(!list()->editor()->isVisible());
    QCOMPARE(list()->cellText(1, 1), QString("r2c1"));
}

void EditListCtrlTest::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("plus sign") << "+5" << 5;
    QTest::newRow("too large") << "99999999999" << INT_MAX;
    QTest::newRow("too small") << "-99999999999" << INT_MIN;
    QTest::newRow("sign alone") << "-" << 0;
}

void EditListCtrlTest::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(zorv::cellwalk::leadingNumber(text.toStdString()), number);
}

QTEST_MAIN(EditListCtrlTest)
#include "EditListCtrlTest.moc"
