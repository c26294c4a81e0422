// Any bytes as a script of editing on a page canvas: tools chosen, presses, drags and releases
// anywhere (the Ctrl key held or not), undo and redo of the commands, copy, cut, paste, delete
// and clearing, with the canvas and the tools' feedback drawn after every step. No step may
// touch an object that is gone, and the command stack must keep its count within its entries.
#include <cstddef>
#include <cstdint>

#include "model/widgets/PageTools.h"
#include "oonedraw/GCanvas.h"
#include "oonedraw/GCommandStack.h"
#include "oonedraw/GCreateTool.h"
#include "oonedraw/GRectangle.h"
#include "oonedraw/GToolMgr.h"

#include "TouchingContext.h"

namespace {

struct View : oonedraw::GWindow {
    void InvalidateArea(const oonedraw::GIntRect&) override {}
    oonedraw::GDrawContext* ClientContext() override { return &dc; }
    TouchingContext dc;
};

constexpr const char* kToolNames[] = {"select", "move", "rotate", "StaticText", "Bar", "Picture",
                                      "Trend",  "Key",  "Led",    "Rectangle",  "none"};

class Script {
public:
    Script(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    // Window coordinates around the 750 x 580 client area, a little beyond it on every side.
    double coordinate() { return double(int(byte()) * 4 - 64) + (byte() & 1 ? 0.5 : 0); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    View view;
    oonedraw::GCanvas canvas;
    canvas.window = &view;
    oonedraw::GToolMgr tools(&canvas);
    tools.view = &view;
    zorv::registerPageTools(tools);
    tools.Register("Rectangle",
                   new oonedraw::GCreateTool(&tools, std::make_unique<oonedraw::GRectangle>()));

    Script script(data, size);
    oonedraw::GCommandStack& commands = *canvas.GetCommands();
    while (script.more()) {
        const uint8_t op = script.byte();
        oonedraw::GPointerEvent event{script.coordinate(), script.coordinate(), 0};
        if (op & 0x10)
            event.keys |= oonedraw::kLeftButton;
        if (op & 0x20)
            event.keys |= oonedraw::kCtrlKey;
        oonedraw::GTool* tool = tools.Current();
        switch (op & 0x0F) {
        case 0:
            tools.SelectTool(kToolNames[script.byte() % std::size(kToolNames)]);
            break;
        case 1:
        case 2:
            if (tool)
                tool->OnButtonDown(event);
            break;
        case 3:
        case 4:
        case 5:
            if (tool)
                tool->OnMouseMove(event);
            break;
        case 6:
            if (tool)
                tool->OnButtonUp(event);
            break;
        case 7: // undo, as a view offering it would
            if (commands.count > 0 && commands.entries[commands.count - 1]->Undo())
                --commands.count;
            break;
        case 8: // redo
            if (size_t(commands.count) < commands.entries.size() &&
                commands.entries[commands.count]->Execute())
                ++commands.count;
            break;
        case 9:
            canvas.CopySelection();
            break;
        case 10:
            canvas.CutSelection();
            break;
        case 11:
            canvas.Paste();
            break;
        case 12:
            canvas.DeleteSelection();
            break;
        case 13:
            if (auto* create = dynamic_cast<oonedraw::GCreateTool*>(tool))
                create->Commit();
            break;
        case 14:
            commands.limit = int32_t(script.byte() % 8) - 1;
            break;
        case 15:
            if (script.byte() == 0xC1)
                canvas.ClearAll();
            break;
        }
        if (commands.count < 0 || size_t(commands.count) > commands.entries.size())
            __builtin_trap();
        canvas.dc = &view.dc;
        canvas.Draw();
        canvas.dc = nullptr;
    }
    return 0;
}
