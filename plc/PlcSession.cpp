#include "plc/PlcSession.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "panel/PanelUsage.h"

namespace zorv::plc {

namespace {

using Cell = std::tuple<uint8_t, ModbusObject, uint16_t>;

Cell cellOf(const ModbusAddress& a) {
    return {a.unit, a.object, a.address};
}

std::tuple<uint8_t, uint8_t, uint16_t> placeOf(const RegisterRef& reg) {
    return {reg.station, reg.type, reg.address};
}

bool writable(ModbusObject object) {
    return object == ModbusObject::Coil || object == ModbusObject::HoldingRegister;
}

// Adds the panel's write to the last request when it continues it, else starts a new one.
void addWrite(std::vector<WriteRequest>& writes, const ModbusAddress& at, const RegisterRef& from,
              uint16_t value, uint16_t before) {
    if (!writes.empty()) {
        WriteRequest& last = writes.back();
        const uint16_t limit = isBitObject(at.object) ? kMaxWriteBits : kMaxWriteWords;
        if (last.at.unit == at.unit && last.at.object == at.object &&
            uint32_t(last.at.address) + last.values.size() == at.address &&
            last.values.size() < limit) {
            last.values.push_back(value);
            last.from.push_back(from);
            last.before.push_back(before);
            return;
        }
    }
    writes.push_back({at, {value}, {from}, {before}});
}

// Reads the span of the object: bits as 0 and 1, or words.
LinkReply readSpan(PlcLink& link, uint8_t unit, ModbusObject object, uint16_t address,
                   uint16_t count, std::vector<uint16_t>& values) {
    if (!isBitObject(object))
        return link.readWords(unit, object, address, count, values);
    std::vector<uint8_t> bits;
    const LinkReply reply = link.readBits(unit, object, address, count, bits);
    values.assign(bits.begin(), bits.end());
    return reply;
}

LinkReply writeSpan(PlcLink& link, const WriteRequest& w) {
    if (!writable(w.at.object))
        return {LinkReply::Status::Exception, 0, "the PLC's object is read-only"};
    if (w.at.object == ModbusObject::HoldingRegister)
        return link.writeWords(w.at.unit, w.at.address, w.values);
    return link.writeBits(w.at.unit, w.at.address,
                          std::vector<uint8_t>(w.values.begin(), w.values.end()));
}

// Runs one request unless the link is down or its station has already been silent this cycle.
template <class Request>
RequestOutcome run(CycleResult& result, std::set<uint8_t>& silent, uint8_t unit,
                   Request&& request) {
    RequestOutcome out;
    if (result.lost || silent.count(unit))
        return out;
    out.tried = true;
    const auto start = SessionClock::now();
    out.reply = request(out.values);
    out.roundTripMs =
        std::chrono::duration<double, std::milli>(SessionClock::now() - start).count();
    if (out.reply.status == LinkReply::Status::LinkDown) {
        result.lost = true;
        result.linkError = out.reply.error;
    } else if (out.reply.status == LinkReply::Status::Timeout) {
        // A silent station is asked once a cycle, not once a request.
        silent.insert(unit);
    }
    return out;
}

const char* objectName(ModbusObject object) {
    switch (object) {
    case ModbusObject::Coil:
        return "coil";
    case ModbusObject::DiscreteInput:
        return "discrete input";
    case ModbusObject::InputRegister:
        return "input register";
    default:
        return "holding register";
    }
}

// "station 2 holding register 100" or "station 2 coil 5 to 20".
std::string requestName(uint8_t unit, ModbusObject object, uint16_t address, std::size_t count) {
    std::string name = "station " + std::to_string(unit) + " " + objectName(object) + " " +
                       std::to_string(address);
    if (count > 1)
        name += " to " + std::to_string(address + count - 1);
    return name;
}

// The panel register written, or the PLC's for a write of the protocol table.
std::string writeName(const WriteRequest& w) {
    if (w.from.empty())
        return requestName(w.at.unit, w.at.object, w.at.address, w.values.size());
    return registerName(w.from[0].type, w.from[0].address);
}

bool answered(const RequestOutcome& out) {
    return out.tried && (out.reply.ok() || out.reply.status == LinkReply::Status::Exception);
}

} // namespace

PlcSession::PlcSession(const panel::PanelImage& image, RegisterMap map,
                       std::vector<ModbusRow> table, SessionSettings settings)
    : image_(image), map_(std::move(map)), table_(std::move(table)), settings_(settings),
      planner_(settings.maxGap), singleDone_(table_.rows().size(), false) {}

void PlcSession::attach(panel::PanelMachine& machine) {
    panel::PanelRegisters& registers = machine.registers();
    registers.setStationsApart(true);
    registers.dropJournal(registers.journal().size());
    registers.keepJournal(true);
}

void PlcSession::detach(panel::PanelMachine& machine) {
    panel::PanelRegisters& registers = machine.registers();
    registers.keepJournal(false);
    registers.dropJournal(registers.journal().size());
    registers.setStationsApart(false);
}

CyclePlan PlcSession::plan(const panel::PanelMachine& machine, SessionClock::time_point now) const {
    CyclePlan p;
    p.connect = !connected_ && now >= nextConnect_;
    const panel::PanelRegisters& registers = machine.registers();
    p.journalTaken = registers.journal().size();
    for (const panel::PanelWrite& w : registers.journal())
        if (const auto at = map_.locate(w.reg))
            addWrite(p.writes, *at, w.reg, w.value, w.before);

    const auto& rows = table_.rows();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const ModbusRow& row = rows[k];
        const bool due = !ProtocolTable::once(row) || !singleDone_[k];
        if (!due)
            continue;
        if (ProtocolTable::once(row))
            p.singleRows.push_back(int(k));
        if (ProtocolTable::writes(row)) {
            const RegisterRef soft = ProtocolTable::softRegister(row);
            const uint16_t value = registers.word(soft);
            p.writes.push_back(
                {{uint8_t(row.device), ModbusObject::HoldingRegister, row.instruction},
                 {value},
                 {soft},
                 {value}});
        } else {
            ProtocolTable::addReads(row, p.targets);
        }
    }

