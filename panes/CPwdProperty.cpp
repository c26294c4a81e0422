#include "panes/CPwdProperty.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/rules/NumberEntry.h"
#include "panes/PaneFields.h"

namespace zorv {

CPwdProperty::CPwdProperty(QWidget* parent) : RecordPane(parent) {
    auto* frame = new QGroupBox(tr("Password control attribute"), this);
    auto* column = new QVBoxLayout(frame);

    auto* position = new PositionBox(frame);
    setPositionBox(position);
    auto* characteristic = new QGroupBox(tr("Characteristic"), frame);
    characteristic->setAccessibleName(tr("Characteristic"));
    inverted_ = new QCheckBox(tr("Inverted"), characteristic);
    (new QHBoxLayout(characteristic))->addWidget(inverted_);
    auto* top = new QHBoxLayout;
    top->addWidget(position);
    top->addWidget(characteristic);
    top->addStretch();
    column->addLayout(top);

    auto* modes = new QGroupBox(tr("Mode of operation "), frame);
    modes->setAccessibleName(tr("Mode of operation"));
    auto* modeGrid = new QGridLayout(modes);
    mode_ = new QButtonGroup(this);
    const char* const names[] = {"PWD Lock", "Password Comparison", "Temporary PWD", "Update PWD"};
    for (int m = PasswordRecord::Lock; m <= PasswordRecord::Update; ++m) {
        auto* button = new QRadioButton(tr(names[m]), modes);
        mode_->addButton(button, m);
        modeGrid->addWidget(button, m / 2, m % 2);
    }
    column->addWidget(modes);

    level_ = new QComboBox(frame);
    level_->setAccessibleName(tr("PWD Level"));
    successPage_ = numberField(tr("Page on success"), 0, UINT32_MAX, frame);
    failurePage_ = numberField(tr("Page on failure"), 0, UINT32_MAX, frame);
    auto* fields = new QGridLayout;
    fields->addWidget(buddyLabel(tr("PWD Level:"), level_, frame), 0, 0);
    fields->addWidget(level_, 0, 1, Qt::AlignLeft);
    fields->addWidget(buddyLabel(tr("operation Success,jump to the page:"), successPage_, frame), 1,
                      0);
    fields->addWidget(successPage_, 1, 1, Qt::AlignLeft);
    fields->addWidget(buddyLabel(tr("operation failed,jump to the page:"), failurePage_, frame), 2,
                      0);
    fields->addWidget(failurePage_, 2, 1, Qt::AlignLeft);
    fields->setColumnStretch(2, 1);
    column->addLayout(fields);
    column->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    setAccessibleName(tr("Password control attribute"));
    showRecord();
}

void CPwdProperty::setContext(const PaneContext& context) {
    RecordPane::setContext(context);
    fillLevels(level_->currentData().toInt());
}

void CPwdProperty::fillLevels(int shownLevel) {
    // Levels 0 up to the project's count (at most the panel's four); a stored level above the
    // count stays in the list until another is chosen, so that opening changes nothing.
    const int count = int(std::min<uint32_t>(context().passwordLevels, rules::kMaxPasswordLevel));
    const int last = std::max(count, shownLevel);
    level_->clear();
    for (int level = 0; level <= last; ++level)
        level_->addItem(QString::number(level), level);
    level_->setCurrentIndex(shownLevel);
}

rules::PasswordForm CPwdProperty::form() const {
    return {std::max(0, mode_->checkedId()), std::to_string(level_->currentData().toInt()),
            successPage_->text().toStdString(), failurePage_->text().toStdString(),
            inverted_->isChecked()};
}

rules::ConfirmResult<PasswordRecord> CPwdProperty::confirm() const {
    return rules::confirmPassword(record(), form());
}

void CPwdProperty::showRecord() {
    const rules::PasswordForm f = rules::passwordFormOf(record());
    // A mode beyond the list shows as the last one, as applying cuts it.
    mode_->button(std::min<int>(f.mode, PasswordRecord::Update))->setChecked(true);
    fillLevels(int(rules::typedNumber(f.level, 0, rules::kMaxPasswordLevel)));
    successPage_->setText(QString::fromStdString(f.successPage));
    failurePage_->setText(QString::fromStdString(f.failurePage));
    inverted_->setChecked(f.inverted);
}

} // namespace zorv
