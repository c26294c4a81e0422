#include "model/widgets/CRegister.h"

namespace zorv {

CRegister::CRegister() : CTextWidget("Register", "12345") {}

} // namespace zorv
