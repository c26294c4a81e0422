#pragma once
// Notices, each time the main window becomes active again, that another program changed the
// open project file, and lets the document ask whether to reload it or keep the project in
// memory. Asked once per change: not again while its own question is up, nor when the window
// comes back from that question.

#include <QObject>

namespace zorv {

class CZorvEditorDoc;

class DiskChangeWatch : public QObject {
    Q_OBJECT
public:
    DiskChangeWatch(QWidget& window, CZorvEditorDoc& document, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void check();

    QWidget& window_;
    CZorvEditorDoc& document_;
    bool queued_ = false;
    bool asking_ = false;
};

} // namespace zorv
