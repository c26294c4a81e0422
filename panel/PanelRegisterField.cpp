#include "panel/PanelRegisterField.h"

#include "panel/PanelImage.h"

namespace zorv::panel {

RegisterField::RegisterField(const sim::ImageWidget& widget)
    : record_(headRecord<RegisterRecord>(widget)) {
    const bool hex = record_.option(RegisterRecord::kHexBcd);
    value_.words = record_.registerCount() == 2 ? 2 : 1;
    value_.isSigned = record_.option(RegisterRecord::kSigned) && !hex;
    format_ = numberFormat(record_.digits(), record_.decimals(), value_.isSigned, hex);
}

int64_t RegisterField::constant(int32_t v) const {
    return value_.isSigned ? int64_t(v) : int64_t(uint32_t(v));
}

RegisterField::Bound RegisterField::bound(std::size_t off, uint8_t fromRegisterBit,
                                          const PanelRegisters& registers) const {
    if (record_.option(fromRegisterBit)) {
        const BoundRegister r = record_.boundRegister(off);
        const ValueFormat f{r.count == 2 ? 2 : 1, value_.isSigned, false};
        return {registers.value({r.station, r.type, r.address}, f), std::nullopt};
    }
    const BoundConstants c = record_.boundConstants(off);
    return {constant(c.input), constant(c.engineering)};
}

bool RegisterField::scaled(const Bound& low, const Bound& high) const {
    return record_.option(RegisterRecord::kEngineering) && low.engineering && high.engineering &&
           low.input != high.input;
}

int64_t RegisterField::shown(const PanelRegisters& registers) const {
    const int64_t raw = registers.value(record_.reg(), value_);
    const Bound low =
        bound(RegisterRecord::kLowerOff, RegisterRecord::kLowerFromRegister, registers);
    const Bound high =
        bound(RegisterRecord::kUpperOff, RegisterRecord::kUpperFromRegister, registers);
    if (!scaled(low, high))
        return raw;
    return *low.engineering +
           (raw - low.input) * (*high.engineering - *low.engineering) / (high.input - low.input);
}

std::string RegisterField::text(const PanelRegisters& registers) const {
    return formatNumber(shown(registers), format_);
}

std::optional<int64_t> RegisterField::accept(int64_t typed, const PanelRegisters& registers) const {
    const Bound low =
        bound(RegisterRecord::kLowerOff, RegisterRecord::kLowerFromRegister, registers);
    const Bound high =
        bound(RegisterRecord::kUpperOff, RegisterRecord::kUpperFromRegister, registers);
    const bool engineering = scaled(low, high);
    if (record_.option(RegisterRecord::kInputLimit)) {
        const int64_t lo = engineering ? *low.engineering : low.input;
        const int64_t hi = engineering ? *high.engineering : high.input;
        if (typed < lo || typed > hi)
            return std::nullopt;
    }
    if (!engineering || *high.engineering == *low.engineering)
        return typed;
    return low.input + (typed - *low.engineering) * (high.input - low.input) /
                           (*high.engineering - *low.engineering);
}

void RegisterField::write(int64_t raw, PanelRegisters& registers) const {
    registers.setValue(record_.reg(), value_.words, raw);
    if (record_.relation())
        registers.setBit(
            {record_.reg().station, uint8_t(RegisterType::M), record_.relatedAddress()}, true);
}

} // namespace zorv::panel
