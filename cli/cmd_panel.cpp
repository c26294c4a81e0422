// zorv panel IN.zvd|IN.hc OUT.png [--page N] [--language 1|2] [--keys K1,K2,...]
//            [--set REG=VALUE,...] [--scale S]
// What the panel's display shows, from the download image (compiled first from a project):
// registers set, then the language and the page chosen, then the keys pressed in turn. Writes
// the display as a black and white PNG and prints the page then shown.

#include <QFileInfo>
#include <cstdio>

#include "cli/Command.h"
#include "cli/ProjectFiles.h"
#include "image/ImageCompiler.h"
#include "panel/PanelMachine.h"
#include "panel/ui/PanelPictureImage.h"
#include "platform/Paths.h"

namespace zorv::cli {

namespace {

int runPanel(const QStringList& args);

const Command kPanel{"panel",
                     "panel IN.zvd|IN.hc OUT.png [--page N] [--language 1|2] [--keys K1,K2,...] "
                     "[--set REG=VALUE,...] [--scale S]",
                     "show the panel's display after keys, from the download image", runPanel};
const CommandRegistration registration{kPanel};

constexpr int kMaxScale = 16;

// The image bytes of a download image file, or of a project compiled in memory.
bool imageBytes(const QString& path, std::vector<uint8_t>& bytes, std::string& message) {
    if (QFileInfo(path).suffix().compare("hc", Qt::CaseInsensitive) == 0) {
        return readFileBytes(path, bytes, message);
    }
    CHCData project;
    if (!loadProject(path, project, message))
        return false;
    CompileResult result = compileImage(project, SystemPaths(currentExecutable()));
    message = result.message;
    bytes = std::move(result.image);
    return result.ok;
}

// "D100=250", "M20=1", "X17=1" (X and Y in octal); values outside 16 bits take two registers.
bool setRegister(const QString& assignment, panel::PanelRegisters& registers) {
    const qsizetype eq = assignment.indexOf('=');
    if (eq < 2)
        return false;
    const std::string name = assignment.left(eq).trimmed().toUpper().toStdString();
    const auto type = registerTypeFromLetter(name[0]);
    bool numeric = false;
    const qlonglong value = assignment.mid(eq + 1).trimmed().toLongLong(&numeric);
    const std::string digits = name.substr(1);
    if (!type || !numeric || digits.empty() ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const RegisterRef reg{1, uint8_t(*type), parseAddress(uint8_t(*type), digits).address};
    if (panel::isBitFamily(reg.type))
        registers.setBit(reg.type, reg.address, value != 0);
    else
        registers.setValue(reg, value < -32768 || value > 65535 ? 2 : 1, value);
    return true;
}

struct Options {
    std::optional<uint16_t> page;
    int language = 0;
    QStringList keys, sets;
    int scale = 1;
};

bool takeOption(QStringList& rest, const char* name, QString& value) {
    const qsizetype at = rest.indexOf(name);
    if (at < 0)
        return true;
    if (at + 1 >= rest.size())
        return false;
    value = rest[at + 1];
    rest.remove(at, 2);
    return true;
}

bool parseOptions(QStringList& rest, Options& o) {
    QString page, language, keys, sets, scale;
    if (!takeOption(rest, "--page", page) || !takeOption(rest, "--language", language) ||
        !takeOption(rest, "--keys", keys) || !takeOption(rest, "--set", sets) ||
        !takeOption(rest, "--scale", scale))
        return false;
    bool ok = true;
    if (!page.isEmpty()) {
        const uint number = page.toUInt(&ok);
        if (!ok || number > 0xFFFF)
            return false;
        o.page = uint16_t(number);
    }
    if (!language.isEmpty() && language != "1" && language != "2")
        return false;
    o.language = language == "2" ? 1 : 0;
    if (!scale.isEmpty()) {
        o.scale = scale.toInt(&ok);
        if (!ok || o.scale < 1 || o.scale > kMaxScale)
            return false;
    }
    o.keys = keys.isEmpty() ? QStringList() : keys.split(',');
    o.sets = sets.isEmpty() ? QStringList() : sets.split(',');
    return rest.size() == 2;
}

int runPanel(const QStringList& args) {
    QStringList rest = args;
    Options o;
    if (!parseOptions(rest, o))
        return usageError(kPanel);
    std::vector<uint8_t> bytes;
    std::string message;
    if (!imageBytes(rest[0], bytes, message))
        return fail(message);
    panel::PanelImage image;
    if (!image.load(bytes, message))
        return fail("not a sound download image: " + message);
    panel::PanelMachine machine(image);
    for (const QString& set : o.sets)
        if (!setRegister(set, machine.registers()))
            return fail("cannot set \"" + set.toStdString() + "\": expected REG=VALUE as D100=5");
    machine.sync();
    machine.setLanguage(o.language);
    if (o.page) {
        const auto index = image.pageOfNumber(*o.page);
        if (!index)
            return fail("the image has no page " + std::to_string(*o.page));
        machine.showPageIndex(*index);
    }
    for (const QString& name : o.keys) {
        const auto key = panel::keyFromName(name.trimmed().toStdString());
        if (!key)
            return fail("no key \"" + name.toStdString() +
                        "\" (F1..F4, UP, DOWN, LEFT, RIGHT, "
                        "ENT, ESC, SET, CLR, 0..9, +/-)");
        machine.click(*key);
    }
    panel::PanelPicture picture;
    machine.render(picture);
    if (!panel::pictureImage(picture, o.scale).save(rest[1], "PNG"))
        return fail("Failed to open the target file!");
    if (const auto number = machine.pageNumber())
        std::printf("page %u\n", unsigned(*number));
    else
        std::printf("page alarm\n");
    return 0;
}

} // namespace

} // namespace zorv::cli
