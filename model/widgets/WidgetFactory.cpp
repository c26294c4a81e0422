#include "model/widgets/WidgetFactory.h"

#include "model/widgets/CAlarmCtrl.h"
#include "model/widgets/CBar.h"
#include "model/widgets/CDynamicText.h"
#include "model/widgets/CKey.h"
#include "model/widgets/CLed.h"
#include "model/widgets/CMenuCtrl.h"
#include "model/widgets/CPassword.h"
#include "model/widgets/CPicture.h"
#include "model/widgets/CRegister.h"
#include "model/widgets/CStaticText.h"
#include "model/widgets/CTrend.h"

namespace zorv {

std::unique_ptr<oonedraw::GObject> newWidgetObject(WidgetKind kind) {
    switch (kind) {
    case WidgetKind::Led:
        return std::make_unique<CLed>();
    case WidgetKind::Register:
        return std::make_unique<CRegister>();
    case WidgetKind::DynamicText:
        return std::make_unique<CDynamicText>();
    case WidgetKind::Bar:
        return std::make_unique<CBar>();
    case WidgetKind::Trend:
        return std::make_unique<CTrend>();
    case WidgetKind::Menu:
        return std::make_unique<CMenuCtrl>();
    case WidgetKind::Password:
        return std::make_unique<CPassword>();
    case WidgetKind::Key:
        return std::make_unique<CKey>();
    case WidgetKind::StaticText:
        return std::make_unique<CStaticText>();
    case WidgetKind::Picture:
        return std::make_unique<CPicture>();
    case WidgetKind::Alarm:
        return std::make_unique<CAlarmCtrl>();
    default:
        return nullptr;
    }
}

} // namespace zorv
