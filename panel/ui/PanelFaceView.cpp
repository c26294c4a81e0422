#include "panel/ui/PanelFaceView.h"

#include <QKeyEvent>
#include <QPainter>

// The resources of a static library are registered by hand, outside any namespace.
static void initPanelUiResources() {
    Q_INIT_RESOURCE(panel_ui);
}

namespace zorv::panel {

namespace {

// The picture of the panel's body holds the display window at (70, 40)-(454, 168), twice the
// display's size; its key faces are where the picture's drawing tool put them.
const QRect kFaceDisplay(70, 40, 384, 128);
constexpr int kFaceZoom = 2;

struct FaceKey {
    Key key;
    QRect rect;
};

std::vector<FaceKey> faceKeys() {
    std::vector<FaceKey> keys;
    const Key left[] = {Key::F1, Key::F2, Key::F3, Key::F4};
    const Key right[] = {Key::Run, Key::Stop, Key::Clr, Key::Esc};
    for (int i = 0; i < 4; ++i) {
        keys.push_back({left[i], QRect(10, 40 + 34 * i, 46, 26)});
        keys.push_back({right[i], QRect(466, 40 + 34 * i, 46, 26)});
    }
    const Key digits[] = {Key::D1, Key::D2, Key::D3, Key::D4, Key::D5,       Key::D6,
                          Key::D7, Key::D8, Key::D9, Key::D0, Key::PlusMinus};
    for (int i = 0; i < 11; ++i)
        keys.push_back({digits[i], QRect(18 + 44 * i, 186, 40, 26)});
    const Key arrows[] = {Key::Left, Key::Up, Key::Down, Key::Right};
    for (int i = 0; i < 4; ++i)
        keys.push_back({arrows[i], QRect(18 + 44 * i, 222, 40, 26)});
    keys.push_back({Key::Set, QRect(414, 222, 40, 26)});
    keys.push_back({Key::Enter, QRect(458, 222, 44, 26)});
    return keys;
}

} // namespace

PanelFaceView::PanelFaceView(QWidget* parent) : QWidget(parent) {
    initPanelUiResources();
    face_ = QImage(QStringLiteral(":/panel_ui/panel.png"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Panel"));
    setAccessibleDescription(tr("The panel's display and keypad; keys also from the keyboard"));
    for (const FaceKey& k : faceKeys()) {
        auto* button = new QPushButton(this);
        const QString name =
            QString::fromLatin1(keyName(k.key).data(), qsizetype(keyName(k.key).size()));
        button->setAccessibleName(tr("Key %1").arg(name));
        button->setToolTip(name);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFlat(true);
        button->setStyleSheet(
            QStringLiteral("QPushButton { background: transparent; border: none; }"
                           "QPushButton:pressed { background: rgba(0, 0, 0, 70); }"));
        connect(button, &QPushButton::pressed, this, [this, key = k.key] { emit keyPressed(key); });
        connect(button, &QPushButton::released, this,
                [this, key = k.key] { emit keyReleased(key); });
        buttons_.push_back({k.key, k.rect, button});
    }
    setZoom(zoom_);
}

QRect PanelFaceView::scaled(const QRect& r) const {
    return QRect(r.x() * zoom_ / kFaceZoom, r.y() * zoom_ / kFaceZoom,
                 r.width() * zoom_ / kFaceZoom, r.height() * zoom_ / kFaceZoom);
}

QRect PanelFaceView::displayRect() const {
    return scaled(kFaceDisplay);
}

void PanelFaceView::placeButtons() {
    for (const KeyButton& b : buttons_)
        b.button->setGeometry(scaled(b.face));
}

void PanelFaceView::setZoom(int zoom) {
    zoom_ = std::clamp(zoom, 1, 6);
    placeButtons();
    setFixedSize(sizeHint()); // the picture is never squeezed: its keys would move
    update();
}

void PanelFaceView::setDisplay(const QImage& display) {
    display_ = display;
    update(displayRect());
}

QPushButton* PanelFaceView::keyButton(Key key) const {
    for (const KeyButton& b : buttons_)
        if (b.key == key)
            return b.button;
    return nullptr;
}

QSize PanelFaceView::sizeHint() const {
    return QSize(face_.width() * zoom_ / kFaceZoom, face_.height() * zoom_ / kFaceZoom);
}

void PanelFaceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRect(QPoint(0, 0), sizeHint()), face_);
    // The display's pixels stay squares: the image already has the zoom, drawn 1:1.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = displayRect();
    painter.fillRect(area, Qt::white);
    painter.drawImage(area.topLeft() + QPoint((area.width() - display_.width()) / 2,
                                              (area.height() - display_.height()) / 2),
                      display_);
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight(), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

std::optional<Key> PanelFaceView::keyOf(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return Key(qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_F1:
        return Key::F1;
    case Qt::Key_F2:
        return Key::F2;
    case Qt::Key_F3:
        return Key::F3;
    case Qt::Key_F4:
        return Key::F4;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Escape:
        return Key::Esc;
    case Qt::Key_Delete:
        return Key::Clr;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        return Key::PlusMinus;
    case Qt::Key_S:
        return Key::Set;
    default:
        return std::nullopt;
    }
}

void PanelFaceView::keyPressEvent(QKeyEvent* event) {
    const auto key = keyOf(event->key());
    if (!key || event->isAutoRepeat())
        return QWidget::keyPressEvent(event);
    emit keyPressed(*key);
}

void PanelFaceView::keyReleaseEvent(QKeyEvent* event) {
    const auto key = keyOf(event->key());
    if (!key || event->isAutoRepeat())
        return QWidget::keyReleaseEvent(event);
    emit keyReleased(*key);
}

} // namespace zorv::panel
