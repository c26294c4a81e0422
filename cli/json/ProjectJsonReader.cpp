#include <algorithm>
#include <limits>

#include "cli/json/ProjectJson.h"
#include "cli/json/RecordLayouts.h"
#include "cli/json/WidgetParts.h"

namespace zorv::json {

namespace {

std::vector<std::string_view> namesOf(const RecordLayout& layout,
                                      std::initializer_list<std::string_view> extra) {
    std::vector<std::string_view> names(extra);
    addFieldNames(layout, names);
    names.push_back("reserved");
    return names;
}

void readReservedOf(const Json& in, const std::string& path, std::span<const uint8_t> named,
                    std::span<uint8_t> record) {
    if (in.contains("reserved"))
        readReserved(in["reserved"], member(path, "reserved"), named, record);
}

void readAlarmEntries(const Json& in, const std::string& path, AlarmListRecord& list) {
    const Json& entries = readArray(in, path, AlarmListRecord::kCapacity);
    auto table = list.span(AlarmListRecord::kTableOff,
                           AlarmListRecord::kEntrySize * AlarmListRecord::kCapacity);
    std::fill(table.begin(), table.end(), uint8_t(0));
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const std::string at = element(path, k);
        const Json& entry = readObject(entries[k], at);
        checkKnownKeys(entry, at, {"text1", "text2"});
        for (int lang = 0; lang < 2; ++lang) {
            const char* name = lang == 0 ? "text1" : "text2";
            if (entry.contains(name))
                list.setText(int(k), lang, readSlotText(entry[name], member(at, name)));
        }
    }
    list.setEntryCount(uint16_t(entries.size()));
}

AlarmListRecord readAlarmList(const Json& in, const std::string& path) {
    readObject(in, path);
    checkKnownKeys(in, path, namesOf(alarmListLayout(), {"entries"}));
    AlarmListRecord list = AlarmListRecord::makeSystemDefault();
    readFields(alarmListLayout(), in, path, list.bytes);
    if (in.contains("entries"))
        readAlarmEntries(in["entries"], member(path, "entries"), list);
    readReservedOf(in, path, namedBits(alarmListLayout()), list.bytes);
    return list;
}

ProjectHeader readHeader(const Json& in, const std::string& path) {
    readObject(in, path);
    checkKnownKeys(in, path, namesOf(headerLayout(), {}));
    ProjectHeader header = ProjectHeader::makeDefault();
    readFields(headerLayout(), in, path, header.bytes);
    readReservedOf(in, path, namedBits(headerLayout()), header.bytes);
    return header;
}

std::string pictureName(const Json& in, const std::string& path, const char* name) {
    if (!in.contains(name))
        return {};
    return readText(in[name], member(path, name), kPictureNameSize - 1, false);
}

std::vector<uint8_t> symbolText(const Json& in, const std::string& path) {
    if (!in.contains("symbolText"))
        return {};
    auto bytes = readHex(in["symbolText"], member(path, "symbolText"));
    if (bytes.size() > kSymbolTextCapacity)
        fail(member(path, "symbolText"),
             "longer than " + std::to_string(kSymbolTextCapacity) + " bytes");
    return bytes;
}

template <class R> R typed(const std::vector<uint8_t>& record) {
    R r;
    std::copy(record.begin(), record.end(), r.bytes.begin());
    return r;
}
template <class R> void store(const R& r, std::vector<uint8_t>& record) {
    record.assign(r.bytes.begin(), r.bytes.end());
}

// The names a widget of the kind accepts besides its fixed fields.
std::vector<std::string_view> partNames(WidgetKind kind) {
    switch (kind) {
    case WidgetKind::Led:
        return {"kind",           "id",
                "symbolText",     "positivePictureName",
                "positiveBitmap", "negativePictureName",
                "negativeBitmap"};
    case WidgetKind::Register:
        return {"kind", "id", "upperBound", "lowerBound"};
    case WidgetKind::DynamicText:
        return {"kind", "id", "states"};
    case WidgetKind::Menu:
        return {"kind", "id", "items"};
    case WidgetKind::Key:
        return {"kind", "id", "symbolText"};
    case WidgetKind::StaticText:
        return {"kind", "id", "text1", "text2"};
    case WidgetKind::Picture:
        return {"kind", "id", "pictureName", "bitmap"};
    case WidgetKind::Alarm:
        return {"kind", "id", "entries"};
    default:
        return {"kind", "id"};
    }
}

// Reads the parts that follow the fixed fields into `record` (in full size) and marks the
// bytes they name in `named`.
void readWidgetParts(const Json& in, const std::string& path, WidgetKind kind,
                     std::vector<uint8_t>& record, std::vector<uint8_t>& named) {
    switch (kind) {
    case WidgetKind::Led: {
        auto r = typed<LedRecord>(record);
        if (in.contains("symbolText"))
            r.setSymbolText(symbolText(in, path));
        const char* names[2] = {"positivePictureName", "negativePictureName"};
        const char* bitmaps[2] = {"positiveBitmap", "negativeBitmap"};
        for (int logic = 0; logic < 2; ++logic) {
            if (in.contains(names[logic]))
                r.setPictureName(logic, pictureName(in, path, names[logic]));
            if (in.contains(bitmaps[logic]))
                r.setBitmap(logic,
                            readBitmapRows(in[bitmaps[logic]], member(path, bitmaps[logic])));
        }
        store(r, record);
        break;
    }
    case WidgetKind::Register: {
        auto r = typed<RegisterRecord>(record);
        if (in.contains("upperBound"))
            readRegisterBound(in["upperBound"], member(path, "upperBound"),
                              RegisterRecord::kUpperOff, RegisterRecord::kUpperFromRegister, r);
        if (in.contains("lowerBound"))
            readRegisterBound(in["lowerBound"], member(path, "lowerBound"),
                              RegisterRecord::kLowerOff, RegisterRecord::kLowerFromRegister, r);
        markBoundBytes(r, named);
        store(r, record);
        break;
    }
    case WidgetKind::DynamicText: {
        auto r = typed<DynamicTextRecord>(record);
        if (in.contains("states"))
            readChoiceEntries(in["states"], member(path, "states"), 2, r);
        store(r, record);
        break;
    }
    case WidgetKind::Menu: {
        auto r = typed<MenuRecord>(record);
        if (in.contains("items"))
            readChoiceEntries(in["items"], member(path, "items"), menuValueBytes(r), r);
        store(r, record);
        break;
    }
    case WidgetKind::Key: {
        auto r = typed<KeyRecord>(record);
        if (in.contains("symbolText"))
            r.setSymbolText(symbolText(in, path));
        store(r, record);
        break;
    }
    case WidgetKind::StaticText: {
        auto r = typed<StaticTextRecord>(record);
        for (int lang = 0; lang < 2; ++lang) {
            const char* name = lang == 0 ? "text1" : "text2";
            if (in.contains(name))
                r.setText(lang, readSlotText(in[name], member(path, name)));
        }
        store(r, record);
        break;
    }
    case WidgetKind::Picture: {
        auto r = typed<PictureRecord>(record);
        if (in.contains("pictureName"))
            r.setPictureName(pictureName(in, path, "pictureName"));
        if (in.contains("bitmap"))
            r.setBitmap(readBitmapRows(in["bitmap"], member(path, "bitmap")));
        store(r, record);
        break;
    }
    case WidgetKind::Alarm: {
        auto r = typed<AlarmListRecord>(record);
        if (in.contains("entries"))
            readAlarmEntries(in["entries"], member(path, "entries"), r);
        store(r, record);
        break;
    }
    default:
        break;
    }
}

WidgetNode readWidget(const Json& in, const std::string& path, int32_t defaultId) {
    readObject(in, path);
    if (!in.contains("kind"))
        fail(path, "a widget needs its \"kind\"");
    const std::string& kindName = readString(in["kind"], member(path, "kind"));
    const WidgetKind kind = kindFromTypeName(kindName);
    if (!isWidgetKind(int32_t(kind)))
        fail(member(path, "kind"), "unknown widget kind \"" + kindName + "\"");
    const RecordLayout& layout = widgetLayout(kind);
    std::vector<std::string_view> known = partNames(kind);
    addFieldNames(layout, known);
    known.push_back("reserved");
    checkKnownKeys(in, path, known);

    WidgetNode node{defaultId, kind, defaultRecord(kind)};
    if (in.contains("id"))
        node.id = int32_t(readInteger(in["id"], member(path, "id"), 1, INT32_MAX));
    readFields(layout, in, path, node.record);
    std::vector<uint8_t> named = namedBits(layout);
    readWidgetParts(in, path, kind, node.record, named);
    readReservedOf(in, path, named, node.record);
    return node;
}

std::unique_ptr<CPage> readPage(const Json& in, const std::string& path) {
    readObject(in, path);
    checkKnownKeys(
        in, path,
        namesOf(pageHeadLayout(), {"number", "description", "flags", "nextWidgetId", "widgets"}));
    if (!in.contains("number"))
        fail(path, "a page needs its \"number\"");
    const auto number = uint16_t(readInteger(in["number"], member(path, "number"), 0, 65535));
    auto page = std::make_unique<CPage>(number);
    if (in.contains("description"))
        page->setDescription(readText(in["description"], member(path, "description"),
                                      CPage::kDescriptionCapacity, false));
    readFields(pageHeadLayout(), in, path, page->head.bytes);
    readReservedOf(in, path, namedBits(pageHeadLayout()), page->head.bytes);
    if (in.contains("flags"))
        page->flags = uint32_t(readInteger(in["flags"], member(path, "flags"), 0, UINT32_MAX));

    int32_t highestId = 0;
    if (in.contains("widgets")) {
        const std::string at = member(path, "widgets");
        const Json& widgets = readArray(in["widgets"], at, std::size_t(INT32_MAX));
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            const std::string where = element(at, i);
            // Without an id a widget takes the one after the highest so far.
            const int32_t nextFree = highestId == INT32_MAX ? INT32_MAX : highestId + 1;
            WidgetNode node = readWidget(widgets[i], where, nextFree);
            if (page->findWidget(node.id))
                fail(member(where, "id"), "widget id " + std::to_string(node.id) + " used twice");
            highestId = std::max(highestId, node.id);
            page->widgets.push_back(std::move(node));
        }
    }
    page->nextWidgetId = highestId + (highestId < INT32_MAX ? 1 : 0);
    if (in.contains("nextWidgetId")) {
        const std::string at = member(path, "nextWidgetId");
        page->nextWidgetId = int32_t(readInteger(in["nextWidgetId"], at, 1, INT32_MAX));
        if (page->nextWidgetId <= highestId)
            fail(at, "must be greater than every widget id (" + std::to_string(highestId) + ")");
    }
    return page;
}

