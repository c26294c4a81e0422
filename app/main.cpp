// zorveditor: the desktop editor of the operator panel's screens.

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/AppIdentity.h"
#include "app/AutomationChannel.h"
#include "app/CMainFrame.h"
#include "app/CZorvEditorApp.h"
#include "app/EndSignals.h"
#include "comm/ui/DeviceServices.h"
#include "platform/Paths.h"
#include "platform/posix/LibusbBus.h"
#include "platform/posix/PosixProcess.h"
#include "platform/posix/PosixSerialPort.h"
#include "platform/qt/QtFileViewer.h"
#include "platform/qt/QtPrompt.h"
#include "platform/qt/QtRegistry.h"

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription("The editor of the screens of the 192 x 64 operator panel.");
    QCommandLineOption help({"h", "help"}, "Displays help on commandline options.");
    QCommandLineOption version({"v", "version"}, "Displays version information.");
    // For tests and timing: quit after so many milliseconds, or once the window is painted
    // (printing the time from the start to that first paint).
    QCommandLineOption quitAfter("quit-after", "Quits after MS milliseconds.", "MS");
    quitAfter.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption firstPaint("quit-after-first-paint",
                                  "Prints the time to the first paint and quits.");
    firstPaint.setFlags(QCommandLineOption::HiddenFromHelp);
    // For tests that run the program as a child: commands on standard input (AutomationChannel).
    QCommandLineOption automation("automation", "Takes commands on standard input.");
    automation.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, version, quitAfter, firstPaint, automation});
    parser.addPositionalArgument("project", "The project file (.zvd) to open.", "[project]");
    // Help and version are answered before any window system is needed.
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::printf("%s", qPrintable(parser.helpText().replace("<executable_name>", "zorveditor")));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s\n", zorv::kVersionLine);
        return 0;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(zorv::kAppTitle);
    QApplication::setOrganizationName(zorv::kRegistryOrganisation);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 256})
        icon.addFile(QString(":/zorveditor/icon-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    QApplication::setDesktopFileName("zorveditor");

    zorv::QtRegistry registry;
    zorv::QtPrompt prompt;
    zorv::QtFileChooser files;
    const zorv::SystemPaths paths(zorv::currentExecutable());
    zorv::PosixSerialPortSystem ports;
    zorv::LibusbBus usb(&registry);
    zorv::PosixProcessRunner processes;
    zorv::QtFileViewer viewer;
    zorv::DeviceServices devices{prompt, files, paths, registry, ports, usb, processes};
    zorv::CZorvEditorApp app({registry, prompt, files, paths, viewer, &devices});
    prompt.setOwner(&app.frame());
    const zorv::EndSignals endSignals([&app](int) { app.endFromOutside(); });

    const bool timing = parser.isSet(firstPaint);
    if (timing) {
        QObject::connect(&app.frame(), &zorv::CMainFrame::firstPainted, [&] {
            std::printf("first paint after %lld ms\n",
                        static_cast<long long>(sinceStart.elapsed()));
            QApplication::quit();
        });
    }
    if (parser.isSet(quitAfter))
        QTimer::singleShot(parser.value(quitAfter).toInt(), &application, &QApplication::quit);

    const QStringList projects = parser.positionalArguments();
    const QString project = projects.isEmpty() ? QString() : projects.first();
    const bool showTip = !timing && !parser.isSet(quitAfter) && !parser.isSet(automation);
    std::unique_ptr<zorv::AutomationChannel> channel;
    if (parser.isSet(automation))
        channel = std::make_unique<zorv::AutomationChannel>(app.frame(), app.view());
    // Started inside the event loop, so that --quit-after also ends a message about the project;
    // a project that cannot be opened leaves the editor running with a new one.
    QTimer::singleShot(0, &app, [&] { app.start(project, showTip); });
    return application.exec();
}
