#pragma once
// Confirming a password control.

#include <string>

#include "model/records/PasswordRecord.h"
#include "model/rules/ConfirmResult.h"

namespace zorv::rules {

// The panel has at most four password levels.
constexpr int kMaxPasswordLevel = 4;

struct PasswordForm {
    int mode = PasswordRecord::Lock;
    std::string level = "0";
    std::string successPage = "0", failurePage = "0";
    bool inverted = false;
};
PasswordForm passwordFormOf(const PasswordRecord& r);

// Mode 0..3, level 0..4, pages 0..65535. The flag nibble above the level is not edited here
// and keeps its stored value (the image compiler writes its own).
ConfirmResult<PasswordRecord> confirmPassword(const PasswordRecord& copy, const PasswordForm& form);

} // namespace zorv::rules
