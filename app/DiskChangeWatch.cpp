#include "app/DiskChangeWatch.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "model/CZorvEditorDoc.h"

namespace zorv {

DiskChangeWatch::DiskChangeWatch(QWidget& window, CZorvEditorDoc& document, QObject* parent)
    : QObject(parent), window_(window), document_(document) {
    window_.installEventFilter(this);
}

bool DiskChangeWatch::eventFilter(QObject* watched, QEvent* event) {
    // Looked at once the activation is over, so that the question does not open in the middle
    // of it; several activations in a row ask once.
    if (watched == &window_ && event->type() == QEvent::WindowActivate && !queued_) {
        queued_ = true;
        QTimer::singleShot(0, this, &DiskChangeWatch::check);
    }
    return QObject::eventFilter(watched, event);
}

void DiskChangeWatch::check() {
    queued_ = false;
    // A dialog of the editor is up (a command runs): the window's next activation looks again.
    if (asking_ || QApplication::activeModalWidget() || !document_.changedOnDisk())
        return;
    asking_ = true;
    // Either answer takes the version on disk as seen, so it is not asked about again.
    document_.settleDiskChange();
    asking_ = false;
}

} // namespace zorv
