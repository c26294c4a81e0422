#include "model/widgets/CPassword.h"

namespace zorv {

CPassword::CPassword() : CTextWidget("Password", "********") {}

} // namespace zorv