void readProject(const Json& root, CHCData& project) {
    readObject(root, "");
    checkKnownKeys(root, "", {"format", "version", "header", "alarmList", "pages"});
    if (root.contains("format") && readString(root["format"], "format") != "zorv-project")
        fail("format", "not a zorv project (expected \"zorv-project\")");
    if (root.contains("version"))
        readInteger(root["version"], "version", 1, 1);
    if (root.contains("header"))
        project.header = readHeader(root["header"], "header");
    if (root.contains("alarmList"))
        project.alarmList = readAlarmList(root["alarmList"], "alarmList");
    if (!root.contains("pages"))
        return;
    const Json& pages = readArray(root["pages"], "pages", 65536);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string at = element("pages", i);
        auto page = readPage(pages[i], at);
        if (project.pageCount() > 0) {
            const uint16_t before = project.page(project.pageCount() - 1)->number();
            // One number names one page: the editor could not reach a second page of it.
            if (page->number() <= before)
                fail(member(at, "number"), "page " + std::to_string(page->number()) +
                                               " follows page " + std::to_string(before) +
                                               " (numbers must be strictly ascending)");
        }
        project.appendPage(std::move(page));
    }
}

} // namespace

bool importProjectJson(std::string_view text, CHCData& project, std::string& error) {
    Json root;
    try {
        root = Json::parse(text.begin(), text.end());
    } catch (const Json::exception& e) { // a syntax error, or a number beyond every range
        // nlohmann's text starts with its own tag "[json.exception.parse_error.N] ".
        const std::string what = e.what();
        const std::size_t tag = what.find("] ");
        error = "JSON syntax error: " + (tag == what.npos ? what : what.substr(tag + 2));
        return false;
    }
    CHCData result;
    try {
        readProject(root, result);
    } catch (const ImportFailure& f) {
        error = f.text;
        return false;
    } catch (const Json::exception& e) {
        error = e.what(); // not expected: every value is checked before it is taken
        return false;
    }
    project = std::move(result);
    return true;
}

} // namespace zorv::json
