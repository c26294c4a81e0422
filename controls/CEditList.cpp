#include "CEditList.h"

#include "CComboItem.h"
#include "CEditItem.h"
#include "TableCells.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace zorv {

CEditList::CEditList(QWidget* parent)
    : QTableWidget(parent), editItem_(new CEditItem(viewport())),
      comboItem_(new CComboItem(viewport())) {
    tablecells::setUpRowList(*this);
    connect(editItem_, &CEditItem::finished, this, &CEditList::finishFromEditor);
    connect(comboItem_, &CComboItem::finished, this, &CEditList::finishFromEditor);
    connect(this, &QTableWidget::cellClicked, this, &CEditList::openEditor);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &CEditList::placeEditor);
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                if (isEditing() && editCell_.row() >= first && editCell_.row() <= last)
                    endEdit(false);
            });
}

void CEditList::setColumns(const QStringList& titles, const QList<int>& widths) {
    endEdit(false);
    tablecells::setColumns(*this, titles, widths);
}

QString CEditList::cellText(int row, int column) const {
    return tablecells::text(*this, row, column);
}

void CEditList::setCellText(int row, int column, const QString& text) {
    tablecells::setText(*this, row, column, text);
}

int CEditList::selectedRow() const {
    return tablecells::selectedRow(*this);
}

int CEditList::editorKind(int column) const {
    return kindOf_ ? kindOf_(column) : EditBox;
}

bool CEditList::isEditing() const {
    return editCell_.isValid() && editor() != nullptr;
}

QWidget* CEditList::editor() const {
    if (editItem_->isVisible())
        return editItem_;
    if (comboItem_->isVisible())
        return comboItem_;
    return nullptr;
}

void CEditList::openEditor(int row, int column) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    const int kind = editorKind(column);
    if (kind != EditBox && kind != DropDown)
        return;
    endEdit(true);
    const QModelIndex cell = model()->index(row, column);
    scrollTo(cell);
    editCell_ = cell;
    const QRect rect = visualRect(cell);
    const QString title = model()->headerData(column, Qt::Horizontal).toString();
    if (kind == EditBox) {
        editItem_->alignLike(Qt::Alignment(cell.data(Qt::TextAlignmentRole).toInt()));
        editItem_->setAccessibleName(title);
        editItem_->start(rect, viewport()->width() - rect.left(), cellText(row, column));
    } else {
        comboItem_->setAccessibleName(title);
        comboItem_->start(rect, choices_, cellText(row, column));
    }
}

void CEditList::endEdit(bool commit) {
    QWidget* open = editor();
    if (!editCell_.isValid() || !open)
        return;
    const int row = editCell_.row();
    const int column = editCell_.column();
    const QString text = open == editItem_ ? editItem_->text() : comboItem_->currentText();
    editCell_ = QPersistentModelIndex();
    if (open == comboItem_)
        comboItem_->hidePopup();
    open->hide();
    if (!commit)
        return;
    setCellText(row, column, text);
    emit cellTextStored(row, column, text);
}

void CEditList::finishFromEditor(bool commit) {
    QWidget* open = editor();
    const bool hadFocus = open && open->hasFocus();
    endEdit(commit);
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
}

void CEditList::placeEditor() {
    if (!isEditing())
        return;
    const QRect rect = visualRect(editCell_);
    if (editor() == editItem_)
        editItem_->placeOver(rect, viewport()->width() - rect.left());
    else
        comboItem_->setGeometry(rect);
}

void CEditList::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    placeEditor();
}

void CEditList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        // The selection mark is the current row, selected or not.
        const int row = currentRow();
        if (row >= 0) {
            removeRow(row);
            emit rowDeleted(row);
        }
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CEditList::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    const QPoint point = event->position().toPoint();
    if (event->button() != Qt::LeftButton || indexAt(point).isValid() ||
        !tablecells::isBelowRows(*this, point))
        return;
    const int row = rowCount();
    insertRow(row);
    setCellText(row, 0, QString::asprintf("%02d", row + 1));
    selectRow(row);
    emit rowAppended(row);
}

} // namespace zorv
