#include <QFileDialog>
#include <QStringList>

#include "platform/qt/FileChooser.h"

namespace zorv {

QString QtFileChooser::openFile(QWidget* owner, const QString& caption, const QString& start,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(owner, caption, start, filter);
}

QString QtFileChooser::saveFile(QWidget* owner, const QString& caption, const QString& start,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(owner, caption, start, filter);
}

QString QtFileChooser::folder(QWidget* owner, const QString& caption, const QString& start) {
    return QFileDialog::getExistingDirectory(owner, caption, start);
}

QString qtFileFilter(std::string_view windowsFilter) {
    const QStringList parts =
        QString::fromUtf8(windowsFilter.data(), qsizetype(windowsFilter.size())).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString name = parts[i].trimmed();
        if (name.isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        if (name.endsWith(')'))
            filters << name;
        else
            filters << name + " (" + patterns + ")";
    }
    return filters.join(";;");
}

} // namespace zorv
