#include "image/Report.h"

#include <cstdarg>
#include <cstdio>
#include <system_error>

#include "image/LanguageTextsFile.h"
#include "model/WidgetRecords.h"

namespace zorv {

namespace {

constexpr const char* kRule = "\n\n---------------------------------------------------\n";

// printf-style append; the report's formats are the system's own.
[[gnu::format(printf, 2, 3)]] void put(std::string& out, const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (n > 0)
        out.append(line, std::min<std::size_t>(std::size_t(n), sizeof line - 1));
}

// " , Language%d = \"text\"" for both languages (menus write "Language %d").
void putTexts(std::string& out, const char* format, const TextSlot& l1, const TextSlot& l2) {
    const TextSlot* texts[2] = {&l1, &l2};
    for (int lang = 0; lang < 2; ++lang) {
        put(out, format, lang + 1);
        out += texts[lang]->view();
        out += '"';
    }
}

// The widget's line(s); the number of multi-language strings it holds.
int putWidget(std::string& out, const WidgetNode& node) {
    const int id = node.id;
    switch (node.kind) {
    case WidgetKind::Led: {
        const auto r = node.get<LedRecord>();
        put(out, "Indicator Light(%d), Coordinate(%d, %d), Corresponding register = %c%d\n", id,
            r.x(), r.y(), reportRegisterLetter(r.reg().type), r.reg().address);
        return 0;
    }
    case WidgetKind::Register: {
        const auto r = node.get<RegisterRecord>();
        put(out, "Register(%d), Coordinate(%d, %d), Corresponding register = %c%d, Length=%d\n", id,
            r.x(), r.y(), reportRegisterLetter(r.reg().type), r.reg().address, r.registerCount());
        return 0;
    }
    case WidgetKind::DynamicText: {
        const auto r = node.get<DynamicTextRecord>();
        put(out,
            "DynamicText(%d), Coordinate(%d, %d), Corresponding register = %c%d, the total "
            "levels= %d\n",
            id, r.x(), r.y(), reportRegisterLetter(r.reg().type), r.reg().address, r.count());
        for (int k = 0; k < DynamicTextRecord::kCapacity; ++k) {
            const ChoiceEntry e = r.entry(k);
            if (!e.used)
                continue;
            put(out, "    level value = %d", e.value);
            putTexts(out, " , Language%d = \"", e.text[0], e.text[1]);
            out += '\n';
        }
        return r.count();
    }
    case WidgetKind::Menu: {
        const auto r = node.get<MenuRecord>();
        put(out, "DynamicText(%d), Coordinate(%d, %d), the total menus = %d\n", id, r.x(), r.y(),
            r.count());
        for (int k = 0; k < MenuRecord::kCapacity; ++k) {
            const ChoiceEntry e = r.entry(k);
            if (!e.used)
                continue;
            if (r.mode() == MenuRecord::kModeRegisterSetting)
                put(out, "    Corresponding register = %c%d", reportRegisterLetter(r.reg().type),
                    e.value);
            else
                put(out, "    Page jump = %d", e.value);
            putTexts(out, " , Language %d = \"", e.text[0], e.text[1]);
            out += '\n';
        }
        return r.count();
    }
    case WidgetKind::Password: {
        const auto r = node.get<PasswordRecord>();
        put(out, "password(%d), Coordinate(%d, %d)\n", id, r.x(), r.y());
        return 0;
    }
    case WidgetKind::Key: {
        const auto r = node.get<KeyRecord>();
        // The action is bits 0..1 of the action byte; the option bits above them do not change
        // what the key does.
        if (r.action() == KeyRecord::ScreenJump)
            put(out, "Key(%d), Coordinate(%d, %d), Page jump = %d\n", id, r.x(), r.y(), r.value());
        else
            put(out, "Key(%d), Coordinate(%d, %d), Corresponding register = %c%d\n", id, r.x(),
                r.y(), reportRegisterLetter(r.reg().type), r.reg().address);
        return 0;
    }
    case WidgetKind::StaticText: {
        const auto r = node.get<StaticTextRecord>();
        put(out, "Static text(%d), Coordinate(%d, %d) ", id, r.x(), r.y());
        putTexts(out, " , Language%d = \"", r.text(0), r.text(1));
        out += '\n';
        return 1;
    }
    case WidgetKind::Picture: {
        const auto r = node.get<PictureRecord>();
        put(out, "Picture(%d), Coordinate(%d, %d), ", id, r.x(), r.y());
        out += r.pictureName();
        out += " \n";
        return 0;
    }
    default:
        return 0; // bars, trends and alarm lists are not listed
    }
}

int putPage(std::string& out, const CPage& page) {
    put(out, "Page %d (", page.number());
    out += page.description();
    out += ")\n";
    put(out, "Control number in the page = %d\n\n", page.widgetCount());
    int strings = 0;
    for (const WidgetNode& node : page.widgets)
        strings += putWidget(out, node);
    return strings;
}

} // namespace

char reportRegisterLetter(uint8_t typeCode) {
    switch (RegisterType(typeCode)) {
    case RegisterType::M:
        return 'M';
    case RegisterType::D:
        return 'D';
    case RegisterType::Y:
        return 'Y';
    default:
        return 'X';
    }
}

bool writeProjectReport(const CHCData& project, std::string& out) {
    const ProjectHeader& h = project.header;
    put(out, "The total pages = %d\n", project.pageCount());
    put(out, "Start page = %d, Default page = %d\n\n", h.startPage(), h.defaultPage());
    if (h.flag(sysflag::kAutoTransPage))
        put(out, "Page control register = D%d",
            h.registerAt(ProjectHeader::kPageControlRegOff).address);
    if (h.flag(sysflag::kReportCurrentPage))
        put(out, "Current page number register = D%d",
            h.registerAt(ProjectHeader::kCurrentPageRegOff).address);
    if (h.flag(sysflag::kMultiLanguage))
        put(out, " Language register = D%d", h.registerAt(ProjectHeader::kLanguageRegOff).address);
    if (h.flag(sysflag::kReportPasswordLevel))
        put(out, " password level = D%d",
            h.registerAt(ProjectHeader::kPasswordLevelRegOff).address);
    if (h.flag(sysflag::kRegisterSetControl))
        put(out, " Register setting control = D%d\n",
            h.registerAt(ProjectHeader::kSetControlRegOff).address);

    int strings = 0;
    for (const auto& page : project.pages()) {
        out += kRule;
        strings += putPage(out, *page);
    }
    out += kRule;

    // Entries beyond the record's room cannot exist; a count of 0 lists no alarms.
    const AlarmListRecord& alarms = project.alarmList;
    const int entries = std::min<int>(alarms.entryCount(), AlarmListRecord::kCapacity);
    const int alarmCount = std::max(0, entries - 1);
    put(out, "Alarm list Alarm number = %d\n\n", alarmCount);
    for (int j = 1; j <= alarmCount; ++j) {
        put(out, "Alarm%d: Corresponding register = %c%d", j,
            reportRegisterLetter(alarms.registerType()), alarms.start() + j - 1);
        putTexts(out, ", Language%d = \"", alarms.text(j, 0), alarms.text(j, 1));
        out += '\n';
    }
    out += kRule;
    out += "Language\xD2\xBB";
    put(out, "string Number = %d\n", strings + alarms.entryCount());
    return true;
}

std::string reportFileName(std::string_view title, const std::tm& localTime) {
    char stamp[64];
    const std::size_t n = std::strftime(stamp, sizeof stamp, " %Y-%m-%d,%H-%M-%S.txt", &localTime);
    return std::string(title) + std::string(stamp, n);
}

std::string toTextMode(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::optional<std::filesystem::path> storeReport(const Paths& paths, std::string_view title,
                                                 const std::tm& localTime, std::string_view text) {
    const std::filesystem::path folder = paths.workFolder() / "report";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::filesystem::path file = folder / reportFileName(title, localTime);
    if (!writeWholeFile(file, toTextMode(text)))
        return std::nullopt;
    return file;
}

std::optional<std::filesystem::path> saveReport(const Paths& paths, std::string_view title,
                                                const std::tm& localTime, std::string_view text,
                                                Prompt& prompt) {
    auto file = storeReport(paths, title, localTime, text);
    if (!file)
        prompt.message(kReportFailedMessage);
    return file;
}

} // namespace zorv
