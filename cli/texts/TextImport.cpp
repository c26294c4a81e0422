#include "cli/texts/TextImport.h"

#include <algorithm>
#include <map>

#include "checks/Checks.h"
#include "image/ImageCompiler.h"
#include "image/TextCell.h"
#include "model/Bytes.h"
#include "platform/CodePageText.h"

namespace zorv {

namespace {

// The findings that tell a text runs past its room or holds what the panel cannot draw.
constexpr std::string_view kRoomCodes[] = {"outside-display", "widgets-overlap",
                                           "unshowable-character"};

struct Fault {
    int line;
    std::string text;
};

std::string languageName(int language) {
    return "the language " + std::to_string(language + 1) + " text";
}

CHCData copyOf(const CHCData& project) {
    CHCData copy;
    copy.header = project.header;
    copy.alarmList = project.alarmList;
    copy.fixedPartSizes = project.fixedPartSizes;
    std::vector<CPage> pages;
    for (const auto& page : project.pages())
        pages.push_back(*page);
    copy.replacePages(pages);
    return copy;
}

// The room findings of a project compiled with `fonts`; `compiled` tells whether the compiler
// took it (without an image the panel's pixels are not looked at).
Findings roomFindings(const CHCData& project, const GlyphSources& fonts, CompileResult& compiled) {
    compiled = compileImage(project, fonts);
    CheckInput input{project, nullptr, {}, {}};
    if (compiled.ok)
        input.image = compiled.image;
    setLibrarySizes(input, fonts);
    Findings found;
    for (Finding& f : runChecks(input))
        if (std::find(std::begin(kRoomCodes), std::end(kRoomCodes), f.code) != std::end(kRoomCodes))
            found.push_back(std::move(f));
    return found;
}

bool sameFinding(const Finding& a, const Finding& b) {
    return a.code == b.code && a.page == b.page && a.widget == b.widget && a.message == b.message;
}

// "StaticText 3 (96,16)", as the overlap check names the widget a finding runs into.
std::string widgetLabel(const CHCData& project, const TextPlace& place) {
    const CPage* page = place.page ? project.pageByNumber(*place.page) : nullptr;
    const WidgetNode* node = page ? page->findWidget(place.widget) : nullptr;
    if (!node || node->record.size() < 6)
        return {};
    return std::string(typeName(node->kind)) + " " + std::to_string(node->id) + " (" +
           std::to_string(le::u16(node->record.data() + 2)) + "," +
           std::to_string(le::u16(node->record.data() + 4)) + ")";
}

// What a finding tells of the text at `place`, or nothing when it is about another: a finding
// on its widget as it stands, one on a widget that runs into it with that widget named first.
std::optional<std::string> findingAbout(const Finding& f, const TextPlace& place,
                                        const std::string& label) {
    if (!place.page)
        return f.page ? std::nullopt : std::optional(f.message);
    if (f.page != int(*place.page) || !f.widget)
        return std::nullopt;
    if (f.widget->id == place.widget)
        return f.message;
    if (f.code == "widgets-overlap" && !label.empty() &&
        f.message.find("runs into " + label + " ") != std::string::npos)
        return std::string(typeName(f.widget->kind)) + " " + std::to_string(f.widget->id) + " (" +
               std::to_string(f.widget->x) + "," + std::to_string(f.widget->y) + ") " + f.message;
    return std::nullopt;
}

// The faults of the changed texts on the display: each finding the changes bring, named on the
// line of every change of that widget.
void roomFaults(const CHCData& project, const std::vector<TextChange>& changes,
                const std::vector<int>& lines, const GlyphSources& fonts,
                std::vector<Fault>& faults) {
    CompileResult compiledBefore, compiledAfter;
    const Findings before = roomFindings(project, fonts, compiledBefore);
    CHCData changed = copyOf(project);
    applyTextChanges(changed, changes);
    const Findings after = roomFindings(changed, fonts, compiledAfter);
    std::vector<std::string> labels;
    for (const TextChange& c : changes)
        labels.push_back(widgetLabel(project, c.place));
    if (compiledBefore.ok && !compiledAfter.ok)
        faults.push_back(
            {0, "with these texts the project does not compile: " + compiledAfter.message});
    for (const Finding& f : after) {
        if (std::any_of(before.begin(), before.end(),
                        [&](const Finding& b) { return sameFinding(b, f); }))
            continue;
        for (std::size_t i = 0; i < changes.size(); ++i) {
            const auto about = findingAbout(f, changes[i].place, labels[i]);
            if (!about)
                continue;
            const std::string text =
                "line " + std::to_string(lines[i]) + ": " + changes[i].id + ": " + *about;
            if (std::none_of(faults.begin(), faults.end(),
                             [&](const Fault& x) { return x.text == text; }))
                faults.push_back({lines[i], text});
        }
    }
}

} // namespace

TextImportPlan planTextImport(const CHCData& project, std::span<const TranslatedText> texts,
                              const GlyphSources& fonts) {
    const std::vector<TextEntry> inventory = textInventory(project);
    std::map<std::string, std::size_t> byId;
    for (std::size_t i = 0; i < inventory.size(); ++i)
        byId.emplace(inventory[i].id, i);

    TextImportPlan plan;
    std::vector<int> changeLines;
    std::vector<Fault> faults;
    std::map<std::string, int> given; // id -> the line that gave it
    for (const TranslatedText& t : texts) {
        const std::string at = "line " + std::to_string(t.line) + ": ";
        const auto fault = [&](const std::string& what) {
            faults.push_back({t.line, at + t.id + ": " + what});
        };
        if (t.id.empty()) {
            faults.push_back({t.line, at + "a text without an id"});
            continue;
        }
        const auto [first, isNew] = given.emplace(t.id, t.line);
        if (!isNew) {
            fault("given before, on line " + std::to_string(first->second));
            continue;
        }
        const auto found = byId.find(t.id);
        if (found == byId.end()) {
            fault("the project has no such text");
            continue;
        }
        const TextEntry& entry = inventory[found->second];
        for (int lang = 0; lang < 2; ++lang) {
            const std::optional<std::string>& text = t.text[std::size_t(lang)];
            if (!text || *text == fileTextOf(entry.text[std::size_t(lang)]))
                continue;
            if (const auto unshowable = firstUnshowable(*text)) {
                fault(languageName(lang) + ": " + unshowableMessage(*unshowable));
                continue;
            }
            // Every character has a GB2312 code, so the whole text converts.
            const std::string bytes = utf8ToCodePage(*text).value_or(std::string());
            if (bytes.size() > TextSlot::kCapacity) {
                fault(languageName(lang) + " takes " + std::to_string(bytes.size()) +
                      " bytes, more than the 24 of a text (a Chinese character takes 2)");
                continue;
            }
            plan.changes.push_back({t.id, entry.place, lang, entry.text[std::size_t(lang)],
                                    TextSlot::fromBytes(bytes)});
            changeLines.push_back(t.line);
        }
    }
    if (!plan.changes.empty()) // the texts that fit their bytes, on the display
        roomFaults(project, plan.changes, changeLines, fonts, faults);
    std::stable_sort(faults.begin(), faults.end(),
                     [](const Fault& a, const Fault& b) { return a.line < b.line; });
    for (Fault& f : faults)
        plan.faults.push_back(std::move(f.text));
    if (!plan.faults.empty())
        plan.changes.clear();
    return plan;
}

bool applyTextChanges(CHCData& project, std::span<const TextChange> changes) {
    bool all = true;
    for (const TextChange& c : changes)
        all = setTextAt(project, c.place, c.language, c.after) && all;
    return all;
}

std::string textImportRefusal(const std::vector<std::string>& faults) {
    std::string out = "The texts were not imported:";
    for (const std::string& f : faults)
        out += "\n" + f;
    return out;
}

std::string textChangeLine(const TextChange& change) {
    return change.id + " language " + std::to_string(change.language + 1) + ": \"" +
           fileTextOf(change.before) + "\" -> \"" + fileTextOf(change.after) + "\"";
}

} // namespace zorv
