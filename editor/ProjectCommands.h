#pragma once
// The project commands of the editing view: New, Save, Save As, Import, Parameter, Alarm List,
// Statistical Report, Download, Modbus Protocol and Exit. Each stores the shown pane's record
// first.

#include <QObject>
#include <filesystem>
#include <optional>
#include <string>

#include "editor/CZorvEditorView.h"

namespace zorv {

struct CompileResult;
struct ProjectState;
struct SaveTarget;

// Asked before a project with errors goes to the panel.
std::string downloadWithErrorsQuestion(int errors);

inline constexpr const char* kImportFilter = "Text display file:(*.qsp, *.qvd)|*.qsp;*.qvd|";
inline constexpr const char* kFallbackImageName = "UserData.hc";

class ProjectCommands : public QObject {
    Q_OBJECT
public:
    ProjectCommands(const EditorServices& services, CZorvEditorView& view);

    bool save();
    bool saveAs();
    void newProject();
    void importOld();
    void parameters();
    void alarmList();
    void report();
    // The report as one page with pictures of every page, the page map and the problems.
    void htmlReport();
    void download();
    // "Modbus Protocol Configuration" over the document's working copy of the table.
    void modbusTable();
    // Exit and the window's close box: the save question and its outcomes; true when the
    // project may close.
    bool exitAllowed();

    // Where Download writes the image: a new "zvd" file of the temporary folder, tried up to
    // ten times, else "UserData.hc" in the current folder.
    std::filesystem::path downloadImagePath() const;

private:
    // A project with errors of the checks goes to the panel only when the user says so.
    bool errorsAccepted(const CompileResult& compiled);
    // Saves into the save dialog's folder under its name, creating the folder.
    bool saveTo(const SaveTarget& target);
    // Saves a project that has no file through the save dialog; false when cancelled.
    bool saveUntitled();
    // Records a confirmed dialog's change of the header or the alarm list as one edit.
    void recordProjectEdit(const char* name, ProjectState before);

    EditorServices services_;
    CZorvEditorView& view_;
};

} // namespace zorv
