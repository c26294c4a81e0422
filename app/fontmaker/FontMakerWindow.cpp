#include "app/fontmaker/FontMakerWindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/fontmaker/GlyphGrid.h"
#include "app/fontmaker/GlyphImage.h"
#include "image/GlyphFiles.h"

namespace zorv::fontmaker {

namespace {

constexpr int kCodeRole = Qt::UserRole;
constexpr int kIconScale = 2;

QString escapeText(uint8_t code) {
    return QString::fromStdString(characterEscape(code));
}

// The code, and the name the record carries when it is more than the code itself.
QString itemText(const UserCharacter& c) {
    const QString code = escapeText(c.code);
    const auto end = std::find(c.label.begin(), c.label.end(), 0);
    const bool printable =
        std::all_of(c.label.begin(), end, [](uint8_t b) { return b >= 0x20 && b < 0x7F; });
    const QString name =
        QString::fromLatin1(reinterpret_cast<const char*>(c.label.data()), end - c.label.begin());
    return printable && !name.isEmpty() && name != code ? code + "  " + name : code;
}

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

FontMakerWindow::FontMakerWindow(const Paths& paths, Prompt& prompt, QWidget* parent)
    : QMainWindow(parent), paths_(paths), prompt_(prompt) {
    setWindowTitle(tr("FontMaker - User characters[*]"));
    buildWidgets();
    open();
}

void FontMakerWindow::buildWidgets() {
    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);

    auto* listColumn = new QVBoxLayout;
    auto* listLabel = new QLabel(tr("&Characters:"), central);
    list_ = new QListWidget(central);
    list_->setAccessibleName(tr("User characters"));
    list_->setIconSize(QSize(16 * kIconScale, 16 * kIconScale));
    list_->setMinimumWidth(150);
    listLabel->setBuddy(list_);
    add_ = new QPushButton(tr("&Add"), central);
    delete_ = new QPushButton(tr("&Delete"), central);
    add_->setToolTip(tr("Add a character at the next free code"));
    delete_->setToolTip(tr("Delete the chosen character"));
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(add_);
    listButtons->addWidget(delete_);
    listColumn->addWidget(listLabel);
    listColumn->addWidget(list_, 1);
    listColumn->addLayout(listButtons);
    columns->addLayout(listColumn);

    auto* gridColumn = new QVBoxLayout;
    codeLabel_ = new QLabel(central);
    grid_ = new GlyphGrid(central);
    codeLabel_->setBuddy(grid_);
    gridColumn->addWidget(codeLabel_);
    gridColumn->addWidget(grid_);
    gridColumn->addStretch(1);
    columns->addLayout(gridColumn);

    auto* previewBox = new QGroupBox(tr("Preview"), central);
    auto* previews = new QGridLayout(previewBox);
    actualSize_ = new QLabel(previewBox);
    doubleSize_ = new QLabel(previewBox);
    actualSize_->setAccessibleName(tr("Actual size"));
    doubleSize_->setAccessibleName(tr("Double size"));
    auto* actualLabel = new QLabel(tr("Actual size (panel):"), previewBox);
    auto* doubleLabel = new QLabel(tr("Double size (page view):"), previewBox);
    for (QLabel* picture : {actualSize_, doubleSize_}) {
        picture->setFrameShape(QFrame::Box);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    previews->addWidget(actualLabel, 0, 0);
    previews->addWidget(actualSize_, 1, 0, Qt::AlignLeft);
    previews->addWidget(doubleLabel, 2, 0);
    previews->addWidget(doubleSize_, 3, 0, Qt::AlignLeft);
    previews->setRowStretch(4, 1);

    save_ = new QPushButton(tr("&Save"), central);
    auto* close = new QPushButton(tr("C&lose"), central);
    save_->setToolTip(tr("Save the user characters for the editor"));
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(previewBox, 1);
    rightColumn->addWidget(save_);
    rightColumn->addWidget(close);
    columns->addLayout(rightColumn);
    setCentralWidget(central);

    connect(list_, &QListWidget::currentItemChanged, this, [this] { showCharacter(); });
    connect(grid_, &GlyphGrid::rowsEdited, this, &FontMakerWindow::editCharacter);
    connect(add_, &QPushButton::clicked, this, &FontMakerWindow::addCharacter);
    connect(delete_, &QPushButton::clicked, this, &FontMakerWindow::deleteCharacter);
    connect(save_, &QPushButton::clicked, this, &FontMakerWindow::save);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

bool FontMakerWindow::open() {
    opened_ = fontFilePath(paths_, FontFile::UserLib);
    UserLibrary read;
    std::string problem;
    const bool ok = readUserLibrary(opened_, read, problem);
    if (!ok) {
        std::error_code error;
        const bool exists = std::filesystem::exists(opened_, error);
        prompt_.message((exists ? fontReadFailure(FontFile::UserLib) + "\n" + problem
                                : fontOpenFailure(FontFile::UserLib)) +
                        "\n" + opened_.string() + "\nFontMaker starts with no characters.");
    } else if (!read.differingCopies().empty()) {
        std::string codes;
        for (uint8_t code : read.differingCopies())
            codes += (codes.empty() ? "" : ", ") + characterEscape(code);
        prompt_.message("The two copies of " + codes +
                        " differ. FontMaker shows the picture the page shows; saving makes both "
                        "copies the same.");
    }
    library_ = ok ? read : UserLibrary();
    fillList(library_.characters().empty() ? 0 : library_.characters().front().code);
    setModified(false);
    statusBar()->showMessage(
        tr("Read from %1; saved to %2")
            .arg(ok ? pathText(opened_) : tr("nowhere"), pathText(userLibrarySavePath(paths_))));
    return ok;
}

bool FontMakerWindow::save() {
    const std::filesystem::path target = userLibrarySavePath(paths_);
    if (!saveUserLibrary(target, library_)) {
        prompt_.message("Failed to save the UserLib.dat!\n" + target.string());
        return false;
    }
    opened_ = target;
    setModified(false);
    statusBar()->showMessage(tr("Saved to %1").arg(pathText(target)));
    return true;
}

void FontMakerWindow::closeEvent(QCloseEvent* event) {
    if (isWindowModified()) {
        switch (
            prompt_.ask("Save the changes to the user characters?", PromptButtons::YesNoCancel)) {
        case PromptAnswer::Yes:
            if (!save()) {
                event->ignore();
                return;
            }
            break;
        case PromptAnswer::No:
            break;
        default:
            event->ignore();
            return;
        }
    }
    event->accept();
}

void FontMakerWindow::fillList(uint8_t select) {
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const UserCharacter& c : library_.characters()) {
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(glyphImage(c.rows, kIconScale))),
                                         itemText(c), list_);
        item->setData(kCodeRole, c.code);
        if (c.code == select)
            list_->setCurrentItem(item);
    }
    showCharacter();
}

