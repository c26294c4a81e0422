#pragma once
// A list whose cells are edited in place (CListCtrlEdit), used by the alarm list, the language
// table and the text, menu and alarm property panes. A double click on an editable cell, F2 on
// the current cell or a character typed on it opens the editor; Enter or losing the focus commits,
// Esc cancels, Tab commits and walks on to the next editable cell (on to the next row, which it
// selects); a click on the header hides the editor without storing its text. Delete removes the
// selected row; Insert inserts an empty row there and a double click below the rows appends
// one, each with the editor open on its first editable cell.

#include <QPersistentModelIndex>
#include <QTableWidget>
#include <cstdint>

namespace zorv {

class CListCtrlEdit;

class CEditListCtrl : public QTableWidget {
    Q_OBJECT
public:
    explicit CEditListCtrl(QWidget* parent = nullptr);

    // Column titles and widths in pixels.
    void setColumns(const QStringList& titles, const QList<int>& widths);
    // Bit n for column n: editable columns (all by default), number-only columns (none).
    void setEditableColumns(uint32_t mask) { editable_ = mask; }
    void setNumberColumns(uint32_t mask) { numbers_ = mask; }
    // Whether a double click below the rows appends an empty row (on by default).
    void setAppendOnDoubleClick(bool on) { appendOnDoubleClick_ = on; }

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);
    // Inserts an empty row at `row` (clamped to the row count) and gives its index.
    int insertEmptyRow(int row);
    // The selected row, or -1.
    int selectedRow() const;

    // Whether the editor is open, and its cell, or (-1, -1).
    bool isEditing() const;
    int editRow() const { return isEditing() ? editCell_.row() : -1; }
    int editColumn() const { return isEditing() ? editCell_.column() : -1; }
    void openEditor(int row, int column);
    // Ends the edit, storing the text in the cell when `commit`.
    void endEdit(bool commit);
    CListCtrlEdit* editor() const;

signals:
    // On every change of the editor's text, and once more when the edit ends (committed or not).
    void cellTextEdited(int row, int column, const QString& text);
    // A row was deleted by the Delete key; `firstCellNumber` is the number read from its first
    // cell (0 when it holds none).
    void rowDeleted(int row, int firstCellNumber);
    // An empty row was inserted by the Insert key or appended by a double click below the rows.
    void rowInserted(int row);

    // Internals are the implementer's; keep the public interface above.
protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Ends the edit as the user asked and gives the focus back to the list.
    void finishFromEditor(bool commit);
    void editNextCell();
    // Inserts an empty row at `row`, tells so and opens its first editable cell.
    void insertAndEdit(int row);
    // The current cell's editor, or the first editable cell's of the current row.
    void editCurrentCell();
    void placeEditor();

    uint32_t editable_ = UINT32_MAX;
    uint32_t numbers_ = 0;
    bool appendOnDoubleClick_ = true;
    CListCtrlEdit* editor_ = nullptr;
    QPersistentModelIndex editCell_;
};

} // namespace zorv
