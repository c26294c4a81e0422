#include "model/widgets/CMenuCtrl.h"

namespace zorv {

CMenuCtrl::CMenuCtrl() : CTextWidget("Menu", "Menu Control") {}

} // namespace zorv
