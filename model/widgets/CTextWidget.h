#pragma once
// What the six text widgets share: a framework text object carrying the widget's type name, its
// default text and the face "Arial" (24 points at scale 1), drawn and fitted by the framework.

#include <string_view>

#include "oonedraw/GText.h"

namespace zorv {

class CTextWidget : public oonedraw::GText {
protected:
    CTextWidget(std::string_view typeName, std::string_view defaultText);
};

} // namespace zorv
