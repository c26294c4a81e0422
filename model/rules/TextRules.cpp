#include "model/rules/TextRules.h"

#include "model/DisplayAttributes.h"
#include "model/TextSlot.h"

namespace zorv::rules {

uint8_t attributesByte(const TextAttributesForm& f) {
    return uint8_t((f.inverted ? attr::kInverted : 0) | (f.border ? attr::kBorder : 0) |
                   (f.virtualText ? attr::kVirtual : 0) | (f.flashing ? attr::kFlashing : 0) |
                   (f.doubleSize ? attr::kDoubleSize : 0));
}

TextAttributesForm attributesFormOf(uint8_t a) {
    return {(a & attr::kInverted) != 0, (a & attr::kBorder) != 0, (a & attr::kVirtual) != 0,
            (a & attr::kFlashing) != 0, (a & attr::kDoubleSize) != 0};
}

bool fitsTextCells(std::string_view text, bool doubleSize) {
    return textWidthCells(text) <= attr::maxTextCells(doubleSize);
}

} // namespace zorv::rules
