#include "app/CSaveDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

#include "app/CDirDialog.h"
#include "app/SaveLocation.h"
#include "image/IniFile.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"

namespace zorv {

namespace {

constexpr int kNameLimit = 128;

std::string documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

} // namespace

CSaveDlg::CSaveDlg(Prompt& prompt, FileChooser& chooser, const Paths& paths, QWidget* parent)
    : QDialog(parent), prompt_(prompt), chooser_(chooser), workFolder_(paths.workFolder()),
      name_(new QLineEdit), savePath_(new QLineEdit) {
    setWindowTitle("Save");

    name_->setObjectName("projectName");
    name_->setMaxLength(kNameLimit);
    name_->setMinimumWidth(400);
    savePath_->setObjectName("savePath");
    savePath_->setReadOnly(true);
    auto* nameLabel = new QLabel("Project name:");
    nameLabel->setBuddy(name_);
    auto* pathLabel = new QLabel("Save path:");
    pathLabel->setBuddy(savePath_);

    auto* browse = new QPushButton("...");
    browse->setObjectName("browse");
    browse->setAccessibleName("Choose the save folder");
    browse->setAutoDefault(false);
    browse->setMaximumWidth(browse->fontMetrics().horizontalAdvance("...") + 24);
    auto* ok = new QPushButton("OK");
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton("CANCEL");
    cancel->setObjectName("cancel");
    cancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QGridLayout(this);
    layout->addWidget(nameLabel, 0, 0);
    layout->addWidget(name_, 0, 1, 1, 2);
    layout->addWidget(pathLabel, 1, 0);
    layout->addWidget(savePath_, 1, 1);
    layout->addWidget(browse, 1, 2);
    layout->addLayout(buttons, 2, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(name_, &QLineEdit::textChanged, this, &CSaveDlg::showSavePath);
    connect(browse, &QPushButton::clicked, this, &CSaveDlg::browse);
    connect(ok, &QPushButton::clicked, this, &CSaveDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CSaveDlg::reject);

    // Without info.ini (a first save) the dialog starts in the documents folder; OK then makes
    // the file, so the folder is remembered from then on.
    const LastPath last = readLastPath(workFolder_);
    if (last.state == LastPath::State::Unreadable)
        prompt_.message(kInfoIniMissingMessage);
    base_ = startFolder(last.folder, documentsFolder());
    showSavePath();
    name_->setFocus();
}

SaveTarget CSaveDlg::target() const {
    return SaveTarget{std::filesystem::path(savePath_->text().toStdString()),
                      trimBlanks(name_->text().toStdString())};
}

void CSaveDlg::showSavePath() {
    const QString path = QString::fromStdString(savePathText(base_, name_->text().toStdString()));
    savePath_->setText(path);
    savePath_->setToolTip(path); // a long path scrolls in the box; the tip shows all of it
    savePath_->end(false);
}

void CSaveDlg::browse() {
    CDirDialog picker(chooser_, this);
    picker.setInitialSelection(QString::fromStdString(withoutTrailingSeparator(base_)));
    if (const auto chosen = picker.choose()) {
        base_ = withTrailingSeparator(chosen->toStdString());
        showSavePath();
    }
}

void CSaveDlg::accept() {
    // A name of blanks alone would give a project file named ".zvd": it counts as no name.
    if (trimBlanks(name_->text().toStdString()).empty() || savePath_->text().isEmpty()) {
        prompt_.message(kSaveNameMissingMessage);
        return;
    }
    if (nameHasInvalidCharacter(name_->text().toStdString())) {
        prompt_.message(kSaveNameInvalidMessage);
        return;
    }
    if (!createFolders(base_))
        return;
    if (!writeLastPath(workFolder_, base_))
        prompt_.message(kInfoIniMissingMessage);
    QDialog::accept();
}

} // namespace zorv
