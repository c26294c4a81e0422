#include "panes/PropertyPane.h"

#include "panes/FieldHint.h"

namespace zorv {

FieldHint& PropertyPane::hint() {
    if (!hint_)
        hint_ = new FieldHint(this);
    return *hint_;
}

} // namespace zorv
