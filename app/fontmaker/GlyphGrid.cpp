#include "app/fontmaker/GlyphGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace zorv::fontmaker {

GlyphGrid::GlyphGrid(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    setAccessibleName(tr("Character grid"));
    setAccessibleDescription(
        tr("Left button sets pixels, right button clears them; arrow keys and space from the "
           "keyboard"));
}

QSize GlyphGrid::sizeHint() const {
    return {kSide * kCell + 1, kSide * kCell + 1};
}

QPoint GlyphGrid::cellCentre(int x, int y) {
    return {x * kCell + kCell / 2, y * kCell + kCell / 2};
}

void GlyphGrid::setRows(const oonedraw::GlyphRows& rows) {
    rows_ = rows;
    update();
}

void GlyphGrid::setPixel(int x, int y, bool ink) {
    const uint16_t bit = uint16_t(0x8000u >> x);
    uint16_t& row = rows_[std::size_t(y)];
    const uint16_t changed = ink ? uint16_t(row | bit) : uint16_t(row & ~bit);
    if (changed == row)
        return;
    row = changed;
    update();
    emit rowsEdited(rows_);
}

std::optional<QPoint> GlyphGrid::cellAt(QPoint at) {
    if (at.x() < 0 || at.y() < 0 || at.x() >= kSide * kCell || at.y() >= kSide * kCell)
        return std::nullopt;
    return QPoint(at.x() / kCell, at.y() / kCell);
}

// Every cell on the line from the stroke's last cell, so a quick drag leaves no gaps.
void GlyphGrid::strokeTo(QPoint at) {
    const std::optional<QPoint> cell = cellAt(at);
    if (!cell)
        return;
    const QPoint from = lastCell_.value_or(*cell);
    const int steps = std::max(std::abs(cell->x() - from.x()), std::abs(cell->y() - from.y()));
    for (int i = 1; i <= steps; ++i) {
        setPixel(from.x() + (cell->x() - from.x()) * i / steps,
                 from.y() + (cell->y() - from.y()) * i / steps, stroke_ == Stroke::Set);
    }
    if (steps == 0)
        setPixel(cell->x(), cell->y(), stroke_ == Stroke::Set);
    lastCell_ = cursor_ = *cell;
}

void GlyphGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), isEnabled() ? Qt::white : palette().window().color());
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            if (rows_[std::size_t(y)] & (0x8000u >> x))
                painter.fillRect(x * kCell, y * kCell, kCell, kCell, Qt::black);
        }
    }
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    for (int i = 0; i <= kSide; ++i) {
        painter.drawLine(i * kCell, 0, i * kCell, kSide * kCell);
        painter.drawLine(0, i * kCell, kSide * kCell, i * kCell);
    }
    // The middle lines, where the two 8-pixel halves of a row meet.
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(8 * kCell, 0, 8 * kCell, kSide * kCell);
    painter.drawLine(0, 8 * kCell, kSide * kCell, 8 * kCell);
    if (hasFocus()) {
        painter.setPen(QPen(QColor(0x30, 0x60, 0xE0), 2));
        painter.drawRect(cursor_.x() * kCell + 1, cursor_.y() * kCell + 1, kCell - 2, kCell - 2);
    }
}

void GlyphGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        stroke_ = Stroke::Set;
    else if (event->button() == Qt::RightButton)
        stroke_ = Stroke::Clear;
    else
        return;
    lastCell_.reset();
    strokeTo(event->position().toPoint());
}

void GlyphGrid::mouseMoveEvent(QMouseEvent* event) {
    if (stroke_ != Stroke::None)
        strokeTo(event->position().toPoint());
}

void GlyphGrid::mouseReleaseEvent(QMouseEvent*) {
    stroke_ = Stroke::None;
    lastCell_.reset();
}

void GlyphGrid::keyPressEvent(QKeyEvent* event) {
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    case Qt::Key_Space:
        setPixel(cursor_.x(), cursor_.y(),
                 !(rows_[std::size_t(cursor_.y())] & (0x8000u >> cursor_.x())));
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    cursor_ = {std::clamp(cursor_.x() + step.x(), 0, kSide - 1),
               std::clamp(cursor_.y() + step.y(), 0, kSide - 1)};
    update();
}

} // namespace zorv::fontmaker
