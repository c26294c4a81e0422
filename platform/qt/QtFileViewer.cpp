#include "platform/qt/QtFileViewer.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace zorv {

QtFileViewer::~QtFileViewer() {
    // Viewers still open outlive the program; their answers are no longer awaited.
    for (QProcess* opener : findChildren<QProcess*>())
        opener->disconnect();
}

void QtFileViewer::show(const std::filesystem::path& file, std::function<void()> failed) {
    const QString path = QString::fromStdString(file.string());
    const QString xdgOpen = QStandardPaths::findExecutable("xdg-open");
    if (xdgOpen.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            failed();
        return;
    }
    // xdg-open ends at once with a non-zero status when it finds no viewer; when it runs the
    // viewer itself, it ends only with the viewer.
    auto* opener = new QProcess(this);
    connect(opener, &QProcess::finished, this,
            [opener, failed](int code, QProcess::ExitStatus status) {
                if (status != QProcess::NormalExit || code != 0)
                    failed();
                opener->deleteLater();
            });
    connect(opener, &QProcess::errorOccurred, this, [opener, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        failed();
        opener->deleteLater();
    });
    opener->start(xdgOpen, {path});
}

} // namespace zorv
