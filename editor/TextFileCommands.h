#pragma once
// Language > Export Texts... and Import Texts...: every text the panel shows out to a CSV or
// XLIFF file for translation, and a translated file back in. The import lists its changes and
// asks before it takes them as one edit, which Undo takes back whole; a file with a faulty text
// is refused with each fault's id and line, and the project stays as it was.

#include <QObject>

#include "editor/CZorvEditorView.h"

namespace zorv {

inline constexpr const char* kTextFileFilter =
    "Translation file:(*.csv, *.xlf, *.xliff)|*.csv;*.xlf;*.xliff|";
inline constexpr const char* kTextsExportFailedMessage = "Export failure!";
inline constexpr const char* kTextsImportFailedMessage = "Import failure!";
inline constexpr const char* kNoTextChangedMessage = "The file changes no text of the project.";

class TextFileCommands : public QObject {
    Q_OBJECT
public:
    TextFileCommands(const EditorServices& services, CZorvEditorView& view);

    void exportTexts();
    void importTexts();

private:
    EditorServices services_;
    CZorvEditorView& view_;
};

} // namespace zorv
