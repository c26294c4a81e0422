// Any bytes as a plain project stream, every page then laid on a page canvas and drawn in both
// languages, with the program's icons and libraries: damaged records must never make the
// drawing read outside a record, a bitmap or a glyph library.
#include <cstddef>
#include <cstdint>

#include "model/ProjectStream.h"
#include "model/widgets/PageObjects.h"
#include "oonedraw/GCanvas.h"
#include "oonedraw/GDrawContext.h"
#include "oonedraw/GLibraryGlyphs.h"
#include "platform/Paths.h"

namespace {

// Takes every call and touches every pixel of a drawn bitmap, as a real context would.
class TouchingContext : public oonedraw::GDrawContext {
public:
    void SetPen(const oonedraw::GPen&) override {}
    void SetBrush(const oonedraw::GBrush&) override {}
    void SetFont(const std::string&, int32_t) override {}
    void SetTextBackground(bool) override {}
    void SetInvertMode(bool) override {}
    void Line(int32_t, int32_t, int32_t, int32_t) override {}
    void Rectangle(const oonedraw::GIntRect&) override {}
    void FillRect(const oonedraw::GIntRect&, uint32_t) override {}
    void FrameRect(const oonedraw::GIntRect&, uint32_t) override {}
    void Polygon(const std::vector<oonedraw::GPoint>&) override {}
    void Text(int32_t, int32_t, const std::string& text) override { sum_ = sum_ + text.size(); }
    void InvertRect(const oonedraw::GIntRect&) override {}
    void FocusRect(const oonedraw::GIntRect&) override {}
    void StretchBitmap(const oonedraw::GBitmap& bitmap, const oonedraw::GIntRect&,
                       uint32_t) override {
        for (uint32_t pixel : bitmap.pixels())
            sum_ = sum_ + pixel;
    }
    void Pixel(int32_t, int32_t, uint32_t) override {}

private:
    volatile std::size_t sum_ = 0;
};

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
