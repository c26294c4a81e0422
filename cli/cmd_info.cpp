// zorv info IN.zvd: a readable summary of a project: its system parameters, alarm list, pages
// and how many widgets of each kind it holds.

#include <QFileInfo>
#include <cstdio>
#include <string>

#include "cli/Command.h"
#include "cli/ProjectFiles.h"
#include "model/ProjectHeader.h"
#include "platform/CodePageText.h"

namespace zorv::cli {

namespace {

int runInfo(const QStringList& args);

const Command kInfo{"info", "info IN.zvd", "summarise a project", runInfo};
const CommandRegistration registration{kInfo};

// A code-page text for the terminal; bytes that are no GB2312 text are shown as \xNN.
std::string printable(std::string_view bytes) {
    if (auto text = codePageToUtf8(bytes))
        return *text;
    std::string out;
    char hex[5];
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(char(c));
        } else {
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

std::string registerText(const RegisterRef& r) {
    const std::string name =
        isRegisterTypeCode(r.type)
            ? registerName(r.type, r.address)
            : "type " + std::to_string(r.type) + " address " + std::to_string(r.address);
    return name + " (station " + std::to_string(r.station) + ")";
}

std::string pageText(uint16_t page) {
    return page == 0xFFFF ? "none" : std::to_string(page);
}

const char* onOff(bool on) {
    return on ? "on" : "off";
}

void printHeader(const ProjectHeader& h) {
    using H = ProjectHeader;
    std::printf("System parameters:\n");
    std::printf("  %-28s %u x %u\n", "Display size", h.u16(H::kDisplayWidthOff),
                h.u16(H::kDisplayHeightOff));
    std::printf("  %-28s %u\n", "Start page", h.startPage());
    std::printf("  %-28s %u\n", "Default page", h.defaultPage());
    std::printf("  %-28s %u\n", "Screen saver page", h.screenSaverPage());
    std::printf("  %-28s %s\n", "Alarm page", pageText(h.alarmPage()).c_str());
    std::printf("  %-28s %s, after %u s\n", "Screen protection",
                onOff(h.flag(sysflag::kScreenProtection)), h.screenProtectDelay());
    std::printf("  %-28s %s, after %u s\n", "Backlight off", onOff(h.flag(sysflag::kBacklightOff)),
                h.backlightDelay());
    const struct {
        const char* name;
        uint8_t bit;
        std::size_t reg;
    } flags[] = {
        {"Auto trans page", sysflag::kAutoTransPage, H::kPageControlRegOff},
        {"Report current page", sysflag::kReportCurrentPage, H::kCurrentPageRegOff},
        {"Register setting control", sysflag::kRegisterSetControl, H::kSetControlRegOff},
        {"Multi-language", sysflag::kMultiLanguage, H::kLanguageRegOff},
        {"Report password level", sysflag::kReportPasswordLevel, H::kPasswordLevelRegOff},
    };
    for (const auto& f : flags)
        std::printf("  %-28s %s, register %s\n", f.name, onOff(h.flag(f.bit)),
                    registerText(h.registerAt(f.reg)).c_str());
    std::printf("  %-28s %s\n", "Auto alarm page", onOff(h.flag(sysflag::kAutoAlarmPage)));
    std::printf("  %-28s %u\n", "Password levels", h.passwordLevels());
    std::printf("  %-28s 0x%04X\n", "User glyph base", h.userGlyphBase());
}

void printAlarmList(const AlarmListRecord& list) {
    const int entries = list.entryCount();
    const RegisterRef first{list.station(), list.registerType(), list.start()};
    std::printf("Alarm list: %d alarm%s, first alarm bit %s, %u rows per page, buzzer %u, "
                "duration %u s\n",
                entries > 0 ? entries - 1 : 0, entries == 2 ? "" : "s", registerText(first).c_str(),
                list.rows(), list.buzzer(), list.duration());
    for (int k = 0; k < std::min<int>(entries, AlarmListRecord::kCapacity); ++k)
        std::printf("  %-4d %-26s %s\n", k, printable(list.text(k, 0).view()).c_str(),
                    printable(list.text(k, 1).view()).c_str());
}

void printPages(const CHCData& project) {
    std::printf("Pages: %d\n", project.pageCount());
    if (project.pageCount() > 0)
        std::printf("  %-7s %-7s %-7s %-6s %-8s %s\n", "Number", "Up", "Down", "Level", "Widgets",
                    "Description");
    int perKind[kWidgetKindCount + 1] = {};
    int total = 0;
    for (const auto& page : project.pages()) {
        std::printf("  %-7u %-7u %-7u %-6u %-8d %s\n", page->number(), page->head.upPage(),
                    page->head.downPage(), page->head.displayLevel(), page->widgetCount(),
                    printable(page->description()).c_str());
        for (const WidgetNode& node : page->widgets) {
            if (isWidgetKind(int32_t(node.kind))) {
                ++perKind[int(node.kind)];
                ++total;
            }
        }
    }
    std::printf("Widgets: %d\n", total);
    for (int kind = 1; kind <= kWidgetKindCount; ++kind) {
        if (perKind[kind] > 0)
            std::printf("  %-12s %d\n", std::string(typeName(WidgetKind(kind))).c_str(),
                        perKind[kind]);
    }
}

int runInfo(const QStringList& args) {
    if (args.size() != 1)
        return usageError(kInfo);
    CHCData project;
    std::string message;
    if (!loadProject(args[0], project, message))
        return fail(message);
    std::printf("Project %s\n", qPrintable(QFileInfo(args[0]).fileName()));
    printHeader(project.header);
    printAlarmList(project.alarmList);
    printPages(project);
    return 0;
}

} // namespace

} // namespace zorv::cli
