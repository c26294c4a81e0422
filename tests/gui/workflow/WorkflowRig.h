#pragma once
// The whole editor over test doubles and the panel simulator: settings in memory, scripted
// prompts and file choosers, a work folder of its own, the simulator on a pseudo-terminal as
// the only serial port. Modal dialogs are answered by steps that run once the dialog is up.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/CZorvEditorApp.h"
#include "comm/ui/DeviceServices.h"
#include "platform/ScriptedFileViewer.h"
#include "platform/ScriptedPrompt.h"
#include "platform/posix/PosixProcess.h"
#include "platform/qt/ScriptedFileChooser.h"
#include "sim/PanelUsbDevice.h"
#include "tests/gui/FieldKit.h"
#include "tests/gui/ModalSteps.h"
#include "tests/sim/SimHarness.h"

namespace zorv::test {

struct WorkflowRig {
    WorkflowRig()
        : paths(ZORV_PROGRAM_DIR, folder(), folder()), devices{prompt,   files,       paths,
                                                               registry, panel.ports, usbBus,
                                                               processes},
          app({registry, prompt, files, paths, viewer, &devices}) {
        registry.setValue("Tip/StartUp", "1");
    }

    std::filesystem::path folder() const { return work.path().toStdString(); }

    QTemporaryDir work;
    ServedPanel panel;
    sim::PanelDevice usbDevice;
    sim::PanelUsbBus usbBus{usbDevice};
    MemoryRegistry registry;
    ScriptedPrompt prompt;
    ScriptedFileChooser files;
    FixedPaths paths;
    PosixProcessRunner processes;
    ScriptedFileViewer viewer;
    DeviceServices devices;
    CZorvEditorApp app;
};

inline QPushButton* pushButton(QWidget& parent, const QString& text) {
    for (QPushButton* b : parent.findChildren<QPushButton*>())
        if (b->text() == text && b->isVisibleTo(&parent))
            return b;
    return nullptr;
}

} // namespace zorv::test
