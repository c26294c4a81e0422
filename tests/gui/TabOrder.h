#pragma once
// Whether Tab walks a window's fields in reading order: left to right along a row, rows from top
// to bottom, and a column to the right only after the one before it.

#include <QAbstractButton>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>

namespace zorv::test {

// The fields Tab stops at, in the order it visits them from the first one.
inline QList<QWidget*> tabStops(QWidget& root) {
    QList<QWidget*> stops;
    QWidget* w = &root;
    do {
        w = w->nextInFocusChain();
        if (w == &root || !root.isAncestorOf(w))
            continue;
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&root) || !w->isEnabled())
            continue;
        // Of a group of exclusive radio buttons, Tab stops at the checked one only.
        if (auto* radio = qobject_cast<QRadioButton*>(w);
            radio && radio->autoExclusive() && !radio->isChecked())
            continue;
        stops << w;
    } while (w != &root && stops.size() < 500);
    return stops;
}

inline QString nameOf(const QWidget& w) {
    if (!w.accessibleName().isEmpty())
        return w.accessibleName();
    if (auto* button = qobject_cast<const QAbstractButton*>(&w))
        return button->text();
    return w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className())
                                    : w.objectName();
}

// Every step of Tab that goes against reading order, as "from -> to".
inline QStringList readingOrderBreaks(QWidget& root) {
    QStringList breaks;
    const QList<QWidget*> stops = tabStops(root);
    for (qsizetype i = 1; i < stops.size(); ++i) {
        const QRect a(stops[i - 1]->mapTo(&root, QPoint()), stops[i - 1]->size());
        const QRect b(stops[i]->mapTo(&root, QPoint()), stops[i]->size());
        const bool sameRow =
            std::abs(a.center().y() - b.center().y()) < std::min(a.height(), b.height()) / 2 + 4;
        const bool ok =
            sameRow ? b.left() >= a.left() : b.top() > a.top() || b.left() >= a.right() - 4;
        if (!ok)
            breaks << nameOf(*stops[i - 1]) + " -> " + nameOf(*stops[i]);
    }
    return breaks;
}

} // namespace zorv::test
