// All project checks on a full-size project: 131 pages and an image just under the panel's 56 KB.
// Every page holds two texts of Chinese characters in both languages, a settable register,
// a light, a dynamic text of three states, a menu of three page jumps and two keys, so that the
// register cross-reference, the page graph and every text are as busy as in a real project;
// the characters run through 300 distinct codes. A 10-row Modbus table lies beside it. The
// menus of the last pages jump past the last page, so that findings are made and listed too.
// BM_Checks takes the compile statistics as the editor's background compile hands them over;
// BM_CompileAndChecks compiles first, as `zorv check` does.
#include <benchmark/benchmark.h>

#include "bench/BenchFonts.h"

#include "checks/Checks.h"
#include "image/CompileStats.h"
#include "image/ImageCompiler.h"
#include "model/WidgetRecords.h"

using namespace zorv;

namespace {

constexpr int kPages = 131;
constexpr int kDistinctCharacters = 300;

TextSlot chineseText(int& next, int characters) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < characters; ++i, ++next) {
        const int code = next % kDistinctCharacters;
        bytes.push_back(uint8_t(0xB0 + code / 94));
        bytes.push_back(uint8_t(0xA1 + code % 94));
    }
    return TextSlot::fromBytes(std::span<const uint8_t>(bytes));
}

template <class R> void add(CPage* page, R record, uint16_t x, uint16_t y) {
    record.setX(x);
    record.setY(y);
    page->widgets.push_back(WidgetNode::of(page->nextWidgetId++, record));
}

template <class R> void fillEntries(R& r, int count, int& next, int firstValue) {
    for (int k = 0; k < count; ++k) {
        ChoiceEntry e;
        e.used = true;
        e.text[0] = chineseText(next, 2);
        e.text[1] = chineseText(next, 2);
        e.value = firstValue + k;
        r.setEntry(k, e);
    }
    r.setCount(uint8_t(count));
    r.recomputeWidths();
}

void addPage(CHCData& p, int n, int& next) {
    CPage* page = p.addPage(uint16_t(n), PlaceMode::Insert);
    page->head.setUpPage(uint16_t(n == 1 ? kPages : n - 1));
    page->head.setDownPage(uint16_t(n == kPages ? 1 : n + 1));
    for (uint16_t y : {0, 16}) {
        StaticTextRecord text;
        text.setText(0, chineseText(next, 3));
        text.setText(1, chineseText(next, 3));
        add(page, text, 0, y);
    }
    RegisterRecord reg = RegisterRecord::makeDefault();
    reg.setRegister({1, uint8_t(RegisterType::D), uint16_t(100 + n)});
    reg.setOption(RegisterRecord::kSettable, true);
    add(page, reg, 112, 0);
    LedRecord led = LedRecord::makeDefault();
    led.setRegister({1, uint8_t(RegisterType::M), uint16_t(n)});
    add(page, led, 152, 0);
    DynamicTextRecord dyn = DynamicTextRecord::makeDefault();
    dyn.setRegister({1, uint8_t(RegisterType::D), uint16_t(400 + n)});
    fillEntries(dyn, 3, next, 0);
    add(page, dyn, 112, 16);
    MenuRecord menu = MenuRecord::makeDefault();
    fillEntries(menu, 3, next, (n % kPages) + 1);
    menu.setRows(2);
    add(page, menu, 0, 32);
    KeyRecord jump = KeyRecord::makeDefault();
    jump.setActionByte(KeyRecord::ScreenJump);
    jump.setValue(uint16_t(n % kPages + 1));
    add(page, jump, 144, 48);
    KeyRecord set = KeyRecord::makeDefault();
    set.setKeyCode(11);
    set.setActionByte(KeyRecord::SetRegister);
    set.setRegister({1, uint8_t(RegisterType::D), uint16_t(100 + n)});
    add(page, set, 176, 48);
}

CHCData project() {
    CHCData p;
    p.header.setFlags(p.header.flags() | sysflag::kMultiLanguage | sysflag::kReportCurrentPage);
    int next = 0;
    for (int n = 1; n <= kPages; ++n)
        addPage(p, n, next);
    return p;
}

std::vector<ModbusRow> modbus() {
    std::vector<ModbusRow> rows;
    for (uint16_t k = 0; k < 10; ++k)
        rows.push_back({uint8_t(1 + k % 5), uint16_t(k + 1), k, uint16_t(600 + k)});
    return rows;
}

void report(benchmark::State& state, const CompileStats& stats, const Findings& findings) {
    if (!stats.ok)
        state.SkipWithError(stats.message.c_str());
    state.counters["pages"] = kPages;
    state.counters["image_bytes"] = double(stats.imageBytes);
    state.counters["findings"] = double(findings.size());
}

// Every check, the pixel overlaps of each page in both languages among them.
void BM_Checks(benchmark::State& state) {
    const CHCData p = project();
    const GlyphSources f = bench::benchFonts();
    const std::vector<ModbusRow> rows = modbus();
    const CompileResult compiled = compileImage(p, f);
    const CompileStats stats = imageStats(compiled.image, compiled.glyphCount);
    Findings findings;
    for (auto _ : state) {
        findings = checkProject(p, compiled.image, stats, rows, f);
        benchmark::DoNotOptimize(findings.data());
    }
    report(state, stats, findings);
}
BENCHMARK(BM_Checks)->Unit(benchmark::kMillisecond);

// What the editor does after each change: compile, then check.
void BM_CompileAndChecks(benchmark::State& state) {
    const CHCData p = project();
    const GlyphSources f = bench::benchFonts();
    const std::vector<ModbusRow> rows = modbus();
    CompileStats stats;
    Findings findings;
    for (auto _ : state) {
        const CompileResult compiled = compileImage(p, f);
        stats = imageStats(compiled.image, compiled.glyphCount);
        findings = checkProject(p, compiled.image, stats, rows, f);
        benchmark::DoNotOptimize(findings.data());
    }
    report(state, stats, findings);
}
BENCHMARK(BM_CompileAndChecks)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
