#include "panes/PaneFactory.h"

#include <array>

#include "model/WidgetKind.h"
#include "panes/CAlarmProperty.h"
#include "panes/CBarProperty.h"
#include "panes/CDynTextProperty.h"
#include "panes/CKeyProperty.h"
#include "panes/CLedProperty.h"
#include "panes/CMenuProperty.h"
#include "panes/CPageProperty.h"
#include "panes/CPictureProperty.h"
#include "panes/CPwdProperty.h"
#include "panes/CRegisterProperty.h"
#include "panes/CStaticTextProperty.h"
#include "panes/CTrendProperty.h"
#include "panes/CWidgetProperty.h"

namespace zorv {

namespace {

template <class P> std::unique_ptr<PropertyPane> make(QWidget* parent) {
    return std::make_unique<P>(parent);
}

// One line per pane class.
// clang-format off
constexpr std::array kPanes{
    PaneEntry{"Page", &make<CPageProperty>},
    PaneEntry{"Register", &make<CRegisterProperty>},
    PaneEntry{"Bar", &make<CBarProperty>},
    PaneEntry{"Trend", &make<CTrendProperty>},
    PaneEntry{"Password", &make<CPwdProperty>},
    PaneEntry{"Led", &make<CLedProperty>},
    PaneEntry{"Key", &make<CKeyProperty>},
    PaneEntry{"Picture", &make<CPictureProperty>},
    PaneEntry{"StaticText", &make<CStaticTextProperty>},
    PaneEntry{"DynamicText", &make<CDynTextProperty>},
    PaneEntry{"Menu", &make<CMenuProperty>},
    PaneEntry{"Alarm", &make<CAlarmProperty>},
};
// clang-format on

} // namespace

std::span<const PaneEntry> paneTable() {
    return kPanes;
}

std::unique_ptr<PropertyPane> makePane(std::string_view typeName, QWidget* parent) {
    for (const PaneEntry& entry : kPanes)
        if (entry.typeName == typeName)
            return entry.make(parent);
    if (isWidgetKind(int32_t(kindFromTypeName(typeName))))
        return std::make_unique<CWidgetProperty>(QString::fromUtf8(typeName), parent);
    return nullptr;
}

} // namespace zorv
