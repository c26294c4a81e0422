// Writing and reading alarm lists, the system list's and the widgets'.
#include "model/stream/AlarmListStream.h"

#include <algorithm>

#include "model/stream/StreamFields.h"

namespace zorv::streamparts {

namespace {

constexpr std::size_t kAlarmHeadSize = 20;

bool readAlarmTexts(ByteReader& r, AlarmListRecord& rec) {
    if (rec.entryCount() > AlarmListRecord::kCapacity)
        return false;
    for (int lang = 0; lang < 2; ++lang) {
        for (int i = 0; i < rec.entryCount(); ++i) {
            TextSlot text;
            if (!readSlot(r, text))
                return false;
            rec.setText(i, lang, text);
        }
    }
    return true;
}

} // namespace

void writeAlarmList(ByteWriter& w, const AlarmListRecord& r) {
    const int entries = std::min<int>(r.entryCount(), AlarmListRecord::kCapacity);
    AlarmListRecord head = r;
    head.setEntryCount(uint16_t(entries));
    writeHead(w, head, kAlarmHeadSize);
    for (int lang = 0; lang < 2; ++lang) {
        for (int i = 0; i < entries; ++i)
            writeSlot(w, r.text(i, lang));
    }
}

bool readAlarmList(ByteReader& r, AlarmListRecord& rec) {
    return readFixed(r, rec, kAlarmHeadSize) && readAlarmTexts(r, rec);
}

} // namespace zorv::streamparts
