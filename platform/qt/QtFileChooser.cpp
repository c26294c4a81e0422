#include <QFileDialog>
#include <QRegularExpression>
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
        // The shown name loses its own pattern list and colon: Qt reads the patterns from the
        // parentheses, which must hold them separated by blanks.
        QString name = parts[i].section('(', 0, 0).trimmed();
        if (name.endsWith(':'))
            name.chop(1);
        if (name.isEmpty())
            break;
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QRegularExpression("[;, ]")))
            if (!pattern.trimmed().isEmpty())
                patterns << pattern.trimmed();
        filters << name.trimmed() + " (" + patterns.join(' ') + ")";
    }
    return filters.join(";;");
}

} // namespace zorv
