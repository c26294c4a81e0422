#include "cli/diff/ProjectDiff.h"

#include <algorithm>

#include "cli/diff/FormMatch.h"
#include "cli/json/ProjectJsonTree.h"
#include "comm/ModbusTableModel.h"

namespace zorv::diff {

namespace {

// Derived on every load from the widget list (ids 1, 2, 3 ... and the next one), so they tell
// nothing of their own; the widgets are compared by themselves.
constexpr std::string_view kPageFieldsSkip[] = {"number", "nextWidgetId", "widgets"};

// A Modbus row by the texts its dialog shows.
Json modbusRowForm(int index, const ModbusRow& row) {
    const ModbusListRow cells = modbusListRow(index, row);
    return Json{{"type", cells[1]},
                {"device", cells[2]},
                {"instruction", cells[3]},
                {"softAddr", cells[4]}};
}

void addRecord(Area area, const Json& before, const Json& after, std::vector<DiffEntry>& entries) {
    DiffEntry entry;
    entry.area = area;
    compareMembers(before, after, {}, entry.fields);
    if (!entry.fields.empty())
        entries.push_back(std::move(entry));
}

void addModbus(std::span<const ModbusRow> before, std::span<const ModbusRow> after,
               std::vector<DiffEntry>& entries) {
    for (std::size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
        DiffEntry entry;
        entry.area = Area::Modbus;
        entry.item = int32_t(i + 1);
        if (i >= before.size()) {
            entry.change = Change::Added;
            entry.value = modbusRowForm(int(i), after[i]);
        } else if (i >= after.size()) {
            entry.change = Change::Removed;
            entry.value = modbusRowForm(int(i), before[i]);
        } else if (before[i] == after[i]) {
            continue;
        } else {
            compareMembers(modbusRowForm(int(i), before[i]), modbusRowForm(int(i), after[i]), {},
                           entry.fields);
        }
        entries.push_back(std::move(entry));
    }
}

void addWidgets(const Json& pageBefore, const Json& pageAfter, const DiffEntry& page,
                std::vector<DiffEntry>& entries) {
    const Json& before = pageBefore.at("widgets");
    const Json& after = pageAfter.at("widgets");
    for (const Pair& pair : matchWidgets(before, after)) {
        DiffEntry entry;
        entry.area = Area::Widget;
        entry.pageBefore = page.pageBefore;
        entry.pageAfter = page.pageAfter;
        const Json& shown =
            pair.after >= 0 ? after[std::size_t(pair.after)] : before[std::size_t(pair.before)];
        entry.item = shown.value("id", 0);
        entry.kind = shown.value("kind", "");
        if (pair.before < 0 || pair.after < 0) {
            entry.change = pair.before < 0 ? Change::Added : Change::Removed;
            entry.value = shownValue(shown);
        } else {
            entry.fields =
                widgetChanges(before[std::size_t(pair.before)], after[std::size_t(pair.after)]);
            if (entry.fields.empty())
                continue;
        }
        entries.push_back(std::move(entry));
    }
}

void addPages(const Json& before, const Json& after, std::vector<DiffEntry>& entries) {
    for (const Pair& pair : matchPages(before, after)) {
        DiffEntry entry;
        entry.area = Area::Page;
        if (pair.before < 0 || pair.after < 0) {
            const Json& page =
                pair.after >= 0 ? after[std::size_t(pair.after)] : before[std::size_t(pair.before)];
            entry.change = pair.before < 0 ? Change::Added : Change::Removed;
            (pair.before < 0 ? entry.pageAfter : entry.pageBefore) = page.value("number", 0);
            entry.value = shownValue(page);
            entries.push_back(std::move(entry));
            continue;
        }
        const Json& pageBefore = before[std::size_t(pair.before)];
        const Json& pageAfter = after[std::size_t(pair.after)];
        entry.pageBefore = pageBefore.value("number", 0);
        entry.pageAfter = pageAfter.value("number", 0);
        compareMembers(pageBefore, pageAfter, kPageFieldsSkip, entry.fields);
        if (entry.pageBefore != entry.pageAfter)
            entry.change = Change::Renumbered;
        const DiffEntry page = entry;
        if (entry.change == Change::Renumbered || !entry.fields.empty())
            entries.push_back(std::move(entry));
        addWidgets(pageBefore, pageAfter, page, entries);
    }
}

} // namespace

std::vector<DiffEntry> diffProjects(const ProjectSide& before, const ProjectSide& after) {
    const Json a = json::projectJsonTree(before.project);
    const Json b = json::projectJsonTree(after.project);
    std::vector<DiffEntry> entries;
    addRecord(Area::Header, a.at("header"), b.at("header"), entries);
    addRecord(Area::AlarmList, a.at("alarmList"), b.at("alarmList"), entries);
    addModbus(before.modbus, after.modbus, entries);
    addPages(a.at("pages"), b.at("pages"), entries);
    return entries;
}

std::vector<std::pair<int32_t, int32_t>> changedPages(std::span<const DiffEntry> entries) {
    std::vector<std::pair<int32_t, int32_t>> pages;
    for (const DiffEntry& e : entries) {
        const std::pair<int32_t, int32_t> page{e.pageBefore, e.pageAfter};
        if ((e.area == Area::Page || e.area == Area::Widget) &&
            std::find(pages.begin(), pages.end(), page) == pages.end())
            pages.push_back(page);
    }
    return pages;
}

} // namespace zorv::diff
