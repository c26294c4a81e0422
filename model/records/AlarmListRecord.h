#pragma once

#include "model/records/WidgetRecord.h"

namespace zorv {

// The panel shows at most kMaxAlarms alarms, whether in the system list or in a widget.
inline constexpr const char* kTooManyAlarmsMessage = "The system supports 64 alarms  maximum!";

// A list of alarm texts bound to consecutive bits: entry 0 is the text shown while no alarm is
// active, entry k (k >= 1) the text of alarm k at address start + k - 1. Also the layout of the
// project's system alarm list.
struct AlarmListRecord : WidgetRecord<10028, WidgetKind::Alarm> {
    static constexpr std::size_t kMarkerOff = 1, kStationOff = 6, kTypeOff = 7, kStartOff = 8;
    static constexpr std::size_t kEntryCountOff = 10, kRowsOff = 13, kBuzzerOff = 16;
    static constexpr std::size_t kDurationOff = 18, kTableOff = 28, kEntrySize = 50;
    static constexpr int kCapacity = 200;
    static constexpr int kMaxAlarms = 64;
    static constexpr uint8_t kTweet = 1u << 5;

    static constexpr std::size_t entryOff(int k) { return kTableOff + kEntrySize * std::size_t(k); }

    // The defaults of an alarm-list widget. Entry 0 carries "No Alarm" in both languages and
    // is counted, so that the text is shown, edited and saved like the system list's.
    static AlarmListRecord makeDefault() {
        AlarmListRecord r;
        r.setStation(1);
        r.setRegisterType(uint8_t(RegisterType::M));
        r.setRows(1);
        r.setNoAlarmEntry();
        return r;
    }
    // The defaults of the project's system alarm list.
    static AlarmListRecord makeSystemDefault() {
        AlarmListRecord r;
        r.setU8(kMarkerOff, 255);
        r.setStation(1);
        r.setRows(4);
        r.setBuzzer(255);
        r.setNoAlarmEntry();
        return r;
    }

    uint8_t marker() const { return u8(kMarkerOff); }
    uint8_t station() const { return u8(kStationOff); }
    void setStation(uint8_t v) { setU8(kStationOff, v); }
    uint8_t registerType() const { return u8(kTypeOff); }
    void setRegisterType(uint8_t v) { setU8(kTypeOff, v); }
    uint16_t start() const { return u16(kStartOff); }
    void setStart(uint16_t v) { setU16(kStartOff, v); }
    // Alarms + 1: entry 0 is the "no alarm" text.
    uint16_t entryCount() const { return u16(kEntryCountOff); }
    void setEntryCount(uint16_t v) { setU16(kEntryCountOff, v); }
    uint8_t rows() const { return u8(kRowsOff); }
    void setRows(uint8_t v) { setU8(kRowsOff, v); }
    uint8_t buzzer() const { return u8(kBuzzerOff); }
    void setBuzzer(uint8_t v) { setU8(kBuzzerOff, v); }
    uint16_t duration() const { return u16(kDurationOff); }
    void setDuration(uint16_t v) { setU16(kDurationOff, v); }

    TextSlot text(int entry, int lang) const {
        return textAt(entryOff(entry) + (lang == 0 ? 0 : TextSlot::kSize));
    }
    void setText(int entry, int lang, const TextSlot& t) {
        setTextAt(entryOff(entry) + (lang == 0 ? 0 : TextSlot::kSize), t);
    }

private:
    // Entry 0, the text shown while no alarm is active, as the only entry.
    void setNoAlarmEntry() {
        setEntryCount(1);
        setText(0, 0, TextSlot::fromBytes("No Alarm"));
        setText(0, 1, TextSlot::fromBytes("No Alarm"));
    }
};
static_assert(sizeof(AlarmListRecord) == 10028);

} // namespace zorv
