#include "app/PanelPreview.h"

#include "app/WindowPlacement.h"
#include "editor/CZorvEditorView.h"
#include "image/ImageCompiler.h"
#include "model/CZorvEditorDoc.h"
#include "panel/PanelImage.h"
#include "panel/ui/PanelSimulatorWindow.h"
#include "platform/Prompt.h"

namespace zorv {

PanelPreview::PanelPreview(CZorvEditorView& view, const CZorvEditorDoc& document,
                           const Paths& paths, Prompt& prompt, Registry& registry, QObject* parent)
    : QObject(parent), view_(view), document_(document), paths_(paths), prompt_(prompt),
      registry_(registry) {}

PanelPreview::~PanelPreview() {
    delete simulator_;
}

void PanelPreview::simulate(const CHCData& project) {
    const CompileResult compiled = compileImage(project, paths_);
    if (!compiled.ok) {
        prompt_.message(compiled.message);
        return;
    }
    if (!simulator_) {
        // A window of its own, so that the panel can be operated beside the editor.
        simulator_ = new panel::PanelSimulatorWindow;
        simulator_->setAttribute(Qt::WA_DeleteOnClose);
        simulator_->setWindowTitle(tr("Panel Simulator"));
        simulator_->setPlcServices(registry_, prompt_);
        simulator_->adjustSize();
        simulator_->move(besideWindow(*view_.window(), simulator_->size()));
    }
    describeProject();
    QString error;
    if (!simulator_->setImage(compiled.image, &error)) {
        prompt_.message(error.toStdString());
        return;
    }
    simulator_->show();
    simulator_->raise();
    simulator_->activateWindow();
}

void PanelPreview::describeProject() {
    // A working table that cannot be read leaves the panel without protocol rows.
    std::vector<ModbusRow> rows;
    if (!loadModbusTableFile(document_.modbusWorkingCopy(), rows))
        rows.clear();
    simulator_->setProject(document_.path(), document_.tags(), std::move(rows));
}

void PanelPreview::setPanelPixels(bool on, const CHCData& project) {
    panelPixels_ = on;
    if (on)
        imageCompiled(compileImage(project, paths_));
    else
        view_.setPanelImage(nullptr);
}

void PanelPreview::imageCompiled(const CompileResult& compiled) {
    // An open simulator follows the edits; while the compiler refuses the project it keeps the
    // last image that compiled.
    if (simulator_ && compiled.ok) {
        describeProject();
        simulator_->followImage(compiled.image);
    }
    if (!panelPixels_)
        return;
    // A project the compiler refuses shows as the editor draws it; the meter names the fault.
    auto image = std::make_shared<panel::PanelImage>();
    std::string message;
    const bool loaded = compiled.ok && image->load(compiled.image, message);
    view_.setPanelImage(loaded ? std::move(image) : nullptr);
}

} // namespace zorv
