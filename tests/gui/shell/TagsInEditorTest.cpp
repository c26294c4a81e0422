// Toolbars > Tags... through the real main window: guards against a list whose columns are not
// the tag file's taken without asking which columns hold what, a refused list that changes the
// table or does not name its faulty lines, a faulty cell that loses its typing or lets OK through,
// and a confirmed table that is not one edit Undo takes back.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "AppFixture.h"
#include "editor/CTagColumnsDlg.h"
#include "editor/CTagsDlg.h"
#include "model/CZorvEditorDoc.h"
#include "tests/gui/ModalSteps.h"

using namespace zorv;

namespace {

QStringList rowsOf(const QTableWidget& table) {
    QStringList rows;
    for (int row = 0; row < table.rowCount(); ++row)
        rows << table.item(row, 0)->text() + "|" + table.item(row, 1)->text() + "|" +
                    table.item(row, 2)->text();
    return rows;
}

// Types into a cell as the user does: the key starts the cell's editor, Return ends it.
void typeCell(QTableWidget& table, int row, int column, const QString& text) {
    table.setFocus();
    table.setCurrentCell(row, column);
    table.editItem(table.item(row, column));
    // The editor of the cell before goes once the events are seen.
    QCoreApplication::processEvents();
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && table.viewport()->isAncestorOf(editor));
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the cell takes the typing
}

} // namespace

class TagsInEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        fixture_ = std::make_unique<AppFixture>();
        QVERIFY(fixture_->app.start({}, false));
    }
    void cleanup() {
        test::dropPendingModalSteps();
        fixture_.reset();
    }

    void importWithChosenColumnsIsOneEdit() {
        CZorvEditorDoc& doc = fixture_->app.document();
        fixture_->files.answers = {file("plc.csv", "Address,Symbol,Remark\n"
                                                   "D100,Batch count,pieces\n"
                                                   "M5,Mixer running,\n")};
        QString guessed;
        bool asked = false;
        test::whenModal<CTagsDlg>([&](CTagsDlg& dialog) {
            test::whenModal<CTagColumnsDlg>(
                [&](CTagColumnsDlg& columns) {
                    guessed = columns.nameColumn()->currentText() + "|" +
                              columns.registerColumn()->currentText() + "|" +
                              columns.commentColumn()->currentText() + "|" +
                              (columns.headerBox()->isChecked() ? "header" : "");
                    columns.accept();
                },
                &asked);
            QTest::mouseClick(dialog.importButton(), Qt::LeftButton);
            QCOMPARE(rowsOf(*dialog.table()),
                     (QStringList{"Batch count|D100|pieces", "Mixer running|M5|"}));
            dialog.accept();
        });
        action(CommandId::ToolTags)->trigger();
        QVERIFY(asked);
        QCOMPARE(guessed, QString("2: Symbol|1: Address|3: Remark|header"));
        QCOMPARE(doc.tags().size(), std::size_t(2));
        QCOMPARE(doc.tags().find("batch count")->reg,
                 (RegisterRef{1, uint8_t(RegisterType::D), 100}));
        QVERIFY(doc.modified());

        action(CommandId::EditUndo)->trigger();
        QVERIFY(doc.tags().empty());
        QVERIFY(!doc.modified());
        action(CommandId::EditRedo)->trigger();
        QCOMPARE(doc.tags().size(), std::size_t(2));
    }

    void refusedListChangesNothing() {
        TagTable tags;
        tags.add({"Pump", {1, uint8_t(RegisterType::D), 1}, ""});
        fixture_->files.answers = {file("bad.csv", "name,register,comment\n"
                                                   "Valve,D2,\n"
                                                   "valve,D3,\n"
                                                   "Heater,Q12,\n")};
        CTagsDlg dialog(tags, fixture_->prompt, fixture_->files, nullptr);
        bool asked = false;
        test::whenModal<CTagColumnsDlg>([](CTagColumnsDlg& columns) { columns.reject(); }, &asked);
        QTest::mouseClick(dialog.importButton(), Qt::LeftButton);
        QVERIFY(!asked); // the tag file's own header needs no choice
        QCOMPARE(fixture_->prompt.texts,
                 std::vector<std::string>{"The tags cannot be imported; the table is as it was:\n"
                                          "line 3: duplicate name \"Valve\" (also on line 2)\n"
                                          "line 4: unreadable register \"Q12\""});
        QCOMPARE(rowsOf(*dialog.table()), QStringList{"Pump|D1|"});
    }

    void faultyCellKeepsItsTyping() {
        TagTable tags;
        tags.add({"Pump", {1, uint8_t(RegisterType::D), 1}, ""});
        CTagsDlg dialog(tags, fixture_->prompt, fixture_->files, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTableWidget& table = *dialog.table();
        dialog.addRow();
        typeCell(table, 1, CTagsDlg::NameColumn, "pump");
        typeCell(table, 1, CTagsDlg::RegisterColumn, "Q7");
        QCOMPARE(table.item(1, CTagsDlg::RegisterColumn)->text(), QString("Q7"));
        QCOMPARE(table.item(1, CTagsDlg::NameColumn)->toolTip(),
                 QString("duplicate name \"Pump\" (also in row 1)"));
        QCOMPARE(dialog.note()->text(), QString("Row 2: unreadable register \"Q7\" (and 1 more)"));

        dialog.accept();
        QVERIFY(dialog.isVisible());
        QCOMPARE(fixture_->prompt.texts.size(), std::size_t(1));
        typeCell(table, 1, CTagsDlg::NameColumn, "Pump 2");
        typeCell(table, 1, CTagsDlg::RegisterColumn, "2:d7");
        QVERIFY(dialog.note()->text().isEmpty());
        QVERIFY(dialog.isVisible()); // Return ended the typing, not the dialog
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.tags().find("Pump 2")->reg, (RegisterRef{2, uint8_t(RegisterType::D), 7}));
    }

private:
    QAction* action(CommandId id) { return fixture_->app.actions().action(id); }
    QString file(const QString& name, const QByteArray& content) {
        const QString path = fixture_->work.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return path;
    }

    std::unique_ptr<AppFixture> fixture_;
};

QTEST_MAIN(TagsInEditorTest)
#include "TagsInEditorTest.moc"
