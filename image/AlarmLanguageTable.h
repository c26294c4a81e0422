#pragma once
// The entry table of an alarm-list widget as a language table, so that its property pane opens
// the "Multi Language Editing" dialog as the dynamic text and menu panes do. Entry k of the record
// is slot k (entry 0 included); the record holds no in-use flags, values or widths: slots below
// the entry count are in use and carry their entry number as value.

#include "image/LanguageTexts.h"
#include "model/records/AlarmListRecord.h"

namespace zorv {

LanguageTable languageTableOf(const AlarmListRecord& record);
// Writes the texts of the used slots and sets the entry count; the texts of entries after the
// count stay as they were.
void storeLanguageTable(const LanguageTable& table, AlarmListRecord& record);

} // namespace zorv
