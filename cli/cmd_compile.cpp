// zorv compile IN.zvd OUT.hc: the download image of a project, compiled with the font files of
// the program folder.

#include <QFile>
#include <cstdio>

#include "cli/Command.h"
#include "image/ImageCompiler.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"
#include "platform/Paths.h"

namespace zorv::cli {

namespace {

bool readFile(const QString& path, std::vector<uint8_t>& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    bytes.assign(data.begin(), data.end());
    return file.error() == QFileDevice::NoError;
}

bool writeFile(const QString& path, const std::vector<uint8_t>& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const auto written =
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    return written == qint64(bytes.size()) && file.flush();
}

int runCompile(const QStringList& args);

const Command kCompile{"compile", "compile IN.zvd OUT.hc",
                       "compile a project into its download image", runCompile};
const CommandRegistration registration{kCompile};

int runCompile(const QStringList& args) {
    if (args.size() != 2)
        return usageError(kCompile);
    std::vector<uint8_t> file, plain;
    if (!readFile(args[0], file) || !decipherProject(file, plain))
        return fail("Failed to open file!");
    CHCData project;
    if (!readProjectStream(plain, project))
        return fail("File format error, open failed!");

    const CompileResult result =
        compileImage(project, SystemPaths(currentExecutable()).programFolder());
    if (!result.ok)
        return fail(result.message);
    if (!writeFile(args[1], result.image))
        return fail("Failed to open the target file!");
    std::printf("%zu bytes, %d glyphs (%d for texts, %d for symbols)\n", result.image.size(),
                result.glyphCount, result.textGlyphCount,
                result.glyphCount - result.textGlyphCount);
    if (result.image.size() > kImageLimit)
        std::fprintf(stderr, "zorv: Download file more than 56K!\n");
    return 0;
}

} // namespace

} // namespace zorv::cli
