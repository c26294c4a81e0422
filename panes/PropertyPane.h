#pragma once
// The property pane that the editing view shows for the page or for the selected widget: a
// child widget that edits a working copy of one record. Every pane implements this class and
// is registered by its type name in PaneFactory.cpp.
//
// Flow of a record: the view loads the stored record and its widget id (loadRecord), shows the
// pane, and later stores workingRecord() back into the page (on a selection change and on
// CommitProperties). Whenever the user gives a field its value (Enter, Tab, the focus leaving,
// a choice, a check box, a spin step), the pane calls apply() and, when that changes the record,
// emits recordApplied(), so that the view stores the record at once: the canvas, the checks,
// the memory meter and the panel pixels follow every such field, not only a selection change.

#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace zorv {

class CHCData;
class FieldHint;
class FileChooser;
class Paths;
class Prompt;
class TagTable;

// What the view tells every pane; set before the first record is loaded and again whenever a
// project is opened or the language is switched. The pointers outlive the pane's use of them.
struct PaneContext {
    Prompt* prompt = nullptr;            // every message box of a pane
    FileChooser* files = nullptr;        // every file chooser of a pane
    const Paths* paths = nullptr;        // program folder (icon2/) and work folder
    const CHCData* project = nullptr;    // the open project (read only)
    const TagTable* tags = nullptr;      // the tags beside it: register fields take their names
    std::filesystem::path projectFolder; // the folder whose "pic" sub-folder holds pictures
    uint32_t passwordLevels = 0;         // the project's number of password levels
    bool registerSettingControl = false; // SystemFlags bit 2: register setting control allowed
    int language = 0;                    // 0: language 1, 1: language 2
};

class PropertyPane : public QWidget {
    Q_OBJECT
public:
    explicit PropertyPane(QWidget* parent = nullptr) : QWidget(parent) {}

    // The type name of the records this pane edits: "Page", "StaticText", "Led", ...
    virtual QString typeName() const = 0;
    // Takes the project-wide facts; panes that show them refresh their controls here.
    virtual void setContext(const PaneContext& context) { context_ = context; }
    const PaneContext& context() const { return context_; }

    // Copies a stored record (and its widget id; 0 for the page) into the working record and
    // the controls. A record of the wrong size leaves the pane on the kind's defaults.
    virtual void loadRecord(std::span<const uint8_t> record, int32_t widgetId) = 0;
    // Parses the controls into the working record, cuts numbers to their ranges, applies the
    // record's rules with their messages (through context().prompt); false when refused.
    virtual bool apply() = 0;
    // The working record as the page stores it.
    virtual std::vector<uint8_t> workingRecord() const = 0;
    // The id of the widget whose record is loaded; 0 for the page.
    int32_t widgetId() const { return widgetId_; }

    // The widget's position in display pixels (x, y); the pane shows it in its read-only X and
    // Y fields and its working record takes it. The page pane ignores it.
    virtual void setPosition(int x, int y) {
        Q_UNUSED(x)
        Q_UNUSED(y)
    }
    // The pixel size of the picture just placed (picture pane only).
    virtual void setPictureSize(int width, int height) {
        Q_UNUSED(width)
        Q_UNUSED(height)
    }
    // The code-page bytes the selected object shows after textChanged() (static text pane).
    virtual std::string displayText() const { return {}; }

    // The pane's one note beside a field, made when first needed.
    FieldHint& hint();

signals:
    // The page description was edited; the view renames the page's tree item.
    void pageDescriptionChanged();
    // The text to show changed; the view sets displayText() on the selected object.
    void textChanged();
    // A control was edited: the view draws the selected widget as workingRecord() has it.
    void lookChanged();
    // A change the pane made marks the document modified at once.
    void documentModified();
    // apply() accepted the record: the view stores workingRecord() and redraws the widget.
    void recordApplied();

protected:
    void setWidgetId(int32_t id) { widgetId_ = id; }

private:
    PaneContext context_;
    int32_t widgetId_ = 0;
    FieldHint* hint_ = nullptr;
};

} // namespace zorv
