#include "image/ui/TextListFiles.h"

namespace zorv {

QPushButton* listButton(const QString& text, const QString& name) {
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false); // Enter belongs to the cell editor
    return b;
}

} // namespace zorv
