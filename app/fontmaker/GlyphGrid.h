#pragma once
// The 16 x 16 editing grid of one character: the left button sets the pixels it presses or
// drags over, the right button clears them. From the keyboard the arrow keys move the cursor
// cell and the space bar turns its pixel over.

#include <QWidget>

#include <optional>

#include "oonedraw/LibraryCopy.h"

namespace zorv::fontmaker {

class GlyphGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCell = 20;
    static constexpr int kSide = 16;

    explicit GlyphGrid(QWidget* parent = nullptr);

    const oonedraw::GlyphRows& rows() const { return rows_; }
    void setRows(const oonedraw::GlyphRows& rows);
    // The centre of a cell in widget coordinates, for tests and the cursor.
    static QPoint cellCentre(int x, int y);

    QSize sizeHint() const override;

signals:
    void rowsEdited(const oonedraw::GlyphRows& rows);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The cell under a widget point; nothing outside the grid.
    static std::optional<QPoint> cellAt(QPoint at);
    // Sets or clears, as the stroke does, the cells up to the one under `at`.
    void strokeTo(QPoint at);
    void setPixel(int x, int y, bool ink);

    oonedraw::GlyphRows rows_{};
    enum class Stroke { None, Set, Clear } stroke_ = Stroke::None;
    std::optional<QPoint> lastCell_;
    QPoint cursor_{0, 0};
};

} // namespace zorv::fontmaker
