#pragma once
// The panel's front: the picture of its body with the display drawn from the renderer at a zoom
// of 1 to 6 (pixels as squares, never smoothed) and a button over every key of the picture.
// Clicks and the keyboard reach the panel as key presses and releases.

#include <QImage>
#include <QPushButton>
#include <QWidget>
#include <optional>
#include <vector>

#include "panel/PanelKeys.h"

namespace zorv::panel {

class PanelFaceView : public QWidget {
    Q_OBJECT
public:
    explicit PanelFaceView(QWidget* parent = nullptr);

    void setZoom(int zoom);
    int zoom() const { return zoom_; }
    // The display at the current zoom (192 x 64 times the zoom).
    void setDisplay(const QImage& display);
    const QImage& display() const { return display_; }
    QPushButton* keyButton(Key key) const;
    QRect displayRect() const;

    QSize sizeHint() const override;

    // The keyboard's key for a panel key: F1-F4, arrows, digits, Enter, Esc, Delete (CLR),
    // +/- and S (SET).
    static std::optional<Key> keyOf(int qtKey);

signals:
    void keyPressed(zorv::panel::Key key);
    void keyReleased(zorv::panel::Key key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void placeButtons();
    QRect scaled(const QRect& facePixels) const;

    QImage face_;
    QImage display_;
    int zoom_ = 3;
    struct KeyButton {
        Key key;
        QRect face; // in the picture's pixels
        QPushButton* button;
    };
    std::vector<KeyButton> buttons_;
};

} // namespace zorv::panel
