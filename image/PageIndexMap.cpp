#include "image/PageIndexMap.h"

#include <algorithm>

#include "model/WidgetRecords.h"

namespace zorv {

PageIndexMap::PageIndexMap(const CHCData& project) {
    for (int i = 0; i < project.pageCount(); ++i) {
        numbers_.push_back(project.page(i)->number());
        sorted_.emplace_back(numbers_.back(), uint16_t(i));
    }
    std::stable_sort(sorted_.begin(), sorted_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

std::optional<uint16_t> PageIndexMap::indexOf(uint32_t number) const {
    if (number > 0xFFFF)
        return std::nullopt;
    const auto it = std::lower_bound(sorted_.begin(), sorted_.end(), number,
                                     [](const auto& entry, uint32_t n) { return entry.first < n; });
    if (it == sorted_.end() || it->first != number)
        return std::nullopt;
    return it->second;
}

namespace {

void mapWidget(WidgetNode& node, const PageIndexMap& map, uint16_t self) {
    const auto index = [&](uint32_t number) { return map.indexOf(number).value_or(self); };
    switch (node.kind) {
    case WidgetKind::Menu: {
        auto menu = node.get<MenuRecord>();
        if (menu.mode() != MenuRecord::kModePageJump)
            return;
        for (int k = 0; k < MenuRecord::kCapacity; ++k) {
            const std::size_t entry = MenuRecord::entryOff(k);
            if (menu.u32(entry + MenuRecord::kUsedOff) != 0)
                menu.setU32(entry + MenuRecord::kValueOff,
                            index(menu.u32(entry + MenuRecord::kValueOff)));
        }
        node.set(menu);
        return;
    }
    case WidgetKind::Password: {
        auto password = node.get<PasswordRecord>();
        password.setSuccessPage(index(password.successPage()));
        password.setFailurePage(index(password.failurePage()));
        node.set(password);
        return;
    }
    case WidgetKind::Key: {
        auto key = node.get<KeyRecord>();
        if (key.action() == KeyRecord::ScreenJump && key.value() != KeyRecord::kJumpToAlarmList) {
            key.setValue(index(key.value()));
            node.set(key);
        }
        return;
    }
    default:
        return;
    }
}

} // namespace

void mapPageNumbers(CHCData& project, const PageIndexMap& map) {
    ProjectHeader& h = project.header;
    h.setStartPage(map.indexOf(h.startPage()).value_or(0));
    h.setDefaultPage(map.indexOf(h.defaultPage()).value_or(0));
    h.setScreenSaverPage(map.indexOf(h.screenSaverPage()).value_or(0));
    if (h.alarmPage() != ProjectHeader::kNoAlarmPage)
        h.setAlarmPage(map.indexOf(h.alarmPage()).value_or(ProjectHeader::kNoAlarmPage));
    for (int i = 0; i < project.pageCount(); ++i) {
        CPage& page = *project.page(i);
        const uint16_t self = uint16_t(i);
        page.head.setNumber(self);
        page.head.setUpPage(map.indexOf(page.head.upPage()).value_or(self));
        page.head.setDownPage(map.indexOf(page.head.downPage()).value_or(self));
        for (WidgetNode& node : page.widgets)
            mapWidget(node, map, self);
    }
}

} // namespace zorv
