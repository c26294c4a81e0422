#include "model/widgets/PageObjects.h"

#include "model/widgets/WidgetFactory.h"
#include "model/widgets/WidgetSync.h"

namespace zorv {

int addPageObjects(oonedraw::GCanvas& canvas, const CPage& page, int language,
                   WidgetBitmaps& bitmaps) {
    int added = 0;
    for (const WidgetNode& node : page.widgets) {
        auto object = newWidgetObject(node.kind);
        if (!object)
            continue;
        object->canvas = &canvas;
        if (!applyNode(*object, node, language, bitmaps))
            continue;
        object->parent = &canvas;
        canvas.AddChild(object.release());
        ++added;
    }
    return added;
}

} // namespace zorv