    for (const panel::UsedRegister& u : panel::pageRegisters(image_, machine.page())) {
        for (int k = 0; k < u.cells; ++k) {
            const RegisterRef reg{u.reg.station, u.reg.type, uint16_t(u.reg.address + k)};
            if (table_.holds(reg))
                continue;
            if (const auto at = map_.locate(reg))
                p.targets.push_back({*at, reg, -1});
        }
    }
    std::vector<ModbusAddress> cells;
    for (const ReadTarget& t : p.targets)
        cells.push_back(t.from);
    p.reads = planner_.plan(cells);
    // A station watched by a communication alarm is asked every cycle.
    for (const uint8_t station : table_.watchedStations())
        if (std::none_of(p.reads.begin(), p.reads.end(),
                         [&](const ReadRequest& r) { return r.unit == station; }))
            p.reads.push_back({station, ModbusObject::HoldingRegister, 0, 1});
    std::stable_sort(p.reads.begin(), p.reads.end(),
                     [](const ReadRequest& a, const ReadRequest& b) { return a.unit < b.unit; });
    return p;
}

CycleResult PlcSession::exchange(PlcLink& link, const CyclePlan& plan) {
    CycleResult result;
    result.plan = plan;
    result.start = SessionClock::now();
    result.writes.resize(plan.writes.size());
    result.readBacks.resize(plan.writes.size());
    result.reads.resize(plan.reads.size());
    if (!link.connected() && plan.connect) {
        result.connectTried = true;
        link.connect(result.linkError);
    }
    result.lost = !link.connected();
    if (result.lost && result.linkError.empty())
        result.linkError = "no connection";
    std::set<uint8_t> silent;
    for (std::size_t k = 0; k < plan.writes.size(); ++k) {
        const WriteRequest& w = plan.writes[k];
        result.writes[k] = run(result, silent, w.at.unit,
                               [&](std::vector<uint16_t>&) { return writeSpan(link, w); });
        // A refused write: what the PLC holds instead.
        if (result.writes[k].reply.status == LinkReply::Status::Exception)
            result.readBacks[k] =
                run(result, silent, w.at.unit, [&](std::vector<uint16_t>& values) {
                    return readSpan(link, w.at.unit, w.at.object, w.at.address,
                                    uint16_t(w.values.size()), values);
                });
    }
    for (std::size_t k = 0; k < plan.reads.size(); ++k) {
        const ReadRequest& r = plan.reads[k];
        result.reads[k] = run(result, silent, r.unit, [&](std::vector<uint16_t>& values) {
            return readSpan(link, r.unit, r.object, r.address, r.count, values);
        });
    }
    result.connected = link.connected();
    result.end = SessionClock::now();
    return result;
}

