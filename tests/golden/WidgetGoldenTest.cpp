// Guards against: widgets drawn with the wrong key, light or hand image, at the wrong scale or
// off their display position; bars grey on the wrong side or with ticks off their edge; trend
// axes, ticks or curve moved; text widgets whose inversion, border, mesh or double size do not
// show; transparent white painted over what lies below.
#include "GoldenImage.h"
#include "model/widgets/CanvasPlacement.h"
#include "model/widgets/WidgetSync.h"

using namespace zorv;

namespace {

// The 192 x 64 display as the page canvas shows it, with a margin of two units.
const QRect kDisplayArea(kDisplayLeft - 2, kDisplayTop - 2, kUnitsPerPixel* kDisplayWidth + 4,
                         kUnitsPerPixel* kDisplayHeight + 4);

template <class R> R At(R record, uint16_t x, uint16_t y) {
    record.setX(x);
    record.setY(y);
    return record;
}

} // namespace

// Widgets on a page canvas with the program folder's icon2 images, as the editing view
// builds them from their records.
class WidgetGolden : public testing::Test {
protected:
    void SetUp() override {
        WidgetBitmaps::shared().setProgramFolder(ZORV_SOURCE_DIR "/data/program");
    }

    template <class Widget, class Record, class... Extra>
    Widget& Add(const Record& record, Extra&&... extra) {
        auto* widget = new Widget;
        widget->canvas = &canvas;
        widget->parent = &canvas;
        canvas.AddChild(widget);
        applyRecord(*widget, record, extra...);
        return *widget;
    }

    testing::AssertionResult Matches(const std::string& name) {
        return MatchesGolden(zorv::paintCanvas(canvas, kDisplayArea), name);
    }

    oonedraw::GCanvas canvas;
    WidgetBitmaps& bitmaps = WidgetBitmaps::shared();
};

TEST_F(WidgetGolden, StaticTextPlainInvertedFramedMeshedDouble) {
    auto text = [](uint8_t attributes, const char* shown, uint16_t x, uint16_t y) {
        StaticTextRecord r = At(StaticTextRecord::makeDefault(), x, y);
        r.setAttributes(attributes);
        r.setText(0, TextSlot::fromBytes(shown));
        return r;
    };
    Add<CStaticText>(text(0, "Plain", 0, 0), 0);
    Add<CStaticText>(text(0x01, "Inverted", 96, 0), 0);
    Add<CStaticText>(text(0x02, "Framed  ", 0, 16), 0);
    Add<CStaticText>(text(0x04, "Mesh", 96, 16), 0);
    Add<CStaticText>(text(0x10, "Double", 0, 32), 0);
    Add<CStaticText>(text(0x13, "Both", 112, 32), 0);
    EXPECT_TRUE(Matches("widget_static_text"));
}

TEST_F(WidgetGolden, TextKindsWithTheirDefaults) {
    Add<CDynamicText>(At(DynamicTextRecord::makeDefault(), 0, 0), 0);
    Add<CRegister>(At(RegisterRecord::makeDefault(), 104, 0));
    Add<CMenuCtrl>(At(MenuRecord::makeDefault(), 0, 16), 0);
    Add<CPassword>(At(PasswordRecord::makeDefault(), 112, 16));
    Add<CAlarmCtrl>(At(AlarmListRecord::makeDefault(), 0, 32));
    EXPECT_TRUE(Matches("widget_text_kinds"));
}

TEST_F(WidgetGolden, LightsRoundSquarePositiveNegativeDouble) {
    auto light = [](uint16_t type, uint8_t flags, uint16_t x) {
        LedRecord r = At(LedRecord::makeDefault(), x, 8);
        r.setDisplayType(type);
        r.setFlags(flags);
        return r;
    };
    Add<CLed>(light(LedRecord::Round, 0, 4), bitmaps);
    Add<CLed>(light(LedRecord::Round, LedRecord::kNegativeLogic, 28), bitmaps);
    Add<CLed>(light(LedRecord::Square, 0, 52), bitmaps);
    Add<CLed>(light(LedRecord::Square, LedRecord::kNegativeLogic, 76), bitmaps);
    Add<CLed>(light(LedRecord::Round, LedRecord::kDoubleSize, 100), bitmaps);
    Add<CLed>(light(LedRecord::Square, LedRecord::kDoubleSize | LedRecord::kNegativeLogic, 140),
              bitmaps);
    EXPECT_TRUE(Matches("widget_light"));
}

