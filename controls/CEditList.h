#pragma once
// A list whose cells are edited in place with an edit box (CEditItem) or a drop-down list of the
// owner's strings (CComboItem), used by the Modbus table. A click on a cell opens its editor;
// Enter or a click elsewhere stores the text, Esc discards it. Delete removes the row at the
// selection mark; a double click below the rows appends a row whose first cell is "%02d" of the
// new row count.

#include <QPersistentModelIndex>
#include <QStringList>
#include <QTableWidget>
#include <functional>

namespace zorv {

class CComboItem;
class CEditItem;

class CEditList : public QTableWidget {
    Q_OBJECT
public:
    enum EditorKind { EditBox = 0, DropDown = 1, NotEditable = 2 };

    explicit CEditList(QWidget* parent = nullptr);

    void setColumns(const QStringList& titles, const QList<int>& widths);
    // The editor of each column: 0 edit box, 1 drop-down list of `choices`, other values none.
    void setEditorKinds(std::function<int(int column)> kindOf) { kindOf_ = std::move(kindOf); }
    void setChoices(const QStringList& choices) { choices_ = choices; }

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);
    int selectedRow() const;

    bool isEditing() const;
    void openEditor(int row, int column);
    void endEdit(bool commit);
    // The open editor widget (a QLineEdit or a QComboBox), or nullptr.
    QWidget* editor() const;

signals:
    // A cell's text was stored by its editor.
    void cellTextStored(int row, int column, const QString& text);
    // A row was appended by a double click below the rows; its first cell already holds "%02d".
    void rowAppended(int row);
    // The row at the selection mark was deleted by the Delete key.
    void rowDeleted(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int editorKind(int column) const;
    // Ends the edit as the user asked and gives the focus back to the list.
    void finishFromEditor(bool commit);
    void placeEditor();

    std::function<int(int column)> kindOf_;
    QStringList choices_;
    CEditItem* editItem_ = nullptr;
    CComboItem* comboItem_ = nullptr;
    QPersistentModelIndex editCell_;
};

} // namespace zorv
