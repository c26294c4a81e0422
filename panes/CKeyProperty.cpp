#include "panes/CKeyProperty.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/rules/KeyTable.h"
#include "panes/CKeyPropertySet1.h"
#include "panes/CKeyPropertySet2.h"
#include "panes/CKeyPropertySet3.h"
#include "panes/CKeyPropertySet4.h"

namespace zorv {

CKeyProperty::CKeyProperty(QWidget* parent) : RecordPane(parent) {
    auto* frame = new QGroupBox(tr("Function key attribute"), this);
    auto* position = new PositionBox(frame);
    setPositionBox(position);

    key_ = new QComboBox(frame);
    for (const char* label : rules::kKeyListLabels)
        key_->addItem(QString::fromLatin1(label));
    key_->setAccessibleName(tr("Key"));
    key_->setMaxVisibleItems(rules::kKeyListSize);
    auto* keyRow = new QGridLayout;
    addLabelled(keyRow, 0, 0, tr("Key:"), key_);
    keyRow->setColumnStretch(1, 1);

    auto* characteristic = new QGroupBox(tr("Characteristic"), frame);
    doubleSize_ = new QCheckBox(tr("double size"), characteristic);
    inverted_ = new QCheckBox(tr("Inverted "), characteristic);
    auto* looks = new QVBoxLayout(characteristic);
    looks->addWidget(doubleSize_);
    looks->addWidget(inverted_);
    hand_ = new QCheckBox(tr("Hand-type"), frame);
    invisible_ = new QCheckBox(tr("Invisiable"), frame);
    encrypted_ = new QCheckBox(tr("Encryption"), frame);

    auto* left = new QVBoxLayout;
    left->addLayout(keyRow);
    left->addWidget(characteristic);
    left->addWidget(hand_);
    left->addWidget(invisible_);
    left->addWidget(encrypted_);
    left->addStretch();

    register_ = new RegisterGroup({RegisterType::D, RegisterType::M}, tr("Register"), tr("Addr.:"),
                                  RegisterGroup::Arrangement::Row, frame);
    actions_ = new QButtonGroup(this);
    auto* buttons = new QGridLayout;
    // In the order of the action codes 0..3.
    const char* const actionTexts[] = {"Set coil", "Screen jump", "Set register", "Register +/-"};
    for (int action = 0; action < 4; ++action) {
        auto* button = new QPushButton(tr(actionTexts[action]), frame);
        button->setCheckable(true);
        actions_->addButton(button, action);
        buttons->addWidget(button, action / 2, action % 2);
    }
    stack_ = new QStackedWidget(frame);
    subPanes_ = {new CKeyPropertySet1(stack_), new CKeyPropertySet2(stack_),
                 new CKeyPropertySet3(stack_), new CKeyPropertySet4(stack_)};
    for (CKeySubPane* sub : subPanes_) {
        sub->layout()->setContentsMargins(0, 0, 0, 0);
        stack_->addWidget(sub);
    }
    auto* right = new QVBoxLayout;
    right->addLayout(buttons);
    right->addWidget(stack_, 1);

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setSpacing(4);
    grid->addWidget(position, 0, 0);
    grid->addWidget(register_, 0, 1);
    grid->addLayout(left, 1, 0);
    grid->addLayout(right, 1, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    setAccessibleName(tr("Function key attribute"));

    connect(actions_, &QButtonGroup::idClicked, this, &CKeyProperty::chooseAction);
    showRecord();
}

rules::KeyForm CKeyProperty::formOfControls() const {
    rules::KeyForm form = rules::keyFormOf(record());
    form.listPosition = key_->currentIndex();
    form.hand = hand_->isChecked();
    form.invisible = invisible_->isChecked();
    form.encrypted = encrypted_->isChecked();
    form.doubleSize = doubleSize_->isChecked();
    form.inverted = inverted_->isChecked();
    form.action = std::max(actions_->checkedId(), 0);
    if (form.action != KeyRecord::ScreenJump)
        form.reg = register_->form();
    subPanes_[std::size_t(form.action)]->takeForm(form);
    return form;
}

rules::ConfirmResult<KeyRecord> CKeyProperty::confirm() const {
    return rules::confirmKey(record(), formOfControls());
}

void CKeyProperty::showRecord() {
    const rules::KeyForm form = rules::keyFormOf(record());
    key_->setCurrentIndex(form.listPosition);
    hand_->setChecked(form.hand);
    invisible_->setChecked(form.invisible);
    encrypted_->setChecked(form.encrypted);
    doubleSize_->setChecked(form.doubleSize);
    inverted_->setChecked(form.inverted);
    for (CKeySubPane* sub : subPanes_)
        sub->showForm(form);
    chooseAction(form.action);
    register_->showForm(form.reg);
}

void CKeyProperty::chooseAction(int action) {
    if (QAbstractButton* button = actions_->button(action))
        button->setChecked(true);
    stack_->setCurrentIndex(action);
    // A coil is an M bit; the register actions take D or M; a jump uses no register.
    if (action == KeyRecord::SetCoil)
        register_->setTypes({RegisterType::M});
    else
        register_->setTypes({RegisterType::D, RegisterType::M});
    register_->setEnabled(action != KeyRecord::ScreenJump);
}

} // namespace zorv
