#include "model/widgets/CTextWidget.h"

namespace zorv {

CTextWidget::CTextWidget(std::string_view typeName, std::string_view defaultText) {
    name = typeName;
    text = defaultText;
    fontFace = "Arial";
}

} // namespace zorv
