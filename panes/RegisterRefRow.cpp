#include "panes/RegisterRefRow.h"

#include <QHBoxLayout>

#include "panes/PaneFields.h"

namespace zorv {

RegisterRefRow::RegisterRefRow(std::initializer_list<RegisterType> offered, const Labels& labels,
                               QWidget* parent)
    : QWidget(parent),
      RegisterRefFields(offered,
                        {tr("Station number"), tr("Register type"), tr("Register address")}, this) {
    address()->setMaximumWidth(64);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    const std::pair<const QString&, QWidget*> parts[] = {
        {labels.station, station()}, {labels.type, type()}, {labels.address, address()}};
    for (const auto& [text, field] : parts) {
        if (!text.isEmpty())
            row->addWidget(buddyLabel(text, field, this));
        row->addWidget(field);
    }
    row->addWidget(tagLabel());
}

} // namespace zorv
