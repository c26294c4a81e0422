#pragma once
// The page map in a scrollable view: the picture Graphviz draws of the pages and their jumps,
// with a legend of the arrow colours and a zoom.

#include <QPixmap>
#include <QWidget>
#include <optional>
#include <vector>

#include "checks/PageGraph.h"
#include "checks/PageMap.h"

class QLabel;
class QScrollArea;
class QSlider;

namespace zorv {

class CPageMapView : public QWidget {
    Q_OBJECT
public:
    explicit CPageMapView(QWidget* parent = nullptr);

    // Lays the graph out and shows it; false, showing a notice instead, when Graphviz cannot.
    bool setGraph(const PageGraph& graph);
    // Shows a PNG that Graphviz drew already; false when the bytes are no picture.
    bool setPicture(const std::vector<uint8_t>& png);
    QLabel* picture() const { return picture_; }
    QSlider* zoom() const { return zoom_; }
    const std::vector<MapBox>& boxes() const { return boxes_; }
    // The page whose box lies under a point of the picture, or nothing.
    std::optional<int> pageAt(QPoint onPicture) const;

signals:
    // A page of the project was double-clicked.
    void pageRequested(int page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* picture_;
    QScrollArea* scroll_;
    QSlider* zoom_;
    QPixmap original_;
    std::vector<MapBox> boxes_; // of the pages that exist
    bool fitted_ = false;

    void applyZoom();
};

} // namespace zorv
