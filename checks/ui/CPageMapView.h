#pragma once
// The page map in a scrollable view: the picture Graphviz draws of the pages and their jumps,
// with a legend of the arrow colours and a zoom.

#include <QPixmap>
#include <QWidget>
#include <vector>

#include "checks/PageGraph.h"

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

private:
    QLabel* picture_;
    QScrollArea* scroll_;
    QSlider* zoom_;
    QPixmap original_;
    bool fitted_ = false;

    void applyZoom();
};

} // namespace zorv
