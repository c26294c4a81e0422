#include "checks/Checks.h"

#include "checks/CheckContext.h"

namespace zorv {

Finding widgetFinding(Severity severity, std::string code, const CPage& page,
                      const WidgetNode& node, std::string message) {
    FindingWidget widget{node.id, node.kind, 0, 0};
    if (node.record.size() >= 6) {
        widget.x = le::u16(node.record.data() + 2);
        widget.y = le::u16(node.record.data() + 4);
    }
    return {severity, std::move(code), page.number(), widget, std::move(message)};
}

void setLibrarySizes(CheckInput& input, const GlyphSources& fonts) {
    auto count = [&](FontFile file) -> std::optional<uint32_t> {
        const auto& bytes = fonts.file(file);
        return bytes ? libraryCharacterCount(*bytes) : std::nullopt;
    };
    input.userCharacters = count(FontFile::UserLib);
    input.systemCharacters = count(FontFile::Syslib1);
}

std::vector<ModbusRow> modbusRowsOrNone(const std::filesystem::path& table) {
    std::vector<ModbusRow> rows;
    if (!loadModbusTableFile(table, rows))
        rows.clear();
    return rows;
}

Findings checkProject(const CHCData& project, std::span<const uint8_t> image,
                      const CompileStats& stats, std::span<const ModbusRow> modbus,
                      const GlyphSources& fonts, const TagTable* tags) {
    CheckInput in{project, &stats, modbus, image};
    setLibrarySizes(in, fonts);
    in.tags = tags;
    return runChecks(in);
}

Findings runChecks(const CheckInput& input) {
    using Check = void (*)(const CheckContext&, Findings&);
    static constexpr Check kChecks[] = {
        checkMissingPages,     checkUnreachablePages,
        checkOutsideDisplay,   checkUnshowableCharacters,
        checkSystemRegisters,  checkWriteMeanings,
        checkModbusOverwrites, checkAlarmLanguages,
        checkImageLimits,      checkOverlaps,
        checkUnusedTags,       checkSharedTagRegisters,
    };
    const CheckContext context{input, pageGraph(input.project),
                               registerUses(input.project, input.modbus)};
    Findings findings;
    for (Check check : kChecks)
        check(context, findings);
    return findings;
}

} // namespace zorv
