#pragma once
// What the panel will show, from the editor: "Simulate" compiles the project and opens the
// offline panel on its image; "Panel pixels" has the editing view draw the page through the
// panel's own renderer, refreshed with each background compile of the memory meter.

#include <QObject>
#include <QPointer>
#include <memory>

#include "panel/ui/PanelSimulatorWindow.h"

namespace zorv {

class CHCData;
struct CompileResult;
class CZorvEditorDoc;
class CZorvEditorView;
class Paths;
class Prompt;
class Registry;

namespace panel {
class PanelImage;
} // namespace panel

class PanelPreview : public QObject {
    Q_OBJECT
public:
    PanelPreview(CZorvEditorView& view, const CZorvEditorDoc& document, const Paths& paths,
                 Prompt& prompt, Registry& registry, QObject* parent = nullptr);
    ~PanelPreview() override;

    // Compiles `project` and shows the offline panel on its image (one window, brought to the
    // front when it is open); a refused compile shows the compiler's message.
    void simulate(const CHCData& project);
    panel::PanelSimulatorWindow* simulator() const { return simulator_; }

    // The view draws the display through the renderer while on.
    void setPanelPixels(bool on, const CHCData& project);
    bool panelPixels() const { return panelPixels_; }
    // The project changed and was compiled anew: the panel pixels and the simulator follow it.
    void imageCompiled(const CompileResult& compiled);

private:
    // The simulator's project beside the image: file, tags, Modbus table.
    void describeProject();

    CZorvEditorView& view_;
    const CZorvEditorDoc& document_;
    const Paths& paths_;
    Prompt& prompt_;
    Registry& registry_;
    QPointer<panel::PanelSimulatorWindow> simulator_;
    bool panelPixels_ = false;
};

} // namespace zorv
