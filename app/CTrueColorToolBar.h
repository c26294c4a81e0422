#pragma once
// A toolbar whose button pictures are cut from true-colour strips: one picture per button
// width, the colour of the strip's first stored pixel being transparent. Up to three strips:
// normal, hot (under the pointer) and disabled; an empty name leaves that state to Qt.

#include <QIcon>
#include <QList>
#include <QToolBar>

namespace zorv {

class CTrueColorToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit CTrueColorToolBar(const QString& title, QWidget* parent = nullptr);

    // Cuts the strips into pictures; false when the normal strip cannot be read.
    bool loadTrueColorToolBar(int buttonWidth, const QString& normal, const QString& hot = {},
                              const QString& disabled = {});
    // The picture of the n-th button, in the strip's order.
    QIcon icon(int index) const { return index < icons_.size() ? icons_[index] : QIcon(); }
    qsizetype iconCount() const { return icons_.size(); }

private:
    QList<QIcon> icons_;
};

// The pictures of one strip, each `width` pixels wide, with the transparent colour masked out.
QList<QPixmap> cutTrueColorStrip(const QString& file, int width);

} // namespace zorv
