#pragma once

#include "model/widgets/CTextWidget.h"

namespace zorv {

// A static text in the editor's current language.
class CStaticText : public CTextWidget {
public:
    CStaticText();
    oonedraw::GObject* NewInstance() const override { return new CStaticText; }
};

} // namespace zorv
