#pragma once
// Steps of the register, bar, trend and password pane tests beyond the shared pane kit: the demo
// project's records, the field a label names, and typing into a field.

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <optional>
#include <vector>

#include "ImagePaneKit.h"
#include "model/CZorvEditorDoc.h"
#include "platform/Paths.h"
#include "tests/gui/FieldKit.h"

namespace numberpanekit {

// The record of the first widget of the kind in the demo project, if it has one.
inline std::optional<std::vector<uint8_t>> demoRecord(zorv::WidgetKind kind) {
    zorv::ScriptedPrompt prompt;
    const std::filesystem::path temp = std::filesystem::temp_directory_path();
    zorv::FixedPaths paths(ZORV_PROGRAM_DIR, temp, temp);
    zorv::CZorvEditorDoc doc(prompt, paths);
    if (!doc.open(std::filesystem::path(ZORV_PROGRAM_DIR) / "demo.zvd"))
        return std::nullopt;
    for (const auto& page : doc.project().pages())
        for (const zorv::WidgetNode& node : page->widgets)
            if (node.kind == kind)
                return node.record;
    return std::nullopt;
}

using zorv::test::fieldOf;
using zorv::test::typeInto;

} // namespace numberpanekit
