// FontMaker, the character tool the editor starts from its program folder: edits the
// user-defined characters of UserLib.dat.

#include <QApplication>

#include "app/fontmaker/FontMakerWindow.h"
#include "platform/Paths.h"
#include "platform/qt/QtPrompt.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("FontMaker");
    const zorv::SystemPaths paths(zorv::currentExecutable());
    zorv::QtPrompt prompt;
    zorv::fontmaker::FontMakerWindow window(paths, prompt);
    prompt.setOwner(&window);
    window.show();
    return app.exec();
}
