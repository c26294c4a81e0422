#include "app/LayoutToolBar.h"

#include <QAction>
#include <QPainter>
#include <QPixmap>

#include "commands/ActionRegistry.h"
#include "commands/CommandTable.h"

namespace zorv {

namespace {

constexpr int kSide = 16;
const QColor kBoxColour(0x3A, 0x6E, 0xA5);

struct Picture {
    QLine line;     // the line the boxes keep to; a null line for none
    QRect boxes[3]; // empty ones are not drawn
};

// Boxes in 16 x 16 pixels, the line in black over them.
Picture pictureOf(CommandId id) {
    using C = CommandId;
    switch (id) {
    case C::EditAlignLeft:
        return {QLine(2, 1, 2, 14), {QRect(3, 2, 10, 4), QRect(3, 9, 6, 4)}};
    case C::EditAlignRight:
        return {QLine(13, 1, 13, 14), {QRect(3, 2, 10, 4), QRect(7, 9, 6, 4)}};
    case C::EditAlignCentres:
        return {QLine(7, 1, 7, 14), {QRect(2, 2, 11, 4), QRect(4, 9, 7, 4)}};
    case C::EditAlignTop:
        return {QLine(1, 2, 14, 2), {QRect(2, 3, 4, 10), QRect(9, 3, 4, 6)}};
    case C::EditAlignBottom:
        return {QLine(1, 13, 14, 13), {QRect(2, 3, 4, 10), QRect(9, 7, 4, 6)}};
    case C::EditAlignMiddles:
        return {QLine(1, 7, 14, 7), {QRect(2, 2, 4, 11), QRect(9, 4, 4, 7)}};
    case C::EditDistributeAcross:
        return {QLine(), {QRect(1, 4, 3, 8), QRect(6, 4, 3, 8), QRect(11, 4, 3, 8)}};
    case C::EditDistributeDown:
        return {QLine(), {QRect(4, 1, 8, 3), QRect(4, 6, 8, 3), QRect(4, 11, 8, 3)}};
    case C::EditSameWidth:
        return {QLine(1, 14, 14, 14), {QRect(1, 2, 13, 4), QRect(1, 8, 13, 4)}};
    case C::EditSameHeight:
        return {QLine(14, 1, 14, 14), {QRect(2, 1, 4, 13), QRect(8, 1, 4, 13)}};
    default:
        return {};
    }
}

} // namespace

QIcon layoutIcon(CommandId id) {
    const Picture picture = pictureOf(id);
    if (picture.line.isNull() && picture.boxes[0].isEmpty())
        return {};
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    for (const QRect& box : picture.boxes) {
        if (box.isEmpty())
            continue;
        painter.fillRect(box, kBoxColour);
        painter.setPen(Qt::black);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
    if (!picture.line.isNull()) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(picture.line);
    }
    return QIcon(pixmap);
}

QToolBar* makeLayoutToolBar(ActionRegistry& actions, QWidget* parent) {
    auto* bar = new QToolBar(QObject::tr("Layout"), parent);
    bar->setObjectName(QStringLiteral("layoutToolbar"));
    bar->setAccessibleName(QObject::tr("Layout"));
    bar->setIconSize(QSize(kSide, kSide));
    for (const LayoutEntry& entry : layoutToolbarLayout()) {
        if (entry.item == LayoutItem::Separator) {
            bar->addSeparator();
            continue;
        }
        QAction* a = actions.action(entry.id);
        a->setIcon(layoutIcon(entry.id));
        // As on the main toolbar, the menus show no pictures.
        a->setIconVisibleInMenu(false);
        bar->addAction(a);
    }
    return bar;
}

} // namespace zorv
