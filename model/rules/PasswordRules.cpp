#include "model/rules/PasswordRules.h"

#include "model/rules/NumberEntry.h"

namespace zorv::rules {

PasswordForm passwordFormOf(const PasswordRecord& r) {
    return {r.mode(), std::to_string(r.level()), std::to_string(r.successPage()),
            std::to_string(r.failurePage()), r.inverted()};
}

ConfirmResult<PasswordRecord> confirmPassword(const PasswordRecord& copy,
                                              const PasswordForm& form) {
    ConfirmResult<PasswordRecord> result{copy, {}, true};
    PasswordRecord& r = result.record;
    r.setMode(uint8_t(cutToRange(form.mode, PasswordRecord::Lock, PasswordRecord::Update)));
    r.setLevel(uint8_t(typedNumber(form.level, 0, kMaxPasswordLevel)), copy.levelFlag());
    r.setSuccessPage(uint16_t(typedNumber(form.successPage, 0, 65535)));
    r.setFailurePage(uint16_t(typedNumber(form.failurePage, 0, 65535)));
    r.setInverted(form.inverted);
    return result;
}

} // namespace zorv::rules
