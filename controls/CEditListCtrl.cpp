#include "CEditListCtrl.h"

#include "CListCtrlEdit.h"
#include "CellWalk.h"
#include "TableCells.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace zorv {

using cellwalk::inMask;

CEditListCtrl::CEditListCtrl(QWidget* parent)
    : QTableWidget(parent), editor_(new CListCtrlEdit(viewport())) {
    tablecells::setUpRowList(*this);
    connect(editor_, &CListCtrlEdit::finished, this, &CEditListCtrl::finishFromEditor);
    connect(editor_, &CListCtrlEdit::tabPressed, this, &CEditListCtrl::editNextCell);
    connect(editor_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (isEditing())
            emit cellTextEdited(editCell_.row(), editCell_.column(), text);
    });
    // A click on a column title drops the edit.
    connect(horizontalHeader(), &QHeaderView::sectionPressed, this, [this] {
        if (isEditing())
            finishFromEditor(false);
    });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &CEditListCtrl::placeEditor);
    // The edited row going away ends the edit without storing it.
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                if (isEditing() && editCell_.row() >= first && editCell_.row() <= last)
                    endEdit(false);
            });
}

void CEditListCtrl::setColumns(const QStringList& titles, const QList<int>& widths) {
    endEdit(false);
    tablecells::setColumns(*this, titles, widths);
}

QString CEditListCtrl::cellText(int row, int column) const {
    return tablecells::text(*this, row, column);
}

void CEditListCtrl::setCellText(int row, int column, const QString& text) {
    tablecells::setText(*this, row, column, text);
}

int CEditListCtrl::insertEmptyRow(int row) {
    const int at = row < 0 || row > rowCount() ? rowCount() : row;
    insertRow(at);
    return at;
}

int CEditListCtrl::selectedRow() const {
    return tablecells::selectedRow(*this);
}

bool CEditListCtrl::isEditing() const {
    return editCell_.isValid() && editor_->isVisible();
}

CListCtrlEdit* CEditListCtrl::editor() const {
    return editor_;
}

void CEditListCtrl::openEditor(int row, int column) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount() ||
        !inMask(editable_, column))
        return;
    endEdit(true);
    const QModelIndex cell = model()->index(row, column);
    selectRow(row);
    scrollTo(cell);
    editCell_ = cell;
    // A click on the column titles leaves the focus in the editor, so that the edit is
    // dropped rather than stored by the focus moving to the list.
    horizontalHeader()->setFocusProxy(editor_);
    editor_->setDigitsOnly(inMask(numbers_, column));
    editor_->setAccessibleName(model()->headerData(column, Qt::Horizontal).toString());
    editor_->start(visualRect(cell), viewport()->width() - visualRect(cell).left(),
                   cellText(row, column));
}

void CEditListCtrl::endEdit(bool commit) {
    if (!isEditing())
        return;
    const int row = editCell_.row();
    const int column = editCell_.column();
    const QString text = editor_->text();
    editCell_ = QPersistentModelIndex();
    horizontalHeader()->setFocusProxy(nullptr);
    editor_->hide();
    if (commit)
        setCellText(row, column, text);
    emit cellTextEdited(row, column, text);
}

void CEditListCtrl::finishFromEditor(bool commit) {
    const bool hadFocus = editor_->hasFocus();
    endEdit(commit);
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
}

void CEditListCtrl::editNextCell() {
    const int row = editCell_.row();
    const int column = editCell_.column();
    finishFromEditor(true);
    const cellwalk::Cell next =
        cellwalk::nextEditableCell(row, column, rowCount(), columnCount(), editable_);
    if (next.valid())
        openEditor(next.row, next.column);
}

void CEditListCtrl::placeEditor() {
    if (!isEditing())
        return;
    const QRect cell = visualRect(editCell_);
    editor_->placeOver(cell, viewport()->width() - cell.left());
}

void CEditListCtrl::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    placeEditor();
}

void CEditListCtrl::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    placeEditor();
}

namespace {

bool isF2(const QKeyEvent& key) {
    return key.key() == Qt::Key_F2 && !(key.modifiers() & ~Qt::KeypadModifier);
}

// A printable character typed without Ctrl or Alt.
bool isTyping(const QKeyEvent& key) {
    return !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
           !key.text().isEmpty() && key.text().at(0).isPrint();
}

} // namespace

bool CEditListCtrl::event(QEvent* event) {
    // F2 edits the current cell rather than reach a shortcut of the window around.
    if (event->type() == QEvent::ShortcutOverride && !isEditing() && currentIndex().isValid() &&
        isF2(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QTableWidget::event(event);
}

void CEditListCtrl::insertAndEdit(int row) {
    const int at = insertEmptyRow(row);
    selectRow(at);
    emit rowInserted(at);
    const cellwalk::Cell first =
        cellwalk::nextEditableCell(at, -1, rowCount(), columnCount(), editable_);
    if (first.row == at)
        openEditor(first.row, first.column);
}

void CEditListCtrl::editCurrentCell() {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    if (inMask(editable_, current.column())) {
        openEditor(current.row(), current.column());
        return;
    }
    const cellwalk::Cell first =
        cellwalk::nextEditableCell(current.row(), -1, rowCount(), columnCount(), editable_);
    if (first.row == current.row())
        openEditor(first.row, first.column);
}

void CEditListCtrl::keyPressEvent(QKeyEvent* event) {
    // F2 opens the current cell as it is; a typed character replaces its text.
    if (!isEditing() && (isF2(*event) || isTyping(*event))) {
        editCurrentCell();
        if (isEditing() && isTyping(*event))
            editor_->insert(event->text());
        return;
    }
    const int row = selectedRow();
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        if (row >= 0) {
            const int number = cellwalk::leadingNumber(cellText(row, 0).toStdString());
            removeRow(row);
            emit rowDeleted(row, number);
        }
        return;
    }
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        insertAndEdit(row);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CEditListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const QModelIndex cell = indexAt(point);
    if (cell.isValid()) {
        openEditor(cell.row(), cell.column());
    } else if (appendOnDoubleClick_ && tablecells::isBelowRows(*this, point)) {
        insertAndEdit(rowCount());
    }
}

} // namespace zorv
