#pragma once
// FontMaker's window: the list of user characters, the grid that edits the chosen one, its
// picture at the panel's size and at the page canvas's double size, and the buttons to add,
// delete and save. It opens the user library where the compiler finds it and always saves into
// the work folder, so an installed program folder is never written.

#include <QMainWindow>

#include "image/UserLibrary.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zorv::fontmaker {

class GlyphGrid;

class FontMakerWindow : public QMainWindow {
    Q_OBJECT
public:
    // `paths` and `prompt` must outlive the window.
    FontMakerWindow(const Paths& paths, Prompt& prompt, QWidget* parent = nullptr);

    // Reads the user library again from where it is found; false (after a message) when it
    // cannot be read, leaving the window with no characters.
    bool open();
    // Saves into the work folder; false (after a message) when the file cannot be written.
    bool save();

    const UserLibrary& library() const { return library_; }
    const std::filesystem::path& openedPath() const { return opened_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWidgets();
    void fillList(uint8_t select);
    void showCharacter();
    void addCharacter();
    void deleteCharacter();
    void editCharacter(const oonedraw::GlyphRows& rows);
    // The code of the chosen list row; nothing when no row is chosen.
    std::optional<uint8_t> currentCode() const;
    void setModified(bool modified);

    const Paths& paths_;
    Prompt& prompt_;
    UserLibrary library_;
    std::filesystem::path opened_;

    QListWidget* list_ = nullptr;
    GlyphGrid* grid_ = nullptr;
    QLabel* codeLabel_ = nullptr;
    QLabel* actualSize_ = nullptr;
    QLabel* doubleSize_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* save_ = nullptr;
};

} // namespace zorv::fontmaker