void PlcSession::apply(const CycleResult& result, panel::PanelMachine& machine) {
    const CyclePlan& p = result.plan;
    panel::PanelRegisters& registers = machine.registers();
    // The link: up, lost, or a connection tried again after a growing delay.
    const bool wasConnected = connected_;
    connected_ = result.connected;
    if (connected_ && !wasConnected) {
        delayMs_ = 0;
        state_ = "Connected";
    }
    // The once-only rows run again on the next link.
    if (!connected_)
        std::fill(singleDone_.begin(), singleDone_.end(), false);
    if (!connected_ && (result.connectTried || wasConnected)) {
        delayMs_ = wasConnected || delayMs_ == 0
                       ? settings_.firstReconnectMs
                       : std::min(delayMs_ * 2, settings_.lastReconnectMs);
        nextConnect_ = result.end + std::chrono::milliseconds(delayMs_);
        state_ = (wasConnected ? "Link lost: " : "Not connected: ") + result.linkError;
    }
    // The panel's writes made while this cycle ran go out with the next one: their registers
    // keep the panel's values.
    std::set<std::tuple<uint8_t, uint8_t, uint16_t>> pending;
    for (std::size_t k = p.journalTaken; k < registers.journal().size(); ++k)
        pending.insert(placeOf(registers.journal()[k].reg));
    registers.dropJournal(p.journalTaken);
    const auto take = [&](const RegisterRef& reg, uint16_t value) {
        if (pending.count(placeOf(reg)))
            return;
        if (panel::isBitFamily(reg.type))
            registers.takeBit(reg, value != 0);
        else
            registers.takeWord(reg, value);
    };

    const auto now = std::chrono::system_clock::now();
    uint64_t tried = 0;
    std::map<uint8_t, int> heard; // per station: +1 answered, -1 asked but never answered
    const auto count = [&](uint8_t unit, const RequestOutcome& out, const std::string& what,
                           bool shown) {
        if (!out.tried)
            return;
        ++tried;
        StationStats& s = stations_[unit];
        ++s.requests;
        if (answered(out)) {
            s.roundTripMs = out.roundTripMs;
            heard[unit] = 1;
        } else if (!heard.count(unit)) {
            heard[unit] = -1;
        }
        if (!out.reply.ok()) {
            ++s.errors;
            s.lastError = what + ": " + out.reply.error;
            s.lastErrorAt = now;
            // A lost link is the state already.
            if (shown && out.reply.status != LinkReply::Status::LinkDown)
                state_ = s.lastError;
        }
    };

    // Failed writes go back to the PLC's values, the latest first, so that the oldest value the
    // panel held wins; a register a later write did reach keeps it.
    std::set<std::tuple<uint8_t, uint8_t, uint16_t>> reached;
    for (std::size_t k = p.writes.size(); k-- > 0;) {
        const WriteRequest& w = p.writes[k];
        const RequestOutcome& out = result.writes[k];
        const RequestOutcome& back = result.readBacks[k];
        count(w.at.unit, out, "Write to " + writeName(w) + " failed", true);
        count(w.at.unit, back, "Reading back " + writeName(w), true);
        const bool ok = out.tried && out.reply.ok();
        const bool known = back.reply.ok() && back.values.size() == w.values.size();
        for (std::size_t v = 0; v < w.from.size(); ++v) {
            if (ok)
                reached.insert(placeOf(w.from[v]));
            else if (!reached.count(placeOf(w.from[v])))
                take(w.from[v], known ? back.values[v] : w.before[v]);
        }
    }

    std::map<Cell, uint16_t> values;
    for (std::size_t k = 0; k < p.reads.size(); ++k) {
        const ReadRequest& r = p.reads[k];
        const RequestOutcome& out = result.reads[k];
        const bool refusal = out.reply.status == LinkReply::Status::Exception &&
                             out.reply.exceptionCode == kIllegalDataAddress;
        std::vector<ModbusAddress> cells;
        if (refusal)
            for (const ReadTarget& t : p.targets)
                cells.push_back(t.from);
        // A merged read the device refuses is split from now on; a single one is a fault.
        const bool split = refusal && planner_.refused(r, cells);
        count(r.unit, out, "Reading " + requestName(r.unit, r.object, r.address, r.count), !split);
        if (!out.reply.ok() || out.values.size() != r.count)
            continue;
        for (uint16_t a = 0; a < r.count; ++a)
            values[{r.unit, r.object, uint16_t(r.address + a)}] = out.values[a];
    }
    for (const ReadTarget& t : p.targets) {
        const auto it = values.find(cellOf(t.from));
        if (it == values.end())
            continue;
        if (t.bitOfWord < 0) {
            take(t.to, it->second);
            continue;
        }
        const auto mask = uint16_t(1u << t.bitOfWord);
        const uint16_t word = registers.word(t.to);
        take(t.to, it->second ? uint16_t(word | mask) : uint16_t(word & ~mask));
    }

    for (auto& [unit, s] : stations_) {
        const auto it = heard.find(unit);
        // With the link down, nobody answers.
        s.answering = connected_ && (it == heard.end() ? s.answering : it->second > 0);
    }
    for (const uint8_t station : table_.watchedStations()) {
        const auto it = stations_.find(station);
        table_.setAlarms(station, it != stations_.end() && it->second.answering, registers);
    }
    for (const int row : p.singleRows) {
        const auto unit = uint8_t(table_.rows()[std::size_t(row)].device);
        if (heard.count(unit) && heard[unit] > 0)
            singleDone_[std::size_t(row)] = true;
    }

    cycleMs_ = std::chrono::duration<double, std::milli>(result.end - result.start).count();
    recent_.push_back({result.start, result.end, tried});
    while (recent_.size() > 1 && result.end - recent_.front().start > std::chrono::seconds(2))
        recent_.pop_front();
    uint64_t requests = 0;
    for (const CycleMark& mark : recent_)
        requests += mark.requests;
    const double seconds =
        std::chrono::duration<double>(recent_.back().end - recent_.front().start).count();
    requestsPerSecond_ = seconds > 0 ? double(requests) / seconds : 0;
    machine.sync();
}

bool PlcSession::runCycle(PlcLink& link, panel::PanelMachine& machine,
                          SessionClock::time_point now) {
    apply(exchange(link, plan(machine, now)), machine);
    return connected_;
}

uint64_t PlcSession::errors() const {
    uint64_t n = 0;
    for (const auto& [unit, s] : stations_)
        n += s.errors;
    return n;
}

std::string PlcSession::statusLine() const {
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, "  cycle %.0f ms  %.0f requests/s  %llu errors",
                  cycleMs_, requestsPerSecond_, static_cast<unsigned long long>(errors()));
    return state_ + numbers;
}

} // namespace zorv::plc
