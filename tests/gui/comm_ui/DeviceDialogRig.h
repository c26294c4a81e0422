#pragma once
// What the device dialogs' tests share: the panel simulator on a pseudo-terminal and on an
// in-process USB bus, scripted prompts and choosers, folders in a fresh temporary folder, a
// recorder of the status texts as the window's thread receives them, and buttons by their text.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include "comm/ui/DeviceServices.h"
#include "comm/ui/QtTransferObserver.h"
#include "platform/ScriptedPrompt.h"
#include "platform/posix/PosixProcess.h"
#include "platform/qt/ScriptedFileChooser.h"
#include "sim/PanelUsbDevice.h"
#include "tests/sim/SimHarness.h"

namespace zorv::test {

// A scripted prompt that also notes whether every question came on the window's thread.
struct ThreadCheckingPrompt : ScriptedPrompt {
    using ScriptedPrompt::ScriptedPrompt;
    PromptAnswer ask(const std::string& text, PromptButtons buttons) override {
        if (QThread::currentThread() != qApp->thread())
            offThread = true;
        return ScriptedPrompt::ask(text, buttons);
    }
    bool offThread = false;
};

struct DeviceDialogRig {
    explicit DeviceDialogRig(bool controllerRunning = false, int baud = 0)
        : panel({}, false, baud), usbDevice({}, controllerRunning),
          paths(folder(), folder(), folder()), services{prompt,      chooser, paths,    registry,
                                                        panel.ports, usbBus,  processes} {}

    std::filesystem::path folder() const { return dir.path().toStdString(); }
    std::filesystem::path file(const std::string& name) const { return folder() / name; }

    QTemporaryDir dir;
    ServedPanel panel;
    sim::PanelDevice usbDevice;
    sim::PanelUsbBus usbBus{usbDevice};
    ThreadCheckingPrompt prompt;
    ScriptedFileChooser chooser;
    FixedPaths paths;
    MemoryRegistry registry;
    PosixProcessRunner processes;
    DeviceServices services;
};

// The status texts in the order the window's thread received them, each checked against the
// status line at that moment (the dialog's own connection comes first) and against the thread.
struct StatusRecorder {
    StatusRecorder(QtTransferObserver& observer, QLabel* line) {
        QObject::connect(&observer, &QtTransferObserver::statusChanged, &context,
                         [this, line](const QString& text) {
                             texts << text;
                             if (line->text() != text)
                                 lineBehind = true;
                             if (QThread::currentThread() != qApp->thread())
                                 offThread = true;
                         });
        QObject::connect(&observer, &QtTransferObserver::transferFinished, &context,
                         [this](bool ok) {
                             ++endings;
                             lastResult = ok;
                         });
    }
    QObject context;
    QStringList texts;
    bool lineBehind = false;
    bool offThread = false;
    int endings = 0;
    bool lastResult = false;
};

// The dialog's button with `text`; null when it has none.
inline QPushButton* button(QWidget& dialog, const QString& text) {
    for (auto* b : dialog.findChildren<QPushButton*>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline std::vector<uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace zorv::test
