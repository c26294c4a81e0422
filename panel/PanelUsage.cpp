#include "panel/PanelUsage.h"

#include <algorithm>
#include <tuple>

#include "model/records/BarRecord.h"
#include "model/records/KeyRecord.h"
#include "model/records/MenuRecord.h"
#include "model/records/RegisterRecord.h"
#include "model/records/TrendRecord.h"
#include "panel/PanelAlarms.h"
#include "panel/PanelRegisters.h"

namespace zorv::panel {

namespace {

void addAlarms(std::vector<UsedRegister>& used, const AlarmSource& source) {
    for (int k = 1; k <= source.alarms; ++k)
        used.push_back({{1, source.type, uint16_t(source.start + k - 1)}, true, 1});
}

void addWidget(std::vector<UsedRegister>& used, const sim::ImageWidget& w) {
    if (!w.reg && w.kind != WidgetKind::Alarm)
        return;
    const HeadBytes head(w);
    switch (w.kind) {
    case WidgetKind::Led:
        used.push_back({*w.reg, true, 1});
        return;
    case WidgetKind::Key: {
        const uint8_t action = head.u8(KeyRecord::kActionOff) & KeyRecord::kActionMask;
        if (action != KeyRecord::ScreenJump)
            used.push_back({*w.reg, action == KeyRecord::SetCoil, 1});
        return;
    }
    case WidgetKind::Alarm:
        addAlarms(used, widgetAlarms(w));
        return;
    case WidgetKind::Register:
        used.push_back({*w.reg, false, head.u8(RegisterRecord::kCountOff) == 2 ? 2 : 1});
        return;
    case WidgetKind::Bar:
        used.push_back({*w.reg, false, head.u8(BarRecord::kCountOff) == 2 ? 2 : 1});
        return;
    case WidgetKind::Trend:
        used.push_back({*w.reg, false, head.u8(TrendRecord::kCountOff) == 2 ? 2 : 1});
        return;
    case WidgetKind::Menu:
        used.push_back({*w.reg, false, head.u8(MenuRecord::kRegisterLengthOff) == 2 ? 2 : 1});
        return;
    default: // dynamic text
        used.push_back({*w.reg, false, 1});
        return;
    }
}

// The system alarm list and registers; then each register once, in family and address order.
std::vector<UsedRegister> finish(std::vector<UsedRegister> used, const PanelImage& image,
                                 bool stationsApart) {
    if (image.loaded())
        addAlarms(used, systemAlarms(image));
    const ProjectHeader& h = image.header();
    for (const auto& [flag, off] :
         {std::pair{sysflag::kAutoTransPage, ProjectHeader::kPageControlRegOff},
          {sysflag::kReportCurrentPage, ProjectHeader::kCurrentPageRegOff},
          {sysflag::kRegisterSetControl, ProjectHeader::kSetControlRegOff},
          {sysflag::kMultiLanguage, ProjectHeader::kLanguageRegOff},
          {sysflag::kReportPasswordLevel, ProjectHeader::kPasswordLevelRegOff}})
        if (h.flags() & flag)
            used.push_back({h.registerAt(off), false, 1});
    // A bit family's coils are bits wherever they are read; a word of them is 16 coils.
    for (auto& u : used) {
        u.cells = u.bit ? 1 : (isBitFamily(u.reg.type) ? 16 : 1) * u.words;
        u.bit = u.bit || isBitFamily(u.reg.type);
    }
    const auto place = [stationsApart](const UsedRegister& u) {
        return std::tuple(u.reg.type, u.reg.address, stationsApart ? u.reg.station : 0);
    };
    std::sort(used.begin(), used.end(), [&](const UsedRegister& a, const UsedRegister& b) {
        return place(a) < place(b) ||
               (place(a) == place(b) && std::tie(a.words, a.cells) > std::tie(b.words, b.cells));
    });
    used.erase(std::unique(used.begin(), used.end(),
                           [&](const UsedRegister& a, const UsedRegister& b) {
                               return place(a) == place(b);
                           }),
               used.end());
    return used;
}

} // namespace

std::vector<UsedRegister> usedRegisters(const PanelImage& image, bool stationsApart) {
    std::vector<UsedRegister> used;
    for (const auto& page : image.description().pages)
        for (const auto& w : page.widgets)
            addWidget(used, w);
    return finish(std::move(used), image, stationsApart);
}

std::vector<UsedRegister> pageRegisters(const PanelImage& image, int page) {
    std::vector<UsedRegister> used;
    if (const sim::ImagePage* shown = image.page(page))
        for (const auto& w : shown->widgets)
            addWidget(used, w);
    return finish(std::move(used), image, true);
}

} // namespace zorv::panel
