#include "model/rules/RegisterEntry.h"

#include <algorithm>

#include "model/rules/NumberEntry.h"

namespace zorv::rules {

RegisterRef enterRegister(const AddressForm& form, std::initializer_list<RegisterType> offered,
                          std::vector<std::string>& messages) {
    RegisterRef reg;
    reg.station = uint8_t(typedNumber(form.station, 1, 255));
    const bool isOffered = std::any_of(offered.begin(), offered.end(),
                                       [&](RegisterType t) { return uint8_t(t) == form.type; });
    reg.type = isOffered ? form.type : uint8_t(*offered.begin());
    const AddressEntry entry = parseAddress(reg.type, form.address);
    if (entry.cutOctal)
        messages.emplace_back(kAddressOctalLimitMessage);
    reg.address = entry.address;
    return reg;
}

AddressForm addressFormOf(const RegisterRef& reg) {
    return {std::to_string(reg.station), reg.type, formatAddress(reg.type, reg.address)};
}

} // namespace zorv::rules
