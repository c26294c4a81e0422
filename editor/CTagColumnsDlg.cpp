#include "editor/CTagColumnsDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "model/RegisterName.h"

namespace zorv {

namespace {

// The first column whose heading holds one of the words, ASCII case aside; -1 for none.
int columnNamed(const std::vector<std::string>& firstRow,
                std::initializer_list<const char*> words) {
    for (std::size_t k = 0; k < firstRow.size(); ++k) {
        const QString heading = QString::fromStdString(firstRow[k]);
        for (const char* word : words)
            if (heading.contains(QLatin1String(word), Qt::CaseInsensitive))
                return int(k);
    }
    return -1;
}

QComboBox* columnList(const std::vector<std::string>& firstRow, const QString& name,
                      QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setAccessibleName(name);
    for (std::size_t k = 0; k < firstRow.size(); ++k)
        list->addItem(QStringLiteral("%1: %2").arg(k + 1).arg(QString::fromStdString(firstRow[k])));
    return list;
}

} // namespace

bool isTagFileHeader(const std::vector<std::string>& firstRow) {
    const auto names = [&](const char* column) {
        return std::any_of(firstRow.begin(), firstRow.end(),
                           [&](const std::string& field) { return sameTagName(field, column); });
    };
    return names("name") && names("register");
}

CTagColumnsDlg::CTagColumnsDlg(const std::vector<std::string>& firstRow, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Tag Columns"));
    const int columns = int(firstRow.size());
    name_ = columnList(firstRow, tr("Name column"), this);
    register_ = columnList(firstRow, tr("Register column"), this);
    comment_ = columnList(firstRow, tr("Comment column"), this);
    comment_->insertItem(0, tr("(none)"));
    // Headings a PLC tool gives these columns, else the first columns in turn.
    const int name = columnNamed(firstRow, {"name", "symbol", "tag"});
    const int reg = columnNamed(firstRow, {"register", "address", "addr", "operand"});
    const int comment = columnNamed(firstRow, {"comment", "description", "remark"});
    name_->setCurrentIndex(name >= 0 ? name : 0);
    register_->setCurrentIndex(reg >= 0 ? reg : std::min(1, columns - 1));
    comment_->setCurrentIndex(comment >= 0 ? comment + 1 : columns > 2 ? 3 : 0);
    // A first row whose register column reads as a register is a tag itself.
    const int shownReg = register_->currentIndex();
    header_ = new QCheckBox(tr("The first row names the columns"), this);
    header_->setChecked(shownReg < 0 ||
                        !parseRegisterText(firstRow[std::size_t(shownReg)]).has_value());

    auto* note = new QLabel(tr("The first row of the file is not \"name,register,comment\". "
                               "Choose the columns that hold the tags:"),
                            this);
    note->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("&Register:"), register_);
    form->addRow(tr("&Comment:"), comment_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(header_);
    layout->addWidget(buttons);
    for (QComboBox* list : {name_, register_})
        connect(list, &QComboBox::currentIndexChanged, this, &CTagColumnsDlg::updateOk);
    updateOk();
}

void CTagColumnsDlg::updateOk() {
    ok_->setEnabled(name_->currentIndex() >= 0 && register_->currentIndex() >= 0 &&
                    name_->currentIndex() != register_->currentIndex());
}

TagImportOptions CTagColumnsDlg::options() const {
    TagImportOptions options;
    options.name = {"", name_->currentIndex()};
    options.reg = {"", register_->currentIndex()};
    options.comment = {"", comment_->currentIndex() - 1, false};
    options.header = header_->isChecked();
    return options;
}

} // namespace zorv
