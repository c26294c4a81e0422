#include "model/widgets/CStaticText.h"

namespace zorv {

CStaticText::CStaticText() : CTextWidget("StaticText", "TextStr") {}

} // namespace zorv
