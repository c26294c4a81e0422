#pragma once
// The field tables of the project header, the page head, the alarm list and every widget
// record, named after the record accessors.

#include "cli/json/RecordFields.h"
#include "model/WidgetKind.h"

namespace zorv::json {

const RecordLayout& headerLayout();
const RecordLayout& pageHeadLayout();
// The system alarm list and the alarm-list widget share one layout.
const RecordLayout& alarmListLayout();
// The fixed part of a widget record of kind 1..11 as the project file stores it.
const RecordLayout& widgetLayout(WidgetKind kind);

} // namespace zorv::json
