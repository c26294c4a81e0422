#include "panes/TextAttributesBox.h"

#include <QGridLayout>

namespace zorv {

TextAttributesBox::TextAttributesBox(QWidget* parent) : QGroupBox(tr("Characteristic"), parent) {
    setAccessibleName(tr("Characteristic"));
    auto box = [this](const char* text, const char* name) {
        auto* check = new QCheckBox(tr(text), this);
        check->setObjectName(QString::fromLatin1(name));
        return check;
    };
    doubleSize_ = box("double size", "doubleSize");
    inverted_ = box("Inverted ", "inverted");
    border_ = box("Border", "border");
    virtual_ = box("Virtual ", "virtual");
    flashing_ = box("Flashing", "flashing");
    auto* grid = new QGridLayout(this);
    grid->addWidget(doubleSize_, 0, 0);
    grid->addWidget(inverted_, 0, 1);
    grid->addWidget(border_, 1, 0);
    grid->addWidget(virtual_, 1, 1);
    grid->addWidget(flashing_, 2, 0);
}

void TextAttributesBox::showForm(const rules::TextAttributesForm& form) {
    doubleSize_->setChecked(form.doubleSize);
    inverted_->setChecked(form.inverted);
    border_->setChecked(form.border);
    virtual_->setChecked(form.virtualText);
    flashing_->setChecked(form.flashing);
}

rules::TextAttributesForm TextAttributesBox::form() const {
    rules::TextAttributesForm form;
    form.doubleSize = doubleSize_->isChecked();
    form.inverted = inverted_->isChecked();
    form.border = border_->isChecked();
    form.virtualText = virtual_->isChecked();
    form.flashing = flashing_->isChecked();
    return form;
}

} // namespace zorv
