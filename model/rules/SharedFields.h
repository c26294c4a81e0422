#pragma once
// The fields several selected widgets have in common, and setting one of them on each widget
// through its kind's own confirm rule: the register (station, type, address) of the widgets bound
// to one register, the display attributes all their kinds have, and a move of all by an offset.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/RegisterType.h"
#include "model/WidgetNode.h"
#include "model/rules/ConfirmResult.h"

namespace zorv::rules {

// The display attributes in the order the panes show them.
enum class Look { DoubleSize, Inverted, Border, Virtual, Flashing };
inline constexpr int kLooks = 5;

// What a pane of several widgets can set on all of them.
struct SharedFields {
    std::vector<RegisterType> types; // the register letters all offer; empty: no register
    std::array<bool, kLooks> looks{};
    bool hasRegister() const { return !types.empty(); }
};
SharedFields sharedFieldsOf(std::span<const WidgetNode> nodes);

// The values the widgets show alike; nothing where two of them differ.
struct SharedValues {
    std::optional<int> station;
    std::optional<uint8_t> type;
    std::optional<uint16_t> address;
    std::array<std::optional<bool>, kLooks> looks;
};
SharedValues sharedValuesOf(std::span<const WidgetNode> nodes);

// The fields given a value; every other field keeps each widget's own. A type given without an
// address keeps each widget's address number.
struct SharedEdit {
    std::optional<std::string> station;
    std::optional<uint8_t> type;
    std::optional<std::string> address; // as typed: octal for X and Y
    std::array<std::optional<bool>, kLooks> looks;
    bool empty() const;
};

// The node's record with the edit, confirmed by its kind's rule with the rule's messages; a
// refusal gives the stored record back with applied false.
ConfirmResult<std::vector<uint8_t>> applySharedEdit(const WidgetNode& node, const SharedEdit& edit);

// The box the widgets span on the display, in display pixels.
struct SpanBox {
    int x = 0, y = 0, w = 0, h = 0;
};
// How far the box can move by (dx, dy) and stay on the 192 x 64 display.
std::array<int, 2> keptOffset(const SpanBox& box, int dx, int dy);

} // namespace zorv::rules
