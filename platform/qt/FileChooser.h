#pragma once
// File and folder choosers as the windows ask for them; the Qt form shows QFileDialog, tests
// answer from a script (ScriptedFileChooser) so that no test waits on a modal window.

#include <QString>
#include <string_view>

class QWidget;

namespace zorv {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Each gives the chosen path, or an empty text when the user cancelled. `filter` is a Qt
    // filter (see qtFileFilter); `start` is the folder or file the chooser opens at.
    virtual QString openFile(QWidget* owner, const QString& caption, const QString& start,
                             const QString& filter) = 0;
    virtual QString saveFile(QWidget* owner, const QString& caption, const QString& start,
                             const QString& filter) = 0;
    virtual QString folder(QWidget* owner, const QString& caption, const QString& start) = 0;
};

class QtFileChooser : public FileChooser {
public:
    QString openFile(QWidget* owner, const QString& caption, const QString& start,
                     const QString& filter) override;
    QString saveFile(QWidget* owner, const QString& caption, const QString& start,
                     const QString& filter) override;
    QString folder(QWidget* owner, const QString& caption, const QString& start) override;
};

// A Windows filter string ("Text display file:(*.qsp, *.qvd)|*.qsp;*.qvd|") as a Qt filter
// ("Text display file (*.qsp *.qvd)"): each name without its own pattern list and colon, with
// the patterns of the filter part in parentheses, separated by blanks.
QString qtFileFilter(std::string_view windowsFilter);

} // namespace zorv
