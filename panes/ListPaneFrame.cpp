#include "panes/ListPaneFrame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "panes/ImagePaneControls.h"
#include "panes/LanguageTextList.h"

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

void tighten(QGroupBox* box) {
    if (QLayout* layout = box->layout()) {
        layout->setContentsMargins(6, 2, 6, 4);
        layout->setSpacing(3);
    }
}

} // namespace zorv
