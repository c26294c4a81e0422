#include "panes/CRegisterProperty.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "model/rules/NumberEntry.h"
#include "panes/PaneFields.h"

namespace zorv {

namespace {

QHBoxLayout* row(QVBoxLayout* column) {
    auto* line = new QHBoxLayout;
    line->setSpacing(4);
    column->addLayout(line);
    return line;
}

} // namespace

CRegisterProperty::CRegisterProperty(QWidget* parent) : RecordPane(parent) {
    auto* frame = new QGroupBox(tr("Register attribute"), this);
    auto* column = new QVBoxLayout(frame);
    column->setSpacing(2);
    column->setContentsMargins(6, 4, 6, 4);

    auto* position = new PositionBox(frame);
    setPositionBox(position);
    auto* characteristic = new QGroupBox(tr("Characteristic"), frame);
    characteristic->setAccessibleName(tr("Characteristic"));
    doubleSize_ = new QCheckBox(tr("double size"), characteristic);
    inverted_ = new QCheckBox(tr("Inverted "), characteristic);
    auto* characteristicRow = new QHBoxLayout(characteristic);
    characteristicRow->addWidget(doubleSize_);
    characteristicRow->addWidget(inverted_);
    encryption_ = new QCheckBox(tr("Encryption"), frame);
    inputLimit_ = new QCheckBox(tr("Input Limit "), frame);
    auto* entryChecks = new QVBoxLayout;
    entryChecks->addWidget(encryption_);
    entryChecks->addWidget(inputLimit_);
    QHBoxLayout* top = row(column);
    top->addWidget(position);
    top->addWidget(characteristic);
    top->addLayout(entryChecks);
    top->addStretch();

    reg_ = new RegisterRefRow({RegisterType::D, RegisterType::M},
                              {tr("Station No.:"), tr("Type:"), tr("ADDR:")}, frame);
    count_ = registerCountBox(tr("Register No."), frame);
    QHBoxLayout* registerLine = row(column);
    registerLine->addWidget(reg_);
    registerLine->addWidget(buddyLabel(tr("Register No.:"), count_, frame));
    registerLine->addWidget(count_);
    registerLine->addStretch();

    mode_ = new NumberModeRow(frame);
    digits_ = numberField(tr("Digit"), 0, 99, frame);
    decimals_ = numberField(tr("Precision"), 0, 99, frame);
    digits_->setMaximumWidth(32);
    decimals_->setMaximumWidth(32);
    QHBoxLayout* formatLine = row(column);
    formatLine->addWidget(mode_);
    formatLine->addWidget(buddyLabel(tr("Digit:"), digits_, frame));
    formatLine->addWidget(digits_);
    formatLine->addWidget(buddyLabel(tr("Precision:"), decimals_, frame));
    formatLine->addWidget(decimals_);
    formatLine->addStretch();

    settable_ = new QCheckBox(tr("Setable"), frame);
    QHBoxLayout* setLine = row(column);
    setLine->addWidget(settable_);
    auto* setLabel = new QLabel(tr("Set control values (by bit):"), frame);
    setLine->addWidget(setLabel);
    auto* bits = new QHBoxLayout;
    bits->setSpacing(0);
    for (int bit = 7; bit >= 0; --bit) {
        auto* box = new QCheckBox(QString::number(bit), frame);
        box->setAccessibleName(tr("Set control bit %1").arg(bit));
        setBits_[std::size_t(bit)] = box;
        bits->addWidget(box);
    }
    setLabel->setBuddy(setBits_[7]);
    setLine->addLayout(bits);
    setLine->addStretch();

    relation_ = new QCheckBox(tr("Relation"), frame);
    relationType_ = new QComboBox(frame);
    relationType_->addItem(QStringLiteral("M"), int(RegisterType::M));
    relationType_->setAccessibleName(tr("Related bit type"));
    relatedAddress_ = numberField(tr("Related bit address"), 0, UINT32_MAX, frame);
    relatedAddress_->setMaximumWidth(56);
    dataType_ = new QComboBox(frame);
    dataType_->addItems({tr("Raw data"), tr("Engineering data")});
    dataType_->setAccessibleName(tr("Data type"));
    QHBoxLayout* relationLine = row(column);
    relationLine->addWidget(relation_);
    relationLine->addWidget(buddyLabel(tr("Type:"), relationType_, frame));
    relationLine->addWidget(relationType_);
    relationLine->addWidget(buddyLabel(tr("Addr.:"), relatedAddress_, frame));
    relationLine->addWidget(relatedAddress_);
    relationLine->addSpacing(12);
    relationLine->addWidget(buddyLabel(tr("Data type:"), dataType_, frame));
    relationLine->addWidget(dataType_);
    relationLine->addStretch();

    // Each bound: its check box, and below it the row that switches between constants and
    // register fields.
    upper_ = new RegisterBoundRow(
        {tr("UpperBoundAssociatedToRegister"), tr("InputUpper:"), tr("WorkloadUpper:")}, frame);
    lower_ = new RegisterBoundRow(
        {tr("LowerBoundAssociatedToRegister"), tr("InputLower:"), tr("WorkloadLower:")}, frame);
    for (RegisterBoundRow* bound : {upper_, lower_}) {
        QHBoxLayout* checkLine = row(column);
        checkLine->addWidget(bound->check());
        checkLine->addStretch();
        QHBoxLayout* line = row(column);
        line->addSpacing(20);
        line->addWidget(bound->fields(), 1);
    }
    column->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    setAccessibleName(tr("Register attribute"));

    showRecord();
    enableSetBits();
}

void CRegisterProperty::setContext(const PaneContext& context) {
    RecordPane::setContext(context);
    enableSetBits();
}

rules::RegisterForm CRegisterProperty::form() const {
    rules::RegisterForm f;
    f.reg = reg_->form();
    f.registers = registerCountOf(*count_);
    f.doubleSize = doubleSize_->isChecked();
    f.inverted = inverted_->isChecked();
    f.isSigned = mode_->isSigned();
    f.hexBcd = mode_->hexBcd();
    f.engineering = dataType_->currentIndex() == 1;
    f.inputLimit = inputLimit_->isChecked();
    f.encrypted = encryption_->isChecked();
    f.settable = settable_->isChecked();
    for (std::size_t bit = 0; bit < setBits_.size(); ++bit)
        if (setBits_[bit]->isChecked())
            f.setMask = uint8_t(f.setMask | (1u << bit));
    f.digits = digits_->text().toStdString();
    f.decimals = decimals_->text().toStdString();
    f.upper = upper_->form();
    f.lower = lower_->form();
    f.relation = relation_->isChecked();
    f.relatedAddress = relatedAddress_->text().toStdString();
    return f;
}

rules::ConfirmResult<RegisterRecord> CRegisterProperty::confirm() const {
    return rules::confirmRegister(record(), form());
}

void CRegisterProperty::showRecord() {
    const rules::RegisterForm f = rules::registerFormOf(record());
    reg_->showForm(f.reg);
    showRegisterCount(*count_, f.registers);
    doubleSize_->setChecked(f.doubleSize);
    inverted_->setChecked(f.inverted);
    mode_->showMode(f.isSigned, f.hexBcd);
    dataType_->setCurrentIndex(f.engineering ? 1 : 0);
    inputLimit_->setChecked(f.inputLimit);
    encryption_->setChecked(f.encrypted);
    settable_->setChecked(f.settable);
    for (std::size_t bit = 0; bit < setBits_.size(); ++bit)
        setBits_[bit]->setChecked((f.setMask >> bit) & 1u);
    digits_->setText(QString::fromStdString(f.digits));
    decimals_->setText(QString::fromStdString(f.decimals));
    upper_->showForm(f.upper);
    lower_->showForm(f.lower);
    relation_->setChecked(f.relation);
    relatedAddress_->setText(QString::fromStdString(f.relatedAddress));
}

void CRegisterProperty::enableSetBits() {
    // The bits keep what they hold; the project decides whether they may be changed.
    for (QCheckBox* box : setBits_)
        box->setEnabled(context().registerSettingControl);
}

} // namespace zorv
