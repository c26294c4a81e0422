#include "checks/RegisterUses.h"

#include <algorithm>

#include "model/WidgetRecords.h"

namespace zorv {

namespace {

// How a value of `count` registers is read: "16-bit signed", "32-bit BCD" ...
std::string valueMeaning(int count, bool isSigned, bool hexBcd) {
    const std::string bits = count == 2 ? "32-bit" : "16-bit";
    if (hexBcd)
        return bits + " HEX/BCD";
    return bits + (isSigned ? " signed" : " unsigned");
}

const char* coilOperation(uint16_t value) {
    static const char* const texts[] = {"sets the coil on", "sets the coil off",
                                        "reverses the coil", "turns the coil on for a moment"};
    return value < 4 ? texts[value] : "operates the coil";
}

class UseCollector {
public:
    std::vector<RegisterUseEntry> uses;

    void widget(const CPage& page, const WidgetNode& node) {
        page_ = page.number();
        widget_ = FindingWidget{node.id, node.kind, le::u16(node.record.data() + 2),
                                le::u16(node.record.data() + 4)};
        switch (node.kind) {
        case WidgetKind::Led:
            add(node.get<LedRecord>().reg(), 1, RegisterUse::Read, "light", "bit");
            break;
        case WidgetKind::Register:
            registerWidget(node.get<RegisterRecord>());
            break;
        case WidgetKind::DynamicText:
            add(node.get<DynamicTextRecord>().reg(), 1, RegisterUse::Read, "state", "");
            break;
        case WidgetKind::Bar: {
            const auto r = node.get<BarRecord>();
            add(r.reg(), r.registerCount(), RegisterUse::Read, "bar value", "");
            break;
        }
        case WidgetKind::Trend: {
            const auto r = node.get<TrendRecord>();
            add(r.reg(), r.registerCount(), RegisterUse::Read, "trend value", "");
            break;
        }
        case WidgetKind::Menu: {
            const auto r = node.get<MenuRecord>();
            if (r.mode() == MenuRecord::kModeRegisterSetting)
                add(r.reg(), r.registerLength(), RegisterUse::SetByMenu, "item values",
                    valueMeaning(r.registerLength(), false, false));
            break;
        }
        case WidgetKind::Key:
            key(node.get<KeyRecord>());
            break;
        case WidgetKind::Alarm: {
            const auto r = node.get<AlarmListRecord>();
            alarmBits(r, RegisterUse::Read);
            break;
        }
        default:
            break;
        }
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
        alarmBits(list, RegisterUse::Read);
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

    void registerWidget(const RegisterRecord& r) {
        const int n = r.registerCount();
        add(r.reg(), n, RegisterUse::Read, "value", "");
        if (r.option(RegisterRecord::kSettable))
            add(r.reg(), n, RegisterUse::SetByEntry, "operator entry",
                valueMeaning(n, r.option(RegisterRecord::kSigned),
                             r.option(RegisterRecord::kHexBcd)));
        const struct {
            uint8_t bit;
            std::size_t off;
            const char* name;
        } bounds[] = {
            {RegisterRecord::kUpperFromRegister, RegisterRecord::kUpperOff, "upper bound"},
            {RegisterRecord::kLowerFromRegister, RegisterRecord::kLowerOff, "lower bound"}};
        for (const auto& b : bounds) {
            if (!r.option(b.bit))
                continue;
            const BoundRegister bound = r.boundRegister(b.off);
            add({bound.station, bound.type, bound.address}, bound.count, RegisterUse::BoundLimit,
                b.name, "");
        }
        if (r.relation())
            add({r.reg().station, uint8_t(RegisterType::M), r.relatedAddress()}, 1,
                RegisterUse::Read, "relation bit", "bit");
    }

    void key(const KeyRecord& k) {
        const bool isSigned = k.actionByte() & KeyRecord::kSigned;
        switch (k.action()) {
        case KeyRecord::SetCoil:
            add(k.reg(), 1, RegisterUse::WrittenByKey, coilOperation(k.value()), "coil");
            break;
        case KeyRecord::SetRegister:
            add(k.reg(), 1, RegisterUse::WrittenByKey,
                "sets " + std::to_string(isSigned ? int16_t(k.value()) : k.value()),
                valueMeaning(1, isSigned, false));
            break;
        case KeyRecord::RegisterStep: {
            const bool down = k.actionByte() & KeyRecord::kDecrease;
            add(k.reg(), 1, RegisterUse::WrittenByKey,
                std::string(down ? "subtracts " : "adds ") + std::to_string(k.value()),
                valueMeaning(1, isSigned, false));
            break;
        }
        default:
            break;
        }
    }

    void alarmBits(const AlarmListRecord& list, RegisterUse use) {
        const int alarms = std::clamp<int>(list.entryCount(), 1, AlarmListRecord::kCapacity) - 1;
        for (int k = 1; k <= alarms; ++k)
            add({list.station(), list.registerType(), uint16_t(list.start() + k - 1)}, 1, use,
                "alarm " + std::to_string(k), "bit");
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

bool covers(const RegisterUseEntry& entry, uint8_t station, uint8_t type, uint16_t address) {
    if (entry.type != type || (entry.station != 0 && station != 0 && entry.station != station))
        return false;
    return address >= entry.address && address < entry.address + entry.width;
}

} // namespace zorv