std::optional<uint8_t> FontMakerWindow::currentCode() const {
    const QListWidgetItem* item = list_->currentItem();
    if (!item)
        return std::nullopt;
    return uint8_t(item->data(kCodeRole).toUInt());
}

void FontMakerWindow::showCharacter() {
    const std::optional<uint8_t> code = currentCode();
    const UserCharacter* c = code ? library_.find(*code) : nullptr;
    const oonedraw::GlyphRows rows = c ? c->rows : oonedraw::GlyphRows{};
    grid_->setRows(rows);
    grid_->setEnabled(c != nullptr);
    delete_->setEnabled(c != nullptr);
    add_->setEnabled(library_.nextFreeCode().has_value());
    // "&&" shows one ampersand in a label with a mnemonic.
    codeLabel_->setText(c ? tr("&Pixels of character %1 (type %1 in a text to use it):")
                                .arg(escapeText(*code).replace("&", "&&"))
                          : tr("No character chosen: add one."));
    actualSize_->setPixmap(QPixmap::fromImage(glyphImage(rows, 1)));
    doubleSize_->setPixmap(QPixmap::fromImage(glyphImage(rows, 2)));
}

void FontMakerWindow::editCharacter(const oonedraw::GlyphRows& rows) {
    const std::optional<uint8_t> code = currentCode();
    if (!code || !library_.put(*code, rows))
        return;
    list_->currentItem()->setIcon(QIcon(QPixmap::fromImage(glyphImage(rows, kIconScale))));
    actualSize_->setPixmap(QPixmap::fromImage(glyphImage(rows, 1)));
    doubleSize_->setPixmap(QPixmap::fromImage(glyphImage(rows, 2)));
    setModified(true);
}

void FontMakerWindow::addCharacter() {
    const std::optional<uint8_t> code = library_.nextFreeCode();
    if (!code) {
        prompt_.message("All 128 user characters (&80 to &FF) are in use.");
        return;
    }
    library_.put(*code, {});
    fillList(*code);
    setModified(true);
    grid_->setFocus();
}

void FontMakerWindow::deleteCharacter() {
    const std::optional<uint8_t> code = currentCode();
    if (!code || !prompt_.yes("Delete the character " + characterEscape(*code) +
                              "? Texts that use it will no longer show it."))
        return;
    const int row = list_->currentRow();
    library_.remove(*code);
    const auto& left = library_.characters();
    fillList(left.empty() ? 0 : left[std::size_t(std::min<int>(row, int(left.size()) - 1))].code);
    setModified(true);
}

void FontMakerWindow::setModified(bool modified) {
    setWindowModified(modified);
    save_->setEnabled(modified);
}

} // namespace zorv::fontmaker
