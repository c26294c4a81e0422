#include "model/rules/SharedFields.h"

#include <algorithm>

#include "model/WidgetRecords.h"
#include "model/rules/AlarmListRules.h"
#include "model/rules/BarRules.h"
#include "model/rules/DynamicTextRules.h"
#include "model/rules/KeyRules.h"
#include "model/rules/LedRules.h"
#include "model/rules/MenuRules.h"
#include "model/rules/NumberEntry.h"
#include "model/rules/PasswordRules.h"
#include "model/rules/RegisterRules.h"
#include "model/rules/StaticTextRules.h"
#include "model/rules/TrendRules.h"

namespace zorv::rules {

namespace {

constexpr int kDisplayWidth = 192, kDisplayHeight = 64;

// Where a kind's pane form keeps the shared fields: its register with the letters offered, and
// the boxes of the attributes it has.
struct FormParts {
    AddressForm* reg = nullptr;
    std::vector<RegisterType> types;
    std::array<bool*, kLooks> looks{};
};

const std::vector<RegisterType> kWordTypes{RegisterType::D, RegisterType::M};

std::array<bool*, kLooks> textLooks(TextAttributesForm& a) {
    return {&a.doubleSize, &a.inverted, &a.border, &a.virtualText, &a.flashing};
}

FormParts partsOf(StaticTextForm& f) {
    return {nullptr, {}, textLooks(f.attributes)};
}
FormParts partsOf(DynamicTextForm& f) {
    return {&f.reg, kWordTypes, textLooks(f.attributes)};
}
FormParts partsOf(RegisterForm& f) {
    return {&f.reg, kWordTypes, {&f.doubleSize, &f.inverted}};
}
FormParts partsOf(LedForm& f) {
    return {&f.reg,
            {RegisterType::D, RegisterType::M, RegisterType::X, RegisterType::Y},
            {&f.doubleSize}};
}
FormParts partsOf(KeyForm& f) {
    FormParts parts{nullptr, {}, {&f.doubleSize, &f.inverted}};
    // A coil is an M bit; a screen jump keeps the register it has.
    if (f.action == KeyRecord::SetCoil)
        parts.types = {RegisterType::M};
    else if (f.action != KeyRecord::ScreenJump)
        parts.types = kWordTypes;
    if (!parts.types.empty())
        parts.reg = &f.reg;
    return parts;
}
FormParts partsOf(PasswordForm& f) {
    FormParts parts;
    parts.looks[int(Look::Inverted)] = &f.inverted;
    return parts;
}
template <class F> FormParts registerOnly(F& f) {
    return {&f.reg, kWordTypes, {}};
}
FormParts partsOf(BarForm& f) {
    return registerOnly(f);
}
FormParts partsOf(TrendForm& f) {
    return registerOnly(f);
}
FormParts partsOf(MenuForm& f) {
    return registerOnly(f);
}
FormParts partsOf(AlarmListForm& f) {
    return {&f.reg, {RegisterType::M, RegisterType::D}, {}};
}

// Calls visit(record, form, confirm) with the node's record, its pane form and its rule; the
// result of `none` for a kind without shared fields.
template <class Result, class Visit>
Result visitKind(const WidgetNode& node, Result none, Visit&& visit) {
    auto with = [&](auto record, auto formOf, auto confirm) {
        auto form = formOf(record);
        return visit(record, form, confirm);
    };
    switch (node.kind) {
    case WidgetKind::StaticText:
        return with(node.get<StaticTextRecord>(), staticTextFormOf, confirmStaticText);
    case WidgetKind::DynamicText:
        return with(node.get<DynamicTextRecord>(), dynamicTextFormOf, confirmDynamicText);
    case WidgetKind::Register:
        return with(node.get<RegisterRecord>(), registerFormOf, confirmRegister);
    case WidgetKind::Led:
        return with(node.get<LedRecord>(), ledFormOf, confirmLed);
    case WidgetKind::Key:
        return with(node.get<KeyRecord>(), keyFormOf, confirmKey);
    case WidgetKind::Bar:
        return with(node.get<BarRecord>(), barFormOf, confirmBar);
    case WidgetKind::Trend:
        return with(node.get<TrendRecord>(), trendFormOf, confirmTrend);
    case WidgetKind::Menu:
        return with(node.get<MenuRecord>(), menuFormOf, confirmMenu);
    case WidgetKind::Password:
        return with(node.get<PasswordRecord>(), passwordFormOf, confirmPassword);
    case WidgetKind::Alarm:
        return with(node.get<AlarmListRecord>(), alarmListFormOf, confirmAlarmList);
    default:
        return none;
    }
}

// One widget's shared fields and their values.
struct NodeFields {
    SharedFields fields;
    SharedValues values;
};

NodeFields fieldsOf(const WidgetNode& node) {
    return visitKind(node, NodeFields{}, [](const auto&, auto& form, auto) {
        FormParts parts = partsOf(form);
        NodeFields n;
        if (parts.reg) {
            n.fields.types = parts.types;
            const AddressEntry entry = parseAddress(parts.reg->type, parts.reg->address);
            n.values.station = int(typedNumber(parts.reg->station, 1, 255));
            n.values.type = parts.reg->type;
            n.values.address = entry.address;
        }
        for (int i = 0; i < kLooks; ++i) {
            n.fields.looks[std::size_t(i)] = parts.looks[std::size_t(i)] != nullptr;
            if (parts.looks[std::size_t(i)])
                n.values.looks[std::size_t(i)] = *parts.looks[std::size_t(i)];
        }
        return n;
    });
}

template <class T> void keepIfSame(std::optional<T>& shared, const std::optional<T>& other) {
    if (shared != other)
        shared.reset();
}

} // namespace

bool SharedEdit::empty() const {
    return !station && !type && !address &&
           std::none_of(looks.begin(), looks.end(), [](const auto& l) { return l.has_value(); });
}

SharedFields sharedFieldsOf(std::span<const WidgetNode> nodes) {
    SharedFields shared;
    if (nodes.empty())
        return shared;
    shared = fieldsOf(nodes.front()).fields;
    for (const WidgetNode& node : nodes.subspan(1)) {
        const SharedFields own = fieldsOf(node).fields;
        std::erase_if(shared.types, [&](RegisterType t) {
            return std::find(own.types.begin(), own.types.end(), t) == own.types.end();
        });
        for (int i = 0; i < kLooks; ++i)
            shared.looks[std::size_t(i)] =
                shared.looks[std::size_t(i)] && own.looks[std::size_t(i)];
    }
    return shared;
}

SharedValues sharedValuesOf(std::span<const WidgetNode> nodes) {
    SharedValues shared;
    if (nodes.empty())
        return shared;
    shared = fieldsOf(nodes.front()).values;
    for (const WidgetNode& node : nodes.subspan(1)) {
        const SharedValues own = fieldsOf(node).values;
        keepIfSame(shared.station, own.station);
        keepIfSame(shared.type, own.type);
        keepIfSame(shared.address, own.address);
        for (int i = 0; i < kLooks; ++i)
            keepIfSame(shared.looks[std::size_t(i)], own.looks[std::size_t(i)]);
    }
    return shared;
}

ConfirmResult<std::vector<uint8_t>> applySharedEdit(const WidgetNode& node,
                                                    const SharedEdit& edit) {
    ConfirmResult<std::vector<uint8_t>> unchanged{node.record, {}, true};
    return visitKind(node, unchanged, [&](const auto& record, auto& form, auto confirm) {
        FormParts parts = partsOf(form);
        // A widget whose fields all hold the values given already is left alone: its rule
        // might correct what nobody changed.
        bool touched = false;
        auto give = [&](auto& field, const auto& value) {
            touched = touched || field != value;
            field = value;
        };
        if (AddressForm* reg = parts.reg) {
            if (edit.station)
                give(reg->station, *edit.station);
            if (edit.type && *edit.type != reg->type) {
                // The widget's own address number, shown as the new letter shows addresses.
                const uint16_t address = parseAddress(reg->type, reg->address).address;
                give(reg->type, *edit.type);
                reg->address = formatAddress(reg->type, address);
            }
            if (edit.address)
                give(reg->address, *edit.address);
        }
        for (int i = 0; i < kLooks; ++i)
            if (bool* look = parts.looks[std::size_t(i)]; look && edit.looks[std::size_t(i)])
                give(*look, *edit.looks[std::size_t(i)]);
        if (!touched)
            return unchanged;
        const auto result = confirm(record, form);
        const auto& kept = result.applied ? result.record : record;
        return ConfirmResult<std::vector<uint8_t>>{
            {kept.bytes.begin(), kept.bytes.end()}, result.messages, result.applied};
    });
}

std::array<int, 2> keptOffset(const SpanBox& box, int dx, int dy) {
    return {std::clamp(dx, -box.x, std::max(-box.x, kDisplayWidth - box.x - box.w)),
            std::clamp(dy, -box.y, std::max(-box.y, kDisplayHeight - box.y - box.h))};
}

} // namespace zorv::rules
