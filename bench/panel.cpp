// The panel preview's speed on the demo: drawing one page (under 1 ms) and a key press to the
// next picture (under 2 ms), so that the simulator window and the editor's pixel view keep up
// with typing.
#include <benchmark/benchmark.h>

#include "panel/PanelMachine.h"
#include "panel/PanelRenderer.h"
#include "tests/panel/DemoImage.h"

using namespace zorv;
using namespace zorv::panel;

namespace {

const PanelImage& demo() {
    static const PanelImage image = [] {
        PanelImage loaded;
        std::string error;
        loaded.load(test::demoImage(), error);
        return loaded;
    }();
    return image;
}

// Page 2 of the demo, the busiest: eleven texts, three registers, three lights and a bar.
void RenderPage(benchmark::State& state) {
    PanelRegisters registers;
    registers.setWord(uint8_t(RegisterType::D), 130, 600);
    PanelScreen screen;
    screen.page = int(state.range(0));
    screen.language = 1;
    PanelPicture picture;
    for (auto _ : state) {
        renderScreen(demo(), screen, registers, picture);
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(RenderPage)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

// F1 on page 1 jumps to page 2 and UP there back to page 1: a key and the picture after it.
void KeyToPicture(benchmark::State& state) {
    PanelMachine machine(demo());
    PanelPicture picture;
    bool forward = true;
    for (auto _ : state) {
        machine.click(forward ? Key::F1 : Key::Up);
        machine.render(picture);
        benchmark::DoNotOptimize(picture);
        forward = !forward;
    }
}
BENCHMARK(KeyToPicture)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
