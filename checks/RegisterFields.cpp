#include "checks/RegisterFields.h"

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

// Reads the fields of `node`; with a `target`, writes the changed ones into it.
class FieldVisit {
public:
    FieldVisit(const WidgetNode& node, WidgetNode* target,
               const std::function<void(RegisterField&)>& visit)
        : node_(node), target_(target), visit_(visit) {}

    void run() {
        switch (node_.kind) {
        case WidgetKind::Led:
            mainRegister<LedRecord>(1, RegisterUse::Read, "light", "bit");
            break;
        case WidgetKind::Register:
            registerWidget(node_.get<RegisterRecord>());
            break;
        case WidgetKind::DynamicText:
            mainRegister<DynamicTextRecord>(1, RegisterUse::Read, "state", "");
            break;
        case WidgetKind::Bar:
            mainRegister<BarRecord>(node_.get<BarRecord>().registerCount(), RegisterUse::Read,
                                    "bar value", "");
            break;
        case WidgetKind::Trend:
            mainRegister<TrendRecord>(node_.get<TrendRecord>().registerCount(), RegisterUse::Read,
                                      "trend value", "");
            break;
        case WidgetKind::Menu: {
            const auto r = node_.get<MenuRecord>();
            if (r.mode() == MenuRecord::kModeRegisterSetting)
                mainRegister<MenuRecord>(r.registerLength(), RegisterUse::SetByMenu, "item values",
                                         valueMeaning(r.registerLength(), false, false));
            break;
        }
        case WidgetKind::Key:
            key(node_.get<KeyRecord>());
            break;
        case WidgetKind::Alarm:
            if (auto field = alarmBitsField(node_.get<AlarmListRecord>()))
                report<AlarmListRecord>(*field, [](AlarmListRecord& r, const RegisterRef& reg) {
                    r.setStation(reg.station);
                    r.setRegisterType(reg.type);
                    r.setStart(reg.address);
                });
            break;
        default:
            break;
        }
    }

private:
    const WidgetNode& node_;
    WidgetNode* target_;
    const std::function<void(RegisterField&)>& visit_;

    // Hands the field to the visitor and stores a changed register through `store`.
    template <class R, class Store> void report(RegisterField field, Store store) {
        const RegisterRef before = field.reg;
        visit_(field);
        if (!target_ || field.reg == before)
            return;
        auto record = target_->get<R>();
        store(record, field.reg);
        target_->set(record);
    }

    template <class R>
    void mainRegister(int width, RegisterUse use, std::string detail, std::string meaning) {
        RegisterField field{"register", node_.get<R>().reg(), width == 2 ? 2 : 1, false,
                            use,        std::move(detail),    std::move(meaning)};
        report<R>(std::move(field), [](R& r, const RegisterRef& reg) { r.setRegister(reg); });
    }

    void registerWidget(const RegisterRecord& r) {
        const int n = r.registerCount() == 2 ? 2 : 1;
        mainRegister<RegisterRecord>(n, RegisterUse::Read, "value", "");
        if (r.option(RegisterRecord::kSettable))
            report<RegisterRecord>(
                {"register", r.reg(), n, false, RegisterUse::SetByEntry, "operator entry",
                 valueMeaning(n, r.option(RegisterRecord::kSigned),
                              r.option(RegisterRecord::kHexBcd))},
                [](RegisterRecord& w, const RegisterRef& reg) { w.setRegister(reg); });
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
            const std::size_t off = b.off;
            report<RegisterRecord>({b.name,
                                    {bound.station, bound.type, bound.address},
                                    bound.count == 2 ? 2 : 1,
                                    false,
                                    RegisterUse::BoundLimit,
                                    b.name,
                                    ""},
                                   [off](RegisterRecord& w, const RegisterRef& reg) {
                                       BoundRegister changed = w.boundRegister(off);
                                       changed.station = reg.station;
                                       changed.type = reg.type;
                                       changed.address = reg.address;
                                       w.setBoundRegister(off, changed);
                                   });
        }
        if (r.relation())
            report<RegisterRecord>({"relation bit",
                                    {r.reg().station, uint8_t(RegisterType::M), r.relatedAddress()},
                                    1,
                                    false,
                                    RegisterUse::Read,
                                    "relation bit",
                                    "bit"},
                                   [](RegisterRecord& w, const RegisterRef& reg) {
                                       w.setRelatedAddress(reg.address);
                                   });
    }

    void key(const KeyRecord& k) {
        const bool isSigned = k.actionByte() & KeyRecord::kSigned;
        switch (k.action()) {
        case KeyRecord::SetCoil:
            mainRegister<KeyRecord>(1, RegisterUse::WrittenByKey, coilOperation(k.value()), "coil");
            break;
        case KeyRecord::SetRegister:
            mainRegister<KeyRecord>(1, RegisterUse::WrittenByKey,
                                    "sets " +
                                        std::to_string(isSigned ? int16_t(k.value()) : k.value()),
                                    valueMeaning(1, isSigned, false));
            break;
        case KeyRecord::RegisterStep: {
            const bool down = k.actionByte() & KeyRecord::kDecrease;
            mainRegister<KeyRecord>(1, RegisterUse::WrittenByKey,
                                    std::string(down ? "subtracts " : "adds ") +
                                        std::to_string(k.value()),
                                    valueMeaning(1, isSigned, false));
            break;
        }
        default:
            break;
        }
    }
};

bool isSound(const WidgetNode& node) {
    return isWidgetKind(int32_t(node.kind)) && node.record.size() == recordSize(node.kind);
}

} // namespace

std::optional<RegisterField> alarmBitsField(const AlarmListRecord& list) {
    const int alarms = std::clamp<int>(list.entryCount(), 1, AlarmListRecord::kCapacity) - 1;
    if (alarms == 0)
        return std::nullopt;
    return RegisterField{"alarm bits",
                         {list.station(), list.registerType(), list.start()},
                         alarms,
                         true,
                         RegisterUse::Read,
                         "",
                         "bit"};
}

void visitRegisterFields(const WidgetNode& node, const std::function<void(RegisterField&)>& visit) {
    if (isSound(node))
        FieldVisit(node, nullptr, visit).run();
}

void changeRegisterFields(WidgetNode& node, const std::function<void(RegisterField&)>& visit) {
    if (isSound(node))
        FieldVisit(node, &node, visit).run();
}

} // namespace zorv
