#pragma once

#include "model/widgets/CTextWidget.h"

namespace zorv {

// A menu, shown by its first item's text.
class CMenuCtrl : public CTextWidget {
public:
    CMenuCtrl();
    oonedraw::GObject* NewInstance() const override { return new CMenuCtrl; }
};

} // namespace zorv
