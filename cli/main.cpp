// zorv: the command-line face of the editor's core (projects, images, reports, transfers).

#include <QGuiApplication>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <string_view>

#include "cli/Command.h"

namespace zorv::cli {

namespace {
std::vector<Command>& registry() {
    static std::vector<Command> list;
    return list;
}
} // namespace

CommandRegistration::CommandRegistration(Command command) {
    registry().push_back(std::move(command));
}

const std::vector<Command>& commands() {
    return registry();
}

int fail(const std::string& text) {
    std::fprintf(stderr, "zorv: %s\n", text.c_str());
    return 1;
}

int usageError(const Command& command) {
    std::fprintf(stderr, "usage: zorv %s\n", command.usage);
    return 2;
}

bool takeOption(QStringList& args, const char* name, QString& value) {
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return true;
    if (at + 1 >= args.size())
        return false;
    value = args[at + 1];
    args.remove(at, 2);
    return true;
}

} // namespace zorv::cli

namespace {
void printHelp(FILE* out) {
    std::fprintf(out, "usage: zorv COMMAND [ARGS]\n\ncommands:\n");
    auto list = zorv::cli::commands();
    std::sort(list.begin(), list.end(),
              [](const auto& a, const auto& b) { return std::string_view(a.usage) < b.usage; });
    for (const auto& c : list)
        std::fprintf(out, "  zorv %-48s %s\n", c.usage, c.summary);
}

// A script sees only zorv's own output: the platform's notices and warnings (a missing runtime
// folder, font and platform plug-in messages) are dropped; critical errors still reach stderr.
void platformMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "zorv: %s\n", qPrintable(text));
}
} // namespace

int main(int argc, char** argv) {
    // The tool opens no window; pictures (render) need fonts, hence a GUI application on the
    // offscreen platform unless the caller chose another.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(platformMessages);
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args[0] == "-h" || args[0] == "--help" || args[0] == "help") {
        printHelp(args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const auto& command : zorv::cli::commands()) {
        if (name != command.name)
            continue;
        // "zorv COMMAND --help" answers with that command's usage.
        if (args.contains("--help") || args.contains("-h")) {
            std::printf("usage: zorv %s\n  %s\n", command.usage, command.summary);
            return 0;
        }
        return command.run(args);
    }
    std::fprintf(stderr, "zorv: unknown command \"%s\"\n", qPrintable(name));
    printHelp(stderr);
    return 2;
}
