#include "panes/CMenuProperty.h"

#include <QGridLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "panes/LanguageTextList.h"
#include "panes/ListPaneFrame.h"
#include "panes/PaneFields.h"

namespace zorv {

CMenuProperty::CMenuProperty(QWidget* parent) : RecordPane(parent) {
    auto* position = new PositionBox(this);
    setPositionBox(position);
    register_ = new RegisterGroup({RegisterType::D, RegisterType::M}, tr("Register"), tr("ADDR:"),
                                  RegisterGroup::Arrangement::Column, this);
    length_ = registerCountBox(tr("Length"), register_);
    // The length beside the address, the register's last row.
    auto* registerGrid = static_cast<QGridLayout*>(register_->layout());
    addLabelled(registerGrid, registerGrid->rowCount() - 1, 2, tr("Length:"), length_);

    const RowsPerPageLine rows = rowsPerPageLine(tr("The No. of rows per page:"), this);
    rowsPerPage_ = rows.field;

    auto* modes = new QGroupBox(tr("Mode of operation"), this);
    modes->setAccessibleName(tr("Mode of operation"));
    mode_ = new QButtonGroup(this);
    auto* pageJump = new QRadioButton(tr("Page jump"), modes);
    auto* registerSetting = new QRadioButton(tr("Register Setting"), modes);
    pageJump->setObjectName("pageJump");
    registerSetting->setObjectName("registerSetting");
    mode_->addButton(pageJump, MenuRecord::kModePageJump);
    mode_->addButton(registerSetting, MenuRecord::kModeRegisterSetting);
    auto* modeRow = new QHBoxLayout(modes);
    modeRow->addWidget(pageJump);
    modeRow->addWidget(registerSetting);

    texts_ = new LanguageTextList(tr("Value"), tr("Menu name"), *this, this);

    QVBoxLayout* left = layOutListPane(*this, tr("Menu Attribute"), position, texts_);
    addRegisterColumn(left, register_, rows.line, modes);

    connect(texts_, &LanguageTextList::rowsEdited, this, [this] { markEdited(); });
    connect(texts_, &LanguageTextList::singleWinEditClicked, this, [this] {
        const rules::MenuForm f = form();
        editChoiceTable(*texts_, record(), kMenuTable,
                        rules::menuMaxValue(f.mode, f.registerLength));
    });
    showRecord();
}

rules::MenuForm CMenuProperty::form() const {
    rules::MenuForm f;
    f.reg = register_->form();
    f.registerLength = registerCountOf(*length_);
    f.rowsPerPage = rowsPerPage_->text().toStdString();
    f.mode = uint8_t(mode_->checkedId() == MenuRecord::kModeRegisterSetting
                         ? MenuRecord::kModeRegisterSetting
                         : MenuRecord::kModePageJump);
    f.rows = texts_->rows();
    return f;
}

rules::ConfirmResult<MenuRecord> CMenuProperty::confirm() const {
    return rules::confirmMenu(record(), form());
}

void CMenuProperty::showRecord() {
    const rules::MenuForm f = rules::menuFormOf(record());
    register_->showForm(f.reg);
    showRegisterCount(*length_, f.registerLength);
    rowsPerPage_->setText(QString::fromStdString(f.rowsPerPage));
    // Any mode other than register setting is page jump, as applying takes it.
    mode_
        ->button(f.mode == MenuRecord::kModeRegisterSetting ? MenuRecord::kModeRegisterSetting
                                                            : MenuRecord::kModePageJump)
        ->setChecked(true);
    texts_->showRows(f.rows);
}

} // namespace zorv
