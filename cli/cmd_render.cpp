// zorv render IN.zvd PAGE OUT.png [--language 1|2]: a picture of one page as the page canvas
// draws it, the panel's 192 x 64 display at two units per pixel, with its frame.

#include <QImage>
#include <QPainter>
#include <cstdio>

#include "cli/Command.h"
#include "cli/ProjectFiles.h"
#include "image/GlyphFiles.h"
#include "model/widgets/CanvasPlacement.h"
#include "model/widgets/PageObjects.h"
#include "oonedraw/GCanvas.h"
#include "oonedraw/GLibraryGlyphs.h"
#include "platform/Paths.h"
#include "platform/qt/CanvasPicture.h"

namespace zorv::cli {

namespace {

int runRender(const QStringList& args);

const Command kRender{"render", "render IN.zvd PAGE OUT.png [--language 1|2]",
                      "draw a page of a project as the page canvas shows it", runRender};
const CommandRegistration registration{kRender};

constexpr int kMargin = 8;

int runRender(const QStringList& args) {
    QStringList rest = args;
    int language = 0;
    if (const qsizetype at = rest.indexOf("--language"); at >= 0) {
        if (at + 1 >= rest.size() || (rest[at + 1] != "1" && rest[at + 1] != "2"))
            return usageError(kRender);
        language = rest[at + 1].toInt() - 1;
        rest.remove(at, 2);
    }
    bool numeric = false;
    const uint number = rest.size() == 3 ? rest[1].toUInt(&numeric) : 0;
    if (rest.size() != 3 || !numeric || number > 0xFFFF)
        return usageError(kRender);
    CHCData project;
    std::string message;
    if (!loadProject(rest[0], project, message))
        return fail(message);
    const CPage* page = project.pageByNumber(uint16_t(number));
    if (!page)
        return fail("the project has no page " + std::to_string(number));

    const SystemPaths paths(currentExecutable());
    WidgetBitmaps::shared().setProgramFolder(paths.programFolder());
    WidgetBitmaps::shared().setProjectFolder(
        std::filesystem::absolute(rest[0].toStdString()).parent_path());
    oonedraw::GLibraryGlyphs glyphs(libraryLocator(paths), [](const std::string& text) {
        std::fprintf(stderr, "zorv: %s\n", text.c_str());
    });
    oonedraw::GCanvas canvas;
    canvas.glyphs = &glyphs;
    const int shown = addPageObjects(canvas, *page, language, WidgetBitmaps::shared());

    const QRect display(kDisplayLeft, kDisplayTop, kUnitsPerPixel * kDisplayWidth,
                        kUnitsPerPixel * kDisplayHeight);
    const QRect area = display.adjusted(-kMargin, -kMargin, kMargin, kMargin);
    QImage image = paintCanvas(canvas, area);
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(display.adjusted(-1, -1, 0, 0));
    painter.end();
    if (!image.save(rest[2], "PNG"))
        return fail("Failed to open the target file!");
    std::printf("page %u: %d of %zu widgets drawn\n", number, shown, page->widgets.size());
    return 0;
}

} // namespace

} // namespace zorv::cli
