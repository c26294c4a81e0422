#pragma once

#include "model/widgets/CTextWidget.h"

namespace zorv {

// A register display, shown by a sample value of its digits and decimals.
class CRegister : public CTextWidget {
public:
    CRegister();
    oonedraw::GObject* NewInstance() const override { return new CRegister; }
};

} // namespace zorv
