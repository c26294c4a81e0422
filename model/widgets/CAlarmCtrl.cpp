#include "model/widgets/CAlarmCtrl.h"

namespace zorv {

CAlarmCtrl::CAlarmCtrl() : CTextWidget("Alarm", "AlarmListControl") {}

} // namespace zorv
