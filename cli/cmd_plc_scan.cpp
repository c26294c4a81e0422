// zorv plc-scan IN.zvd|IN.hc --plc tcp://HOST:PORT|rtu:PORT:BAUD,PARITY,DATA,STOP [--map FILE]
//               [--page N]
// The requests of one polling cycle of a page (the start page by default) against the PLC, one
// line each (function, station, address, count), the cycle's measured time and, on a serial
// line, the least time its frames take at the line's baud rate. A first cycle connects and
// learns which merged reads the devices refuse; the second is the one shown.

#include <cstdio>

#include "cli/Command.h"
#include "cli/PlcOnline.h"
#include "cli/ProjectFiles.h"
#include "panel/PanelMachine.h"
#include "plc/LineBound.h"

namespace zorv::cli {

namespace {

int runPlcScan(const QStringList& args);

const Command kPlcScan{"plc-scan",
                       "plc-scan IN.zvd|IN.hc --plc tcp://HOST:PORT|rtu:PORT:BAUD,PARITY,DATA,STOP "
                       "[--map FILE] [--page N]",
                       "list the requests of one polling cycle against the PLC and its time",
                       runPlcScan};
const CommandRegistration registration{kPlcScan};

int runPlcScan(const QStringList& args) {
    QStringList rest = args;
    QString link, map, page;
    if (!takeOption(rest, "--plc", link) || !takeOption(rest, "--map", map) ||
        !takeOption(rest, "--page", page) || link.isEmpty() || rest.size() != 1)
        return usageError(kPlcScan);
    std::string message;
    panel::PanelImage image;
    if (!loadPanelImage(rest[0], image, message))
        return fail(message);
    PlcSetup setup;
    if (!openPlc(rest[0], link, map, setup, message))
        return fail(message);
    panel::PanelMachine machine(image);
    if (!page.isEmpty()) {
        bool ok = false;
        const uint number = page.toUInt(&ok);
        const auto index =
            ok && number <= 0xFFFF ? image.pageOfNumber(uint16_t(number)) : std::nullopt;
        if (!index)
            return fail("the image has no page " + page.toStdString());
        machine.showPageIndex(*index);
    }
    plc::PlcSession session(image, setup.map, setup.table);
    plc::PlcSession::attach(machine);
    if (!session.runCycle(*setup.link, machine))
        return fail("cannot reach the PLC: " + session.state());

    const plc::CycleResult result = plc::PlcSession::exchange(*setup.link, session.plan(machine));
    session.apply(result, machine);
    std::vector<plc::FrameBytes> frames;
    for (const plc::WriteRequest& w : result.plan.writes) {
        const uint8_t function = writeFunction(w.at.object, w.values.size());
        std::printf("function %u  station %u  address %u  count %zu\n", function, w.at.unit,
                    w.at.address, w.values.size());
        frames.push_back(plc::rtuFrameBytes(function, uint16_t(w.values.size())));
    }
    for (const plc::ReadRequest& r : result.plan.reads) {
        const uint8_t function = readFunction(r.object);
        std::printf("function %u  station %u  address %u  count %u\n", function, r.unit, r.address,
                    r.count);
        frames.push_back(plc::rtuFrameBytes(function, r.count));
    }
    std::printf("cycle time %.1f ms\n", session.cycleMs());
    if (setup.settings.kind == plc::LinkSettings::Kind::Rtu)
        std::printf("physical bound %.1f ms at %d baud\n",
                    plc::physicalBoundMs(frames, setup.settings.baud), setup.settings.baud);
    else
        std::printf("physical bound: none on TCP\n");
    if (!session.connected() || session.errors() > 0)
        std::fprintf(stderr, "%s\n", session.statusLine().c_str());
    return 0;
}

} // namespace

} // namespace zorv::cli
