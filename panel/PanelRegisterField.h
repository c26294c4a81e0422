#pragma once
// A register widget as the operator meets it: the value it shows (raw or engineering), the
// field it takes, and whether a typed value passes its input limits.

#include <optional>
#include <string>

#include "model/records/RegisterRecord.h"
#include "panel/PanelNumber.h"
#include "panel/PanelRegisters.h"
#include "sim/ImageReaderDescription.h"

namespace zorv::panel {

class RegisterField {
public:
    explicit RegisterField(const sim::ImageWidget& widget);

    const RegisterRecord& record() const { return record_; }
    const NumberFormat& format() const { return format_; }
    int scale() const { return record_.sizeFlags() & RegisterRecord::kSizeDouble ? 2 : 1; }
    bool inverted() const { return record_.sizeFlags() & RegisterRecord::kSizeInverted; }
    bool settable() const { return record_.option(RegisterRecord::kSettable); }
    bool encrypted() const { return record_.option(RegisterRecord::kEncrypted); }

    // The value in the units shown (engineering units with "Engineering data").
    int64_t shown(const PanelRegisters& registers) const;
    std::string text(const PanelRegisters& registers) const;

    // The raw value to write for a value typed in the units shown; nothing when it breaks the
    // input limits.
    std::optional<int64_t> accept(int64_t typed, const PanelRegisters& registers) const;
    // Writes the raw value, and sets the related M bit when the relation is on.
    void write(int64_t raw, PanelRegisters& registers) const;

private:
    struct Bound {
        int64_t input = 0;
        std::optional<int64_t> engineering; // constants only
    };
    Bound bound(std::size_t off, uint8_t fromRegisterBit, const PanelRegisters& registers) const;
    int64_t constant(int32_t v) const;
    // Whether both bounds are constants with different inputs, so that scaling is defined.
    bool scaled(const Bound& low, const Bound& high) const;

    RegisterRecord record_;
    ValueFormat value_;
    NumberFormat format_;
};

} // namespace zorv::panel
