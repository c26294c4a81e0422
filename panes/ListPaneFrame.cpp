#include "panes/ListPaneFrame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "panes/ImagePaneControls.h"
#include "panes/LanguageTextList.h"
#include "panes/PaneFields.h"

namespace zorv {

QVBoxLayout* layOutListPane(PropertyPane& pane, const QString& caption, PositionBox* position,
                            LanguageTextList* texts) {
    auto* frame = new QGroupBox(caption, &pane);
    tighten(position);
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(position);
    auto* columns = new QHBoxLayout(frame);
    columns->setContentsMargins(6, 4, 6, 6);
    columns->setSpacing(8);
    columns->addLayout(left);
    columns->addWidget(texts, 1);
    auto* layout = new QVBoxLayout(&pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    pane.setAccessibleName(caption);
    return left;
}

RowsPerPageLine rowsPerPageLine(const QString& label, QWidget* pane) {
    CNumberEdit* field = numberField(QObject::tr("Rows per page"), 0, 4, pane);
    field->setMaxLength(1);
    field->setMaximumWidth(40);
    auto* line = new QHBoxLayout;
    line->addWidget(buddyLabel(label, field, pane));
    line->addWidget(field);
    line->addStretch();
    return {field, line};
}

void addRegisterColumn(QVBoxLayout* left, QGroupBox* reg, QHBoxLayout* rows, QGroupBox* below) {
    tighten(reg);
    tighten(below);
    left->addWidget(reg);
    left->addLayout(rows);
    left->addWidget(below);
    left->addStretch();
}

void tighten(QGroupBox* box) {
    if (QLayout* layout = box->layout()) {
        layout->setContentsMargins(6, 2, 6, 4);
        layout->setSpacing(3);
    }
}

} // namespace zorv