TEST_F(WidgetGolden, KeysDigitFunctionOtherInvertedInvisibleHandDouble) {
    auto key = [](uint8_t code, uint8_t attributes, bool hand, uint16_t x, uint16_t y) {
        KeyRecord r = At(KeyRecord::makeDefault(), x, y);
        r.setKeyCode(code);
        r.setAttributes(attributes);
        r.setHand(hand);
        return r;
    };
    Add<CKey>(key(1, 0, false, 0, 0), bitmaps);
    Add<CKey>(key(1, KeyRecord::kInverted, false, 24, 0), bitmaps);
    Add<CKey>(key(11, 0, false, 48, 0), bitmaps);
    Add<CKey>(key(25, 0, false, 72, 0), bitmaps);
    Add<CKey>(key(18, KeyRecord::kInverted, false, 96, 0), bitmaps);
    Add<CKey>(key(11, KeyRecord::kInvisible | KeyRecord::kDoubleSize, false, 120, 0), bitmaps);
    Add<CKey>(key(24, 0, true, 0, 32), bitmaps);
    Add<CKey>(key(24, KeyRecord::kInverted, true, 48, 32), bitmaps);
    Add<CKey>(key(12, KeyRecord::kDoubleSize, false, 96, 28), bitmaps);
    Add<CKey>(key(27, KeyRecord::kInvisible, true, 150, 32), bitmaps);
    EXPECT_TRUE(Matches("widget_key"));
}

TEST_F(WidgetGolden, PicturesDefaultAndFromRecordData) {
    // A 16 x 12 record bitmap: rows bottom first, 32 bits each, a set bit white; a black
    // frame around a black diagonal.
    std::vector<uint8_t> rows(12 * 4, 0xFF);
    auto black = [&rows](int x, int y) { rows[size_t(11 - y) * 4 + x / 8] &= ~(0x80 >> x % 8); };
    for (int x = 0; x < 16; ++x) {
        black(x, 0);
        black(x, 11);
        black(x, x * 11 / 15);
    }
    for (int y = 0; y < 12; ++y) {
        black(0, y);
        black(15, y);
    }
    PictureRecord drawn = At(PictureRecord::makeDefault(), 40, 8);
    drawn.setSize(16, 12);
    drawn.setBitmap(rows);
    Add<CPicture>(At(PictureRecord::makeDefault(), 4, 8), bitmaps);
    Add<CPicture>(drawn, bitmaps);
    EXPECT_TRUE(Matches("widget_picture"));
}

TEST_F(WidgetGolden, BarsInFourDirections) {
    auto bar = [](uint16_t direction, uint16_t x, uint16_t y, uint16_t w, uint16_t h) {
        BarRecord r = At(BarRecord::makeDefault(), x, y);
        r.setDirection(direction);
        r.setWidth(w);
        r.setHeight(h);
        return r;
    };
    Add<CBar>(bar(BarRecord::Up, 4, 4, 16, 48));
    Add<CBar>(bar(BarRecord::Down, 28, 4, 16, 48));
    Add<CBar>(bar(BarRecord::Left, 56, 4, 60, 20));
    Add<CBar>(bar(BarRecord::Right, 56, 32, 60, 20));
    EXPECT_TRUE(Matches("widget_bar"));
}

TEST_F(WidgetGolden, TrendsDefaultAndWide) {
    Add<CTrend>(At(TrendRecord::makeDefault(), 2, 4));
    TrendRecord wide = At(TrendRecord::makeDefault(), 104, 4);
    wide.setWidth(84);
    wide.setHeight(56);
    Add<CTrend>(wide);
    EXPECT_TRUE(Matches("widget_trend"));
}
