#include "model/widgets/CDynamicText.h"

namespace zorv {

CDynamicText::CDynamicText() : CTextWidget("DynamicText", "DynamicStr") {}

} // namespace zorv
