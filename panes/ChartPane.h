#pragma once
// What the bar and trend panes share: a frame filling the pane with the position and size on
// top, the register lines, and the "Display" group whose first line holds the scale values.
// Each kind adds its own fields to that group and line.

#include <QGroupBox>
#include <QVBoxLayout>

#include "panes/ChartFields.h"
#include "panes/RecordPane.h"

namespace zorv {

template <class R> class ChartPane : public RecordPane<R> {
public:
    const ChartFields& fields() const { return *fields_; }

protected:
    // `title` names the frame and the pane.
    ChartPane(const QString& title, QWidget* parent) : RecordPane<R>(parent) {
        auto* frame = new QGroupBox(title, this);
        auto* column = new QVBoxLayout(frame);
        // The position comes first in the pane and to Tab.
        auto* position = new PositionBox(frame);
        this->setPositionBox(position);
        fields_ = new ChartFields(frame);

        auto* top = new QHBoxLayout;
        top->addWidget(position);
        top->addWidget(fields_->sizeBox(frame));
        top->addStretch();
        column->addLayout(top);
        fields_->addRegisterLines(column, frame);

        display_ = fields_->displayBox(frame);
        displayColumn_ = new QVBoxLayout(display_);
        scaleLine_ = fields_->scaleLine(display_);
        displayColumn_->addLayout(scaleLine_);
        column->addWidget(display_);
        column->addStretch();

        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(frame);
        this->setAccessibleName(title);
    }

    // The register, the scale values and the size of a kind's form.
    template <class Form> void showChartForm(const Form& form) {
        fields_->reg()->showForm(form.reg);
        fields_->showScale(form.scale);
        fields_->showSize(form.width, form.height);
    }

    ChartFields* fields_;
    QGroupBox* display_;         // the "Display" group
    QVBoxLayout* displayColumn_; // its lines, the scale line first
    QHBoxLayout* scaleLine_;     // the scale values; the kind adds to it
};

} // namespace zorv
