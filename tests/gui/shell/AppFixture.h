#pragma once
// The application over test doubles: settings in memory, scripted prompts and file choosers,
// program and work folders of its own (the program folder is the build's, for the fonts).

#include <QTemporaryDir>

#include "app/CZorvEditorApp.h"
#include "platform/ScriptedFileViewer.h"
#include "platform/ScriptedPrompt.h"
#include "platform/qt/ScriptedFileChooser.h"

namespace zorv {

struct AppFixture {
    AppFixture()
        : paths(ZORV_PROGRAM_DIR, work.path().toStdString(), work.path().toStdString()),
          app({registry, prompt, files, paths, viewer}) {
        registry.setValue("Tip/StartUp", "1");
    }

    QTemporaryDir work;
    MemoryRegistry registry;
    ScriptedPrompt prompt;
    ScriptedFileChooser files;
    FixedPaths paths;
    ScriptedFileViewer viewer;
    CZorvEditorApp app;
};

} // namespace zorv
