// Any bytes as a plain project stream, every page then laid on a page canvas and drawn in both
// languages, with the program's icons and libraries: damaged records must never make the
// drawing read outside a record, a bitmap or a glyph library.
#include <cstddef>
#include <cstdint>

#include "model/ProjectStream.h"
#include "model/widgets/PageObjects.h"
#include "oonedraw/GCanvas.h"
#include "oonedraw/GLibraryGlyphs.h"
#include "platform/Paths.h"

#include "TouchingContext.h"

namespace {

struct Program {
    Program()
        : folder(zorv::SystemPaths(zorv::currentExecutable()).programFolder()),
          glyphs(folder, [](const std::string&) {}) {
        zorv::WidgetBitmaps::shared().setProgramFolder(folder);
    }
    std::filesystem::path folder;
    oonedraw::GLibraryGlyphs glyphs;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Program program;
    zorv::CHCData project;
    if (!zorv::readProjectStream(std::span(data, size), project))
        return 0;
    TouchingContext dc;
    for (int index = 0; index < project.pageCount(); ++index) {
        const zorv::CPage& page = *project.page(index);
        for (int language = 0; language < 2; ++language) {
            oonedraw::GCanvas canvas;
            canvas.glyphs = &program.glyphs;
            zorv::addPageObjects(canvas, page, language, zorv::WidgetBitmaps::shared());
            canvas.dc = &dc;
            canvas.Draw();
            canvas.dc = nullptr;
        }
    }
    return 0;
}
