#pragma once
// Modal dialogs answered by steps that run once the dialog is up, so that no test waits on a
// modal window.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

namespace zorv::test {

// The steps still waiting for their dialog; a test drops them when it ends, so that a step whose
// dialog never came cannot answer the next test's dialog.
inline QObject& pendingModalSteps() {
    static QObject steps;
    return steps;
}
inline void dropPendingModalSteps() {
    for (QObject* step : pendingModalSteps().children())
        delete step;
}

// Runs `step` on the next modal dialog of type D as soon as it is shown; `ran` tells whether it
// came at all. A check that fails inside the step ends it early: the dialog is then closed, so
// that the test fails at once instead of waiting on it for ever.
template <class D> void whenModal(std::function<void(D&)> step, bool* ran = nullptr) {
    auto* timer = new QTimer(&pendingModalSteps());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, step, ran] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        if (ran)
            *ran = true;
        const QPointer<D> shown(dialog);
        step(*dialog);
        if (QTest::currentTestFailed() && shown && shown->isVisible())
            shown->reject();
    });
    timer->start();
}

} // namespace zorv::test
