#include "panes/ChartFields.h"

#include "panes/FieldHint.h"
#include "panes/PaneFields.h"

namespace zorv {

// The fields are made in the order the pane shows them, which is the order Tab walks them.
ChartFields::ChartFields(QWidget* parent) : QObject(parent) {
    // Typed values reach apply() whole, which cuts them and shows the bound used.
    width_ = numberField(tr("Wide"), 0, UINT32_MAX, parent);
    height_ = numberField(tr("High"), 0, UINT32_MAX, parent);
    reg_ = new RegisterRefRow({RegisterType::D, RegisterType::M},
                              {tr("Station No.:"), tr("Type:"), tr("ADDR:")}, parent);
    count_ = registerCountBox(tr("Register No."), parent);
    mode_ = new NumberModeRow(parent);
    fullScale_ = numberField(tr("full-scale value"), INT32_MIN, UINT32_MAX, parent);
    zeroScale_ = numberField(tr("zero-scale value"), INT32_MIN, UINT32_MAX, parent);
}

QGroupBox* ChartFields::sizeBox(QWidget* parent) const {
    auto* box = new QGroupBox(tr("Size"), parent);
    box->setAccessibleName(tr("Size"));
    auto* line = new QHBoxLayout(box);
    line->addWidget(buddyLabel(tr("Wide:"), width_, box));
    line->addWidget(width_);
    line->addWidget(buddyLabel(tr("High:"), height_, box));
    line->addWidget(height_);
    width_->setMaximumWidth(56);
    height_->setMaximumWidth(56);
    return box;
}

void ChartFields::addRegisterLines(QBoxLayout* column, QWidget* parent) const {
    auto* registerLine = new QHBoxLayout;
    registerLine->addWidget(reg_);
    registerLine->addWidget(buddyLabel(tr("Register No.:"), count_, parent));
    registerLine->addWidget(count_);
    registerLine->addStretch();
    column->addLayout(registerLine);
    column->addWidget(mode_);
}

QGroupBox* ChartFields::displayBox(QWidget* parent) const {
    auto* box = new QGroupBox(tr("Display"), parent);
    box->setAccessibleName(tr("Display"));
    return box;
}

QHBoxLayout* ChartFields::scaleLine(QWidget* parent) const {
    auto* line = new QHBoxLayout;
    line->addWidget(buddyLabel(tr("full-scale value :"), fullScale_, parent));
    line->addWidget(fullScale_);
    line->addWidget(buddyLabel(tr("zero-scale value:"), zeroScale_, parent));
    line->addWidget(zeroScale_);
    return line;
}

void ChartFields::showScale(const rules::ScaleForm& form) {
    showRegisterCount(*count_, form.registers);
    mode_->showMode(form.isSigned, form.hexBcd);
    fullScale_->setText(QString::fromStdString(form.fullScale));
    zeroScale_->setText(QString::fromStdString(form.zeroScale));
}

rules::ScaleForm ChartFields::scale() const {
    return {registerCountOf(*count_), mode_->isSigned(), mode_->hexBcd(),
            fullScale_->text().toStdString(), zeroScale_->text().toStdString()};
}

void ChartFields::showSize(const std::string& width, const std::string& height) {
    width_->setText(QString::fromStdString(width));
    height_->setText(QString::fromStdString(height));
}

void ChartFields::describeSizes(const QString& kind) {
    // A size is raised to 16 pixels, else cut where the display ends.
    const auto sizeText = [kind](const QString& extent, const QString& edge) {
        return [kind, extent, edge](const QString& typed, const QString& shown) {
            if (typed.toLongLong() < shown.toLongLong())
                return tr("%1 is at least 16 pixels %2: set to %3").arg(kind, extent, shown);
            return tr("%1 ends at the display's %2 edge: set to %3").arg(kind, edge, shown);
        };
    };
    describeCorrection(*width_, sizeText(tr("wide"), tr("right")));
    describeCorrection(*height_, sizeText(tr("high"), tr("bottom")));
}

} // namespace zorv
