#include "editor/CPageNumberDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <optional>

#include "model/EditorViewRules.h"
#include "platform/Prompt.h"

namespace zorv {

namespace {

// The typed page number; nothing when it is empty or above the largest page number.
std::optional<int> typedPageNumber(const QString& text) {
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number > kMaxPageNumber)
        return std::nullopt;
    return number;
}

} // namespace

CPageNumberDlg::CPageNumberDlg(const QString& title, int proposed, PlaceMode mode, Prompt& prompt,
                               QWidget* parent)
    : QDialog(parent), prompt_(prompt) {
    setWindowTitle(title);
    form_ = new QFormLayout;
    number_ = new QLineEdit(QString::number(proposed), this);
    // Six digits: a number past the range is seen whole and named at OK, not cut while typing.
    number_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), number_));
    number_->setAccessibleName(tr("Page number"));
    auto* numberLabel = new QLabel(tr("Page number:"), this);
    numberLabel->setBuddy(number_);
    form_->addRow(numberLabel, number_);

    insert_ = new QRadioButton(tr("Insert"), this);
    cover_ = new QRadioButton(tr("Cover"), this);
    (mode == PlaceMode::Cover ? cover_ : insert_)->setChecked(true);
    auto* modes = new QHBoxLayout;
    modes->addWidget(insert_);
    modes->addWidget(cover_);
    modes->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addLayout(modes);
    layout->addWidget(buttons);
}

int CPageNumberDlg::number() const {
    return typedPageNumber(number_->text()).value_or(0);
}

void CPageNumberDlg::accept() {
    if (!typedPageNumber(number_->text())) {
        prompt_.message(viewmsg::kPageNumberRange);
        number_->setFocus();
        number_->selectAll();
        return;
    }
    QDialog::accept();
}

PlaceMode CPageNumberDlg::mode() const {
    return cover_->isChecked() ? PlaceMode::Cover : PlaceMode::Insert;
}

} // namespace zorv
