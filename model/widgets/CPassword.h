#pragma once

#include "model/widgets/CTextWidget.h"

namespace zorv {

// A password control.
class CPassword : public CTextWidget {
public:
    CPassword();
    oonedraw::GObject* NewInstance() const override { return new CPassword; }
};

} // namespace zorv
