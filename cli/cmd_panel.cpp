// zorv panel IN.zvd|IN.hc OUT.png [--page N] [--language 1|2] [--keys K1,K2,...]
//            [--set REG=VALUE,...] [--scale S]
//            [--plc tcp://HOST:PORT|rtu:PORT:BAUD,PARITY,DATA,STOP [--map FILE] [--cycles N]]
// What the panel's display shows, from the download image (compiled first from a project):
// registers set, then the language and the page chosen, then the keys pressed in turn. Writes
// the display as a black and white PNG and prints the page then shown. With --plc the registers
// are the PLC's: N cycles (1 by default) read them, and each key's writes go to the PLC in a
// cycle of their own.

#include <chrono>
#include <cstdio>
#include <thread>

#include "cli/Command.h"
#include "cli/PlcOnline.h"
#include "cli/ProjectFiles.h"
#include "panel/PanelMachine.h"
#include "panel/ui/PanelPictureImage.h"

namespace zorv::cli {

namespace {

int runPanel(const QStringList& args);

const Command kPanel{"panel",
                     "panel IN.zvd|IN.hc OUT.png [--page N] [--language 1|2] [--keys K1,K2,...] "
                     "[--set REG=VALUE,...] [--scale S] [--plc tcp://HOST:PORT|"
                     "rtu:PORT:BAUD,PARITY,DATA,STOP [--map FILE] [--cycles N]]",
                     "show the panel's display after keys, from the download image", runPanel};
const CommandRegistration registration{kPanel};

constexpr int kMaxScale = 16;
constexpr int kMaxCycles = 100000;

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
    QString plc, map;
    int cycles = 1;
};

bool parseOptions(QStringList& rest, Options& o) {
    QString page, language, keys, sets, scale, cycles;
    if (!takeOption(rest, "--page", page) || !takeOption(rest, "--language", language) ||
        !takeOption(rest, "--keys", keys) || !takeOption(rest, "--set", sets) ||
        !takeOption(rest, "--scale", scale) || !takeOption(rest, "--plc", o.plc) ||
        !takeOption(rest, "--map", o.map) || !takeOption(rest, "--cycles", cycles))
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
    if (!cycles.isEmpty()) {
        o.cycles = cycles.toInt(&ok);
        if (!ok || o.cycles < 1 || o.cycles > kMaxCycles)
            return false;
    }
    // The map and the cycles belong to a PLC; the PLC holds the registers.
    if (o.plc.isEmpty() ? !o.map.isEmpty() || !cycles.isEmpty() : !sets.isEmpty())
        return false;
    o.keys = keys.isEmpty() ? QStringList() : keys.split(',');
    o.sets = sets.isEmpty() ? QStringList() : sets.split(',');
    return rest.size() == 2;
}

// The panel against the PLC: the cycles, then each key with a cycle that sends its writes and
// reads what follows from them. False with the reason when the PLC cannot be reached.
bool runOnline(const QString& project, const Options& o, const panel::PanelImage& image,
               const std::vector<panel::Key>& keys, panel::PanelMachine& machine,
               std::string& message) {
    PlcSetup setup;
    if (!openPlc(project, o.plc, o.map, setup, message))
        return false;
    plc::PlcSession session(image, setup.map, setup.table);
    const auto cycle = [&](bool first) {
        if (!first)
            std::this_thread::sleep_for(std::chrono::milliseconds(session.settings().pacingMs));
        session.runCycle(*setup.link, machine);
    };
    cycle(true);
    if (!session.connected()) {
        message = "cannot reach the PLC: " + session.state();
        return false;
    }
    for (int k = 1; k < o.cycles; ++k)
        cycle(false);
    for (const panel::Key key : keys) {
        machine.click(key);
        cycle(false);
    }
    std::fprintf(stderr, "%s\n", session.statusLine().c_str());
    return true;
}

int runPanel(const QStringList& args) {
    QStringList rest = args;
    Options o;
    if (!parseOptions(rest, o))
        return usageError(kPanel);
    std::string message;
    panel::PanelImage image;
    if (!loadPanelImage(rest[0], image, message))
        return fail(message);
    panel::PanelMachine machine(image);
    // The language and the page chosen are reported to the PLC as the panel reports them.
    if (!o.plc.isEmpty())
        plc::PlcSession::attach(machine);
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
    std::vector<panel::Key> keys;
    for (const QString& name : o.keys) {
        const auto key = panel::keyFromName(name.trimmed().toStdString());
        if (!key)
            return fail("no key \"" + name.toStdString() +
                        "\" (F1..F4, UP, DOWN, LEFT, RIGHT, "
                        "ENT, ESC, SET, CLR, 0..9, +/-)");
        keys.push_back(*key);
    }
    if (!o.plc.isEmpty()) {
        if (!runOnline(rest[0], o, image, keys, machine, message))
            return fail(message);
    } else {
        for (const panel::Key key : keys)
            machine.click(key);
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
