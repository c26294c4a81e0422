#include "model/widgets/PageTools.h"

#include "model/widgets/WidgetFactory.h"
#include "oonedraw/GCreateTool.h"
#include "oonedraw/GMoveTool.h"
#include "oonedraw/GRotateTool.h"
#include "oonedraw/GSelectTool.h"

namespace zorv {

void registerPageTools(oonedraw::GToolMgr& tools) {
    tools.Register("select", new oonedraw::GSelectTool(&tools));
    tools.Register("move", new oonedraw::GMoveTool(&tools));
    tools.Register("rotate", new oonedraw::GRotateTool(&tools));
    // Every widget is created as a 96 x 32 rectangle at the press, then fitted to its record.
    for (int32_t code = 1; code <= kWidgetKindCount; ++code) {
        const auto kind = WidgetKind(code);
        if (auto prototype = newWidgetObject(kind))
            tools.Register(std::string(typeName(kind)),
                           new oonedraw::GTextTool(&tools, std::move(prototype)));
    }
    tools.SelectTool("select");
}

} // namespace zorv
