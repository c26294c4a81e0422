#pragma once
// The table of texts chosen by a value that dynamic texts (states) and menus (items) share:
// 60-byte entries of i32 used, two text slots, 2 reserved bytes and an i32 value; the used
// entries are always the first n, and a width field per language holds the widest text.

#include "model/records/WidgetRecord.h"

namespace zorv {

struct ChoiceEntry {
    bool used = false;
    TextSlot text[2];
    int32_t value = 0;
    bool operator==(const ChoiceEntry& o) const {
        return used == o.used && text[0] == o.text[0] && text[1] == o.text[1] && value == o.value;
    }
};

template <std::size_t N, WidgetKind K, std::size_t TableOff, int Capacity, std::size_t Width1Off>
struct ChoiceRecord : WidgetRecord<N, K> {
    static constexpr std::size_t kTableOff = TableOff, kEntrySize = 60;
    static constexpr std::size_t kWidth1Off = Width1Off, kWidth2Off = Width1Off + 4;
    static constexpr std::size_t kCountOff = 11;
    static constexpr int kCapacity = Capacity;
    static constexpr std::size_t kUsedOff = 0, kText1Off = 4, kText2Off = 29, kValueOff = 56;
    static_assert(TableOff + kEntrySize * Capacity <= N);

    static constexpr std::size_t entryOff(int k) { return TableOff + kEntrySize * std::size_t(k); }

    uint8_t count() const { return this->u8(kCountOff); }
    void setCount(uint8_t n) { this->setU8(kCountOff, n); }
    int32_t width(int lang) const { return this->i32(lang == 0 ? kWidth1Off : kWidth2Off); }
    void setWidth(int lang, int32_t w) { this->setI32(lang == 0 ? kWidth1Off : kWidth2Off, w); }

    ChoiceEntry entry(int k) const {
        const std::size_t e = entryOff(k);
        ChoiceEntry c;
        c.used = this->i32(e + kUsedOff) != 0;
        c.text[0] = this->textAt(e + kText1Off);
        c.text[1] = this->textAt(e + kText2Off);
        c.value = this->i32(e + kValueOff);
        return c;
    }
    void setEntry(int k, const ChoiceEntry& c) {
        const std::size_t e = entryOff(k);
        this->setI32(e + kUsedOff, c.used ? 1 : 0);
        this->setTextAt(e + kText1Off, c.text[0]);
        this->setTextAt(e + kText2Off, c.text[1]);
        this->setI32(e + kValueOff, c.value);
    }
    void clearEntry(int k) {
        auto s = this->span(entryOff(k), kEntrySize);
        std::fill(s.begin(), s.end(), uint8_t(0));
    }

    // Sets both width fields to the widest text of their language over the used entries.
    void recomputeWidths() {
        for (int lang = 0; lang < 2; ++lang) {
            int widest = 0;
            for (int k = 0; k < Capacity; ++k) {
                const ChoiceEntry c = entry(k);
                if (c.used)
                    widest = std::max(widest, textWidthCells(c.text[lang].view()));
            }
            setWidth(lang, widest);
        }
    }
};

} // namespace zorv
