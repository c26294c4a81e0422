#include "checks/ui/CPageMapView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "checks/PageMap.h"

namespace zorv {

namespace {

// The arrow colours of the map, as the report's legend shows them.
QString legendText() {
    QString html;
    for (JumpKind kind : {JumpKind::Key, JumpKind::Menu, JumpKind::UpDown, JumpKind::Password,
                          JumpKind::Alarm, JumpKind::System}) {
        const JumpStyle style = jumpStyle(kind);
        html += QString("<span style=\"color:%1\">&#8594;&nbsp;%2</span>&nbsp;&nbsp; ")
                    .arg(style.colour, jumpKindName(kind));
    }
    return html + "<span style=\"color:#c62828\">red dashed: unreachable</span>";
}

} // namespace

CPageMapView::CPageMapView(QWidget* parent) : QWidget(parent) {
    setAccessibleName("Page map");
    picture_ = new QLabel(this);
    picture_->setAccessibleName("Page map picture");
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setBackgroundRole(QPalette::Base);
    picture_->setAutoFillBackground(true);
    scroll_ = new QScrollArea(this);
    scroll_->setAccessibleName("Page map area");
    scroll_->setWidget(picture_);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Base);

    auto* legend = new QLabel(legendText(), this);
    legend->setAccessibleName("Page map legend");
    legend->setWordWrap(true);
    auto* zoomLabel = new QLabel("&Zoom:", this);
    zoom_ = new QSlider(Qt::Horizontal, this);
    zoom_->setAccessibleName("Page map zoom");
    zoom_->setRange(25, 200);
    zoom_->setValue(100);
    zoom_->setFixedWidth(140);
    zoomLabel->setBuddy(zoom_);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    bottom->addWidget(legend, 1);
    bottom->addWidget(zoomLabel);
    bottom->addWidget(zoom_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(scroll_, 1);
    layout->addLayout(bottom);
    connect(zoom_, &QSlider::valueChanged, this, [this] { applyZoom(); });
    picture_->installEventFilter(this);
}

bool CPageMapView::setGraph(const PageGraph& graph) {
    const std::string tooLarge = pageMapTooLarge(graph);
    std::vector<uint8_t> png;
    std::vector<MapBox> boxes;
    if (tooLarge.empty() && renderPageMap(pageMapDot(graph), MapFormat::Png, png, &boxes) &&
        setPicture(png)) {
        // A missing page's octagon has nothing to show.
        std::erase_if(boxes, [&graph](const MapBox& box) {
            return std::none_of(graph.pages.begin(), graph.pages.end(),
                                [&box](const PageNode& page) { return page.number == box.page; });
        });
        boxes_ = std::move(boxes);
        return true;
    }
    original_ = QPixmap();
    boxes_.clear();
    picture_->setText(tooLarge.empty() ? QString("Graphviz could not draw the page map.")
                                       : QString::fromStdString(tooLarge));
    picture_->adjustSize();
    return false;
}

bool CPageMapView::setPicture(const std::vector<uint8_t>& png) {
    QPixmap pixmap;
    if (!pixmap.loadFromData(png.data(), uint(png.size()), "PNG"))
        return false;
    original_ = pixmap;
    // The first map shows whole across the view; the user's zoom holds for later ones.
    if (!fitted_ && scroll_->viewport()->width() > 0) {
        fitted_ = true;
        const int fit = 100 * scroll_->viewport()->width() / std::max(1, pixmap.width());
        const QSignalBlocker blocker(zoom_);
        zoom_->setValue(std::clamp(fit, zoom_->minimum(), 100));
    }
    applyZoom();
    return true;
}

std::optional<int> CPageMapView::pageAt(QPoint onPicture) const {
    const QPixmap shown = picture_->pixmap();
    if (shown.isNull())
        return std::nullopt;
    // The label centres the picture in itself.
    const QPoint origin((picture_->width() - shown.width()) / 2,
                        (picture_->height() - shown.height()) / 2);
    const QPointF at = onPicture - origin;
    const double x = at.x() / shown.width(), y = at.y() / shown.height();
    for (const MapBox& box : boxes_) {
        if (x >= box.left && x <= box.right && y >= box.top && y <= box.bottom)
            return box.page;
    }
    return std::nullopt;
}

bool CPageMapView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture_ && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (const std::optional<int> page = pageAt(mouse->position().toPoint())) {
            emit pageRequested(*page);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CPageMapView::applyZoom() {
    if (original_.isNull())
        return;
    const double scale = zoom_->value() / 100.0;
    picture_->setPixmap(
        original_.scaled(original_.size() * scale, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture_->adjustSize();
}

} // namespace zorv
