#include <algorithm>

#include "cli/json/ProjectJson.h"
#include "cli/json/ProjectJsonTree.h"
#include "cli/json/RecordLayouts.h"
#include "cli/json/WidgetParts.h"

namespace zorv::json {

namespace {

void addReserved(Json& out, std::span<const uint8_t> record, std::span<const uint8_t> named) {
    Json reserved = reservedValue(record, named);
    if (!reserved.is_null())
        out["reserved"] = std::move(reserved);
}

Json alarmEntries(const AlarmListRecord& list) {
    Json entries = Json::array();
    const int n = std::min<int>(list.entryCount(), AlarmListRecord::kCapacity);
    for (int k = 0; k < n; ++k)
        entries.push_back(
            Json{{"text1", slotText(list.text(k, 0))}, {"text2", slotText(list.text(k, 1))}});
    return entries;
}

Json alarmListJson(const AlarmListRecord& list, const AlarmListRecord& fresh) {
    Json out;
    writeFields(alarmListLayout(), list.bytes, fresh.bytes, out);
    out["entries"] = alarmEntries(list);
    addReserved(out, list.bytes, namedBits(alarmListLayout()));
    return out;
}

// The parts of a widget that follow its fixed fields.
void addWidgetParts(const WidgetNode& node, Json& out) {
    switch (node.kind) {
    case WidgetKind::Led: {
        const auto r = node.get<LedRecord>();
        out["symbolText"] = hexString(r.symbolText());
        out["positivePictureName"] = textValue(r.pictureName(0));
        out["positiveBitmap"] = bitmapRows(r.bitmap(0), r.pictureWidth(0));
        out["negativePictureName"] = textValue(r.pictureName(1));
        out["negativeBitmap"] = bitmapRows(r.bitmap(1), r.pictureWidth(1));
        break;
    }
    case WidgetKind::Register: {
        const auto r = node.get<RegisterRecord>();
        out["upperBound"] =
            registerBound(r, RegisterRecord::kUpperOff, RegisterRecord::kUpperFromRegister);
        out["lowerBound"] =
            registerBound(r, RegisterRecord::kLowerOff, RegisterRecord::kLowerFromRegister);
        break;
    }
    case WidgetKind::DynamicText:
        out["states"] = choiceEntries(node.get<DynamicTextRecord>(), 2);
        break;
    case WidgetKind::Menu: {
        const auto r = node.get<MenuRecord>();
        out["items"] = choiceEntries(r, menuValueBytes(r));
        break;
    }
    case WidgetKind::Key:
        out["symbolText"] = hexString(node.get<KeyRecord>().symbolText());
        break;
    case WidgetKind::StaticText: {
        const auto r = node.get<StaticTextRecord>();
        out["text1"] = slotText(r.text(0));
        out["text2"] = slotText(r.text(1));
        break;
    }
    case WidgetKind::Picture: {
        const auto r = node.get<PictureRecord>();
        out["pictureName"] = textValue(r.pictureName());
        out["bitmap"] = bitmapRows(r.bitmap(), r.width());
        break;
    }
    case WidgetKind::Alarm:
        out["entries"] = alarmEntries(node.get<AlarmListRecord>());
        break;
    default:
        break;
    }
}

Json widgetJson(const WidgetNode& node) {
    Json out;
    out["kind"] = std::string(typeName(node.kind));
    out["id"] = node.id;
    const RecordLayout& layout = widgetLayout(node.kind);
    const std::vector<uint8_t> fresh = defaultRecord(node.kind);
    // The record is compared in full size with its defaults, whatever its stored length.
    std::vector<uint8_t> record = node.record;
    record.resize(fresh.size(), 0);
    writeFields(layout, record, fresh, out);
    addWidgetParts(node, out);
    std::vector<uint8_t> named = namedBits(layout);
    if (node.kind == WidgetKind::Register)
        markBoundBytes(node.get<RegisterRecord>(), named);
    addReserved(out, record, named);
    return out;
}

Json pageJson(const CPage& page) {
    Json out;
    out["number"] = page.number();
    out["description"] = textValue(page.description());
    writeFields(pageHeadLayout(), page.head.bytes, PageHead::makeDefault(page.number()).bytes, out);
    out["flags"] = page.flags;
    out["nextWidgetId"] = page.nextWidgetId;
    Json widgets = Json::array();
    for (const WidgetNode& node : page.widgets) {
        // A node without a kind has no place in the project file.
        if (isWidgetKind(int32_t(node.kind)))
            widgets.push_back(widgetJson(node));
    }
    out["widgets"] = std::move(widgets);
    addReserved(out, page.head.bytes, namedBits(pageHeadLayout()));
    return out;
}

} // namespace

Json projectJsonTree(const CHCData& project) {
    Json root;
    root["format"] = "zorv-project";
    root["version"] = 1;
    Json header;
    writeFields(headerLayout(), project.header.bytes, ProjectHeader::makeDefault().bytes, header);
    addReserved(header, project.header.bytes, namedBits(headerLayout()));
    root["header"] = std::move(header);
    root["alarmList"] = alarmListJson(project.alarmList, AlarmListRecord::makeSystemDefault());
    Json pages = Json::array();
    for (const auto& page : project.pages())
        pages.push_back(pageJson(*page));
    root["pages"] = std::move(pages);
    return root;
}

std::string exportProjectJson(const CHCData& project) {
    // Every string is UTF-8 converted by the code-page check or plain hexadecimal.
    return projectJsonTree(project).dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace zorv::json
