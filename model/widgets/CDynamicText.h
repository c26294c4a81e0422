#pragma once

#include "model/widgets/CTextWidget.h"

namespace zorv {

// A dynamic text, shown by its first state's text.
class CDynamicText : public CTextWidget {
public:
    CDynamicText();
    oonedraw::GObject* NewInstance() const override { return new CDynamicText; }
};

} // namespace zorv
