// Writing and reading the state tables of dynamic texts and the item tables of menus.
#include "model/stream/ChoiceTableStream.h"

#include <algorithm>
#include <vector>

#include "model/stream/StreamFields.h"

namespace zorv::streamparts {

namespace {

// The used entries of a state or item table, in slot order: the first `count` entries of an
// edited table, anywhere in a translated one.
template <class R> std::vector<int> usedEntries(const R& r) {
    std::vector<int> used;
    for (int k = 0; k < R::kCapacity; ++k) {
        if (r.entry(k).used)
            used.push_back(k);
    }
    return used;
}

template <class R> void writeChoiceHead(ByteWriter& w, R r) {
    r.setCount(uint8_t(usedEntries(r).size()));
    writeHead(w, r, 20);
    w.u8(r.count());
}

template <class R> void writeChoiceTexts(ByteWriter& w, const R& r) {
    for (int lang = 0; lang < 2; ++lang) {
        for (int k : usedEntries(r))
            writeSlot(w, r.entry(k).text[lang]);
    }
}

template <class R> bool readTable(ByteReader& r, R& rec, bool menu) {
    const uint8_t count = r.u8();
    if (count > R::kCapacity)
        return false;
    rec.setCount(count);
    for (int k = 0; k < count; ++k) {
        ChoiceEntry e = rec.entry(k);
        e.used = true;
        if (menu) {
            // One or two words, zero-extended.
            uint32_t value = 0;
            const auto bytes = r.take(2 * std::size_t(rec.u8(MenuRecord::kRegisterLengthOff)));
            for (std::size_t b = 0; b < std::min<std::size_t>(bytes.size(), 4); ++b)
                value |= uint32_t(bytes[b]) << (8 * b);
            e.value = int32_t(value);
        } else {
            e.value = r.u16();
        }
        rec.setEntry(k, e);
    }
    for (int lang = 0; lang < 2; ++lang) {
        for (int k = 0; k < count; ++k) {
            ChoiceEntry e = rec.entry(k);
            readCutSlot(r, e.text[lang]);
            rec.setEntry(k, e);
        }
    }
    rec.recomputeWidths();
    return r.ok();
}

} // namespace

void writeChoiceTable(ByteWriter& w, const DynamicTextRecord& r) {
    writeChoiceHead(w, r);
    for (int k : usedEntries(r))
        w.u16(uint16_t(r.entry(k).value));
    writeChoiceTexts(w, r);
}

void writeChoiceTable(ByteWriter& w, const MenuRecord& r) {
    writeChoiceHead(w, r);
    for (int k : usedEntries(r)) {
        // The value takes one or two words, as the menu's register does.
        const uint32_t value = uint32_t(r.entry(k).value);
        for (int b = 0; b < 2 * r.registerLength(); ++b)
            w.u8(b < 4 ? uint8_t(value >> (8 * b)) : 0);
    }
    writeChoiceTexts(w, r);
}

bool readChoiceTable(ByteReader& r, DynamicTextRecord& rec) {
    return readTable(r, rec, false);
}

bool readChoiceTable(ByteReader& r, MenuRecord& rec) {
    return readTable(r, rec, true);
}

} // namespace zorv::streamparts
