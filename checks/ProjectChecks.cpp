// Alarm texts that one language lacks, and an image the panel cannot take.

#include <algorithm>

#include "checks/CheckContext.h"
#include "image/ImageCompiler.h"
#include "model/WidgetRecords.h"

namespace zorv {

namespace {

// "alarm 3 has no language 2 text" for the first entry whose languages differ in emptiness.
std::optional<std::string> missingLanguage(const AlarmListRecord& list) {
    const int entries = std::clamp<int>(list.entryCount(), 0, AlarmListRecord::kCapacity);
    for (int k = 0; k < entries; ++k) {
        const bool empty1 = list.text(k, 0).empty(), empty2 = list.text(k, 1).empty();
        if (empty1 == empty2)
            continue;
        const std::string entry = k == 0 ? "the no-alarm entry" : "alarm " + std::to_string(k);
        return entry + " has no language " + (empty1 ? "1" : "2") + " text";
    }
    return std::nullopt;
}

// The widget a refused compile names by its page, kind and position.
Finding refusalFinding(const CHCData& project, const CompileStats& stats, std::string code) {
    Finding f{Severity::Error, std::move(code), std::nullopt, std::nullopt, stats.message};
    if (!stats.refusedAt || stats.refusedAt->pageNumber == CompilePlace::kSystemAlarmList)
        return f;
    const CompilePlace& at = *stats.refusedAt;
    f.page = at.pageNumber;
    if (const CPage* page = project.pageByNumber(uint16_t(at.pageNumber))) {
        for (const WidgetNode& node : page->widgets) {
            if (node.kind == at.kind && node.record.size() >= 6 &&
                le::u16(node.record.data() + 2) == at.x && le::u16(node.record.data() + 4) == at.y)
                return widgetFinding(Severity::Error, f.code, *page, node, f.message);
        }
    }
    return f;
}

} // namespace

void checkAlarmLanguages(const CheckContext& context, Findings& out) {
    const CHCData& project = context.input.project;
    if (!project.header.flag(sysflag::kMultiLanguage))
        return;
    const char* code = "alarm-text-missing-language";
    if (auto message = missingLanguage(project.alarmList))
        out.push_back({Severity::Warning, code, std::nullopt, std::nullopt,
                       "in the system alarm list, " + *message});
    for (const auto& page : project.pages()) {
        for (const WidgetNode& node : page->widgets) {
            if (node.kind != WidgetKind::Alarm || node.record.size() != AlarmListRecord::kSize)
                continue;
            if (auto message = missingLanguage(node.get<AlarmListRecord>()))
                out.push_back(widgetFinding(Severity::Warning, code, *page, node, *message));
        }
    }
}

void checkImageLimits(const CheckContext& context, Findings& out) {
    const CompileStats* stats = context.input.stats;
    if (!stats)
        return;
    if (!stats->ok) {
        const bool glyphs = stats->message.starts_with(kTooManyGlyphsMessage);
        out.push_back(refusalFinding(context.input.project, *stats,
                                     glyphs ? "over-512-characters" : "image-refused"));
        return;
    }
    if (stats->imageBytes > kImageLimit)
        out.push_back({Severity::Error, "image-over-56k", std::nullopt, std::nullopt,
                       "the image takes " + std::to_string(stats->imageBytes) +
                           " bytes, more than the panel's 57344 (56 KB); the download refuses it"});
}

} // namespace zorv
