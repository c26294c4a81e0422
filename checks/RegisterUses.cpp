#include "checks/RegisterUses.h"

#include <algorithm>

#include "checks/RegisterFields.h"

namespace zorv {

namespace {

class UseCollector {
public:
    std::vector<RegisterUseEntry> uses;

    void widget(const CPage& page, const WidgetNode& node) {
        page_ = page.number();
        widget_ = FindingWidget{node.id, node.kind, le::u16(node.record.data() + 2),
                                le::u16(node.record.data() + 4)};
        visitRegisterFields(node, [this](const RegisterField& field) { add(field); });
    }

    void systemParameters(const ProjectHeader& h) {
        page_.reset();
        widget_.reset();
        source_ = UseSource::SystemParameters;
        const struct {
            uint8_t bit;
            std::size_t off;
            const char* name;
        } registers[] = {
            {sysflag::kAutoTransPage, ProjectHeader::kPageControlRegOff, "page control register"},
            {sysflag::kReportCurrentPage, ProjectHeader::kCurrentPageRegOff,
             "current page register"},
            {sysflag::kMultiLanguage, ProjectHeader::kLanguageRegOff, "language register"},
            {sysflag::kReportPasswordLevel, ProjectHeader::kPasswordLevelRegOff,
             "password level register"},
            {sysflag::kRegisterSetControl, ProjectHeader::kSetControlRegOff,
             "register setting control"},
        };
        for (const auto& r : registers) {
            if (h.flag(r.bit))
                add(h.registerAt(r.off), 1, RegisterUse::SystemRegister, r.name, "");
        }
    }

    void alarmList(const AlarmListRecord& list) {
        source_ = UseSource::AlarmList;
        if (auto field = alarmBitsField(list))
            add(*field);
    }

    void modbus(std::span<const ModbusRow> rows) {
        source_ = UseSource::Modbus;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ModbusRow& row = rows[i];
            const bool alarm = row.type == 0;
            const bool sends = row.type == 1 || row.type == 2;
            const auto type = uint8_t(alarm ? RegisterType::M : RegisterType::D);
            const std::string detail = "row " + std::to_string(i + 1) + ", " +
                                       modbusTypeText(row.type) + ", device " +
                                       std::to_string(row.device);
            add({0, type, row.softAddr}, 1,
                sends ? RegisterUse::SentByModbus : RegisterUse::WrittenByModbus, detail, "");
        }
    }

private:
    UseSource source_ = UseSource::Widget;
    std::optional<int> page_;
    std::optional<FindingWidget> widget_;

    void add(const RegisterRef& r, int width, RegisterUse use, std::string detail,
             std::string meaning) {
        uses.push_back({r.station, r.type, r.address, width == 2 ? 2 : 1, use, source_, page_,
                        widget_, std::move(detail), std::move(meaning)});
    }

    // A field's use; each alarm bit a use of its own.
    void add(const RegisterField& field) {
        if (!field.eachOwnUse) {
            add(field.reg, field.width, field.use, field.detail, field.meaning);
            return;
        }
        for (int k = 0; k < field.width; ++k)
            add({field.reg.station, field.reg.type, uint16_t(field.reg.address + k)}, 1, field.use,
                "alarm " + std::to_string(k + 1), field.meaning);
    }
};

int letterRank(uint8_t type) {
    return registerLetter(type)[0];
}

} // namespace

const char* registerUseName(RegisterUse use) {
    switch (use) {
    case RegisterUse::Read:
        return "read";
    case RegisterUse::WrittenByKey:
        return "written by key";
    case RegisterUse::SetByEntry:
        return "set by entry";
    case RegisterUse::SetByMenu:
        return "set by menu";
    case RegisterUse::BoundLimit:
        return "bound limit";
    case RegisterUse::SystemRegister:
        return "system register";
    case RegisterUse::SentByModbus:
        return "sent by Modbus";
    case RegisterUse::WrittenByModbus:
        return "written by Modbus";
    }
    return "";
}

bool isPanelWrite(RegisterUse use) {
    return use == RegisterUse::WrittenByKey || use == RegisterUse::SetByEntry ||
           use == RegisterUse::SetByMenu;
}

std::vector<RegisterUseEntry> registerUses(const CHCData& project,
                                           std::span<const ModbusRow> modbus) {
    UseCollector collect;
    for (const auto& page : project.pages()) {
        for (const WidgetNode& node : page->widgets) {
            if (isWidgetKind(int32_t(node.kind)) && node.record.size() == recordSize(node.kind))
                collect.widget(*page, node);
        }
    }
    collect.systemParameters(project.header);
    collect.alarmList(project.alarmList);
    collect.modbus(modbus);
    std::stable_sort(collect.uses.begin(), collect.uses.end(),
                     [](const RegisterUseEntry& a, const RegisterUseEntry& b) {
                         const int la = letterRank(a.type), lb = letterRank(b.type);
                         if (la != lb)
                             return la < lb;
                         if (a.address != b.address)
                             return a.address < b.address;
                         return a.station < b.station;
                     });
    return std::move(collect.uses);
}

std::string registerSpan(const RegisterUseEntry& entry) {
    std::string text = registerName(entry.type, entry.address);
    if (entry.width == 2)
        text += "-" + registerName(entry.type, uint16_t(entry.address + 1));
    return text;
}

std::string useWhere(const RegisterUseEntry& entry) {
    switch (entry.source) {
    case UseSource::Widget: {
        Finding place;
        place.page = entry.page;
        place.widget = entry.widget;
        return findingPlace(place);
    }
    case UseSource::SystemParameters:
        return "system parameters";
    case UseSource::AlarmList:
        return "alarm list";
    case UseSource::Modbus:
        return "Modbus table";
    }
    return "";
}

std::string tagNameOf(const TagTable& tags, const RegisterUseEntry& entry) {
    const Tag* tag =
        tags.tagOf({entry.station == 0 ? uint8_t(1) : entry.station, entry.type, entry.address});
    return tag ? tag->name : std::string();
}

bool covers(const RegisterUseEntry& entry, uint8_t station, uint8_t type, uint16_t address) {
    if (entry.type != type || (entry.station != 0 && station != 0 && entry.station != station))
        return false;
    return address >= entry.address && address < entry.address + entry.width;
}

} // namespace zorv
