// Registers that the panel's own system registers, other widgets or the Modbus table also use
// in a way that cannot work together.

#include <algorithm>
#include <set>
#include <tuple>

#include "checks/CheckContext.h"

namespace zorv {

namespace {

std::string named(const RegisterUseEntry& use, uint16_t address) {
    return registerName(use.type, address);
}

bool overlaps(const RegisterUseEntry& a, const RegisterUseEntry& b) {
    for (int k = 0; k < b.width; ++k) {
        if (covers(a, b.station, b.type, uint16_t(b.address + k)))
            return true;
    }
    return false;
}

std::vector<const RegisterUseEntry*> usesFrom(const CheckContext& context, UseSource source) {
    std::vector<const RegisterUseEntry*> found;
    for (const RegisterUseEntry& use : context.uses) {
        if (use.source == source)
            found.push_back(&use);
    }
    return found;
}

// One register of a write with the way the writer reads the value there.
struct WritePart {
    uint8_t station, type;
    uint16_t address;
    std::string meaning;
    const RegisterUseEntry* use;
    auto key() const { return std::tie(type, address, station); }
};

std::vector<WritePart> writeParts(const std::vector<RegisterUseEntry>& uses) {
    std::vector<WritePart> parts;
    for (const RegisterUseEntry& use : uses) {
        if (!isPanelWrite(use.use))
            continue;
        for (int k = 0; k < use.width; ++k) {
            std::string meaning = use.width == 1
                                      ? use.meaning
                                      : (k == 0 ? "the low word of a " : "the high word of a ") +
                                            use.meaning + " value";
            parts.push_back(
                {use.station, use.type, uint16_t(use.address + k), std::move(meaning), &use});
        }
    }
    std::stable_sort(parts.begin(), parts.end(),
                     [](const WritePart& a, const WritePart& b) { return a.key() < b.key(); });
    return parts;
}

} // namespace

void checkSystemRegisters(const CheckContext& context, Findings& out) {
    const auto system = usesFrom(context, UseSource::SystemParameters);
    for (std::size_t i = 0; i < system.size(); ++i) {
        for (std::size_t j = i + 1; j < system.size(); ++j) {
            if (overlaps(*system[i], *system[j]))
                out.push_back({Severity::Error, "system-register-collision", std::nullopt,
                               std::nullopt,
                               "the " + system[i]->detail + " and the " + system[j]->detail +
                                   " are both " + registerSpan(*system[i])});
        }
    }
    // A widget that writes a system register is an error; one that only shows it a warning.
    std::set<std::tuple<int, int32_t, const RegisterUseEntry*>> written;
    for (bool writes : {true, false}) {
        for (const RegisterUseEntry& use : context.uses) {
            if (use.source != UseSource::Widget || isPanelWrite(use.use) != writes)
                continue;
            for (const RegisterUseEntry* s : system) {
                if (!overlaps(use, *s))
                    continue;
                const auto key = std::make_tuple(*use.page, use.widget->id, s);
                if (!writes && written.contains(key))
                    continue;
                written.insert(key);
                out.push_back({writes ? Severity::Error : Severity::Warning,
                               "system-register-collision", use.page, use.widget,
                               std::string(writes ? "writes " : "reads ") + named(*s, s->address) +
                                   ", the " + s->detail + " of the system parameters"});
            }
        }
    }
}

void checkWriteMeanings(const CheckContext& context, Findings& out) {
    const std::vector<WritePart> parts = writeParts(context.uses);
    std::set<std::pair<const RegisterUseEntry*, const RegisterUseEntry*>> told;
    for (std::size_t first = 0; first < parts.size();) {
        std::size_t end = first + 1;
        while (end < parts.size() && parts[end].key() == parts[first].key())
            ++end;
        const WritePart& ref = parts[first];
        for (std::size_t k = first + 1; k < end; ++k) {
            const WritePart& p = parts[k];
            if (p.meaning == ref.meaning || !told.insert({p.use, ref.use}).second)
                continue;
            out.push_back({Severity::Warning, "register-written-differently", p.use->page,
                           p.use->widget,
                           "writes " + registerName(p.type, p.address) + " as " + p.meaning +
                               ", but " + useWhere(*ref.use) + " writes it as " + ref.meaning});
        }
        first = end;
    }
}

void checkModbusOverwrites(const CheckContext& context, Findings& out) {
    const auto rows = usesFrom(context, UseSource::Modbus);
    for (const RegisterUseEntry& use : context.uses) {
        if (use.source != UseSource::Widget || !isPanelWrite(use.use))
            continue;
        for (const RegisterUseEntry* row : rows) {
            if (row->use == RegisterUse::WrittenByModbus && overlaps(use, *row))
                out.push_back({Severity::Error, "modbus-overwrites-register", use.page, use.widget,
                               "writes " + named(*row, row->address) +
                                   ", which the Modbus table also writes (" + row->detail + ")"});
        }
    }
}

} // namespace zorv
