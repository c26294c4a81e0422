#include "cli/diff/DiffReport.h"

namespace zorv::diff {

namespace {

const char* changeName(Change change) {
    switch (change) {
    case Change::Added:
        return "added";
    case Change::Removed:
        return "removed";
    case Change::Renumbered:
        return "renumbered";
    case Change::Changed:
        break;
    }
    return "changed";
}

const char* areaName(Area area) {
    switch (area) {
    case Area::Header:
        return "header";
    case Area::AlarmList:
        return "alarmList";
    case Area::Modbus:
        return "modbus";
    case Area::Page:
        return "page";
    case Area::Widget:
        break;
    }
    return "widget";
}

// Texts hold UTF-8 converted from the code page, or hexadecimal where they are none.
std::string compact(const Json& value) {
    return value.is_null() ? "(none)" : value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The page a person looks for: its number in the later project, the earlier one when removed.
int32_t shownPage(const DiffEntry& e) {
    return e.pageAfter >= 0 ? e.pageAfter : e.pageBefore;
}

std::string heading(const DiffEntry& e) {
    const std::string change = changeName(e.change);
    switch (e.area) {
    case Area::Header:
        return "system parameters " + change;
    case Area::AlarmList:
        return "system alarm list " + change;
    case Area::Modbus:
        return "modbus row " + std::to_string(e.item) + " " + change;
    case Area::Page:
        if (e.change == Change::Renumbered)
            return "page " + std::to_string(e.pageBefore) + " renumbered to " +
                   std::to_string(e.pageAfter);
        return "page " + std::to_string(shownPage(e)) + " " + change;
    case Area::Widget:
        break;
    }
    return "page " + std::to_string(shownPage(e)) + " widget " + std::to_string(e.item) + " " +
           e.kind + " " + change;
}

// What an added or removed item was: a page by its description and widget count, anything
// else by its form.
std::string itemLine(const DiffEntry& e) {
    if (e.area != Area::Page)
        return compact(e.value);
    const std::size_t widgets = e.value.contains("widgets") ? e.value.at("widgets").size() : 0;
    return "description " + compact(e.value.value("description", Json(""))) + ", " +
           std::to_string(widgets) + " widgets";
}

} // namespace

std::string diffText(std::span<const DiffEntry> entries) {
    std::string out;
    for (const DiffEntry& e : entries) {
        out += heading(e) + "\n";
        if (e.change == Change::Added || e.change == Change::Removed)
            out += "    " + itemLine(e) + "\n";
        for (const FieldChange& f : e.fields)
            out += "    " + f.field + ": " + compact(f.before) + " -> " + compact(f.after) + "\n";
    }
    return out;
}

std::string diffJson(std::span<const DiffEntry> entries) {
    Json list = Json::array();
    for (const DiffEntry& e : entries) {
        Json entry{{"area", areaName(e.area)}, {"change", changeName(e.change)}};
        if (e.area == Area::Page || e.area == Area::Widget) {
            entry["page"] = shownPage(e);
            if (e.pageBefore >= 0 && e.pageAfter >= 0 && e.pageBefore != e.pageAfter)
                entry["oldPage"] = e.pageBefore;
        }
        if (e.area == Area::Widget) {
            entry["widget"] = e.item;
            entry["kind"] = e.kind;
        }
        if (e.area == Area::Modbus)
            entry["row"] = e.item;
        if (!e.value.is_null())
            entry["value"] = e.value;
        if (!e.fields.empty()) {
            Json fields = Json::array();
            for (const FieldChange& f : e.fields)
                fields.push_back(Json{{"field", f.field}, {"old", f.before}, {"new", f.after}});
            entry["fields"] = std::move(fields);
        }
        list.push_back(std::move(entry));
    }
    return Json{{"entries", std::move(list)}}.dump(2, ' ', false, Json::error_handler_t::replace) +
           "\n";
}

} // namespace zorv::diff
