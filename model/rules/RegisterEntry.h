#pragma once
// The station, type and address boxes of a register group.

#include <initializer_list>
#include <string>
#include <vector>

#include "model/RegisterRef.h"

namespace zorv::rules {

struct AddressForm {
    std::string station = "1";
    uint8_t type = uint8_t(RegisterType::D); // the code of the chosen letter
    std::string address;                     // octal for X and Y, decimal otherwise
};

// Station cut to 1..255; a type the field does not offer becomes the first one it offers; the
// address parsed and cut for its type, with "Address can not exceed 377!" for X and Y.
RegisterRef enterRegister(const AddressForm& form, std::initializer_list<RegisterType> offered,
                          std::vector<std::string>& messages);
AddressForm addressFormOf(const RegisterRef& reg);

} // namespace zorv::rules
