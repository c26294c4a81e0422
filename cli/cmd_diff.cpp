// zorv diff A.zvd B.zvd [--json] [--pictures DIR]: the differences that matter between two
// projects and the Modbus tables beside them. Exits 0 when they are the same, 1 when they
// differ, 2 on an error. With --pictures, writes for every changed page and language one PNG of
// the panel's display before, after and with the changed pixels marked.

#include <QImage>
#include <cstdio>
#include <filesystem>

#include "cli/Command.h"
#include "cli/ProjectFiles.h"
#include "cli/diff/ChangePicture.h"
#include "cli/diff/DiffReport.h"
#include "comm/ModbusTableModel.h"
#include "image/ImageCompiler.h"
#include "model/OpenFailure.h"
#include "panel/PanelRenderer.h"
#include "platform/FileRead.h"
#include "platform/Paths.h"

namespace zorv::cli {

namespace {

int runDiff(const QStringList& args);

const Command kDiff{"diff", "diff A.zvd B.zvd [--json] [--pictures DIR]",
                    "show what changed between two projects (exit 0 same, 1 differ, 2 error)",
                    runDiff};
const CommandRegistration registration{kDiff};

constexpr int kTrouble = 2;
// Each pixel of the displays is written as a square of this many pixels.
constexpr int kPictureScale = 2;

struct Side {
    CHCData project;
    std::vector<ModbusRow> modbus;
    panel::PanelImage image; // loaded only for pictures
};

int trouble(const std::string& text) {
    fail(text);
    return kTrouble;
}

// The project and the table beside it; a project without a table, or with the empty one that
// a new project saves, has no rows.
bool loadSide(const QString& path, Side& side, std::string& message) {
    if (!loadProject(path, side.project, message))
        return false;
    const std::filesystem::path table = modbusFileBeside(path).toStdString();
    const FileContents file = readWholeFile(table);
    if (file.missing || (file && file.bytes.empty()))
        return true;
    if (!file) {
        message = openFailureMessage(kModbusImportFailedMessage, table, file.failure);
        return false;
    }
    if (!decodeModbusTable(file.bytes, side.modbus)) {
        message = openFailureMessage(kModbusImportFailedMessage, table,
                                     "The table is shorter than its counts say.");
        return false;
    }
    return true;
}

bool compileSide(Side& side, std::string& message) {
    const CompileResult result = compileImage(side.project, SystemPaths(currentExecutable()));
    if (!result.ok) {
        message = result.message;
        return false;
    }
    return side.image.load(result.image, message);
}

// The display of a page in a language; blank on the side without the page.
panel::PanelPicture pageDisplay(const Side& side, int32_t number, int language) {
    const auto index = number >= 0 ? side.image.pageOfNumber(uint16_t(number)) : std::nullopt;
    if (!index)
        return {};
    return panel::renderPage(side.image, *index, language, panel::PanelRegisters());
}

bool savePicture(const diff::ChangePicture& picture, const std::filesystem::path& file) {
    QImage image(diff::ChangePicture::kWidth, diff::ChangePicture::kHeight, QImage::Format_RGB32);
    for (int y = 0; y < diff::ChangePicture::kHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < diff::ChangePicture::kWidth; ++x)
            row[x] = 0xFF000000u | picture.at(x, y);
    }
    return image.scaled(image.size() * kPictureScale, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(QString::fromStdString(file.string()), "PNG");
}

// page-N-language-L.png, N the page's number in the later project (the earlier one for a
// removed page).
int writePictures(Side& before, Side& after, std::span<const diff::DiffEntry> entries,
                  const QString& folder) {
    std::string message;
    if (!compileSide(before, message) || !compileSide(after, message))
        return trouble(message);
    const std::filesystem::path dir = folder.toStdString();
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    const int languages = std::max(before.image.languages(), after.image.languages());
    for (const auto& [pageBefore, pageAfter] : diff::changedPages(entries)) {
        for (int language = 0; language < languages; ++language) {
            const auto picture = diff::changePicture(pageDisplay(before, pageBefore, language),
                                                     pageDisplay(after, pageAfter, language));
            const std::string name = "page-" +
                                     std::to_string(pageAfter >= 0 ? pageAfter : pageBefore) +
                                     "-language-" + std::to_string(language + 1) + ".png";
            if (!savePicture(picture, dir / name))
                return trouble("Failed to open the target file!");
        }
    }
    return 0;
}

int runDiff(const QStringList& args) {
    QStringList rest = args;
    const bool asJson = rest.removeAll("--json") > 0;
    QString pictures;
    if (const qsizetype at = rest.indexOf("--pictures"); at >= 0) {
        if (at + 1 >= rest.size())
            return usageError(kDiff);
        pictures = rest[at + 1];
        rest.remove(at, 2);
    }
    if (rest.size() != 2)
        return usageError(kDiff);
    Side before, after;
    std::string message;
    if (!loadSide(rest[0], before, message) || !loadSide(rest[1], after, message))
        return trouble(message);
    const auto entries =
        diff::diffProjects({before.project, before.modbus}, {after.project, after.modbus});
    const std::string text = asJson ? diff::diffJson(entries) : diff::diffText(entries);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout))
        return trouble("Failed to open the target file!");
    if (!pictures.isEmpty()) {
        if (const int status = writePictures(before, after, entries, pictures))
            return status;
    }
    return entries.empty() ? 0 : 1;
}

} // namespace

} // namespace zorv::cli
