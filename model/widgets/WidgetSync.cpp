#include "model/widgets/WidgetSync.h"

#include <algorithm>

#include "model/DisplayAttributes.h"
#include "model/widgets/CanvasPlacement.h"
#include "model/widgets/RecordBitmap.h"
#include "model/widgets/WidgetBitmapNames.h"
#include "model/widgets/WidgetTexts.h"
#include "oonedraw/GCanvas.h"

namespace zorv {

namespace {

constexpr int32_t kMinChartPixels = 16;
constexpr const char* kPictureStandIn = "icon2\\Led_Round1.bmp";

// Repaints the object's area as it was when the scope began and as it is when it ends.
class Repaint {
public:
    explicit Repaint(oonedraw::GObject& o) : object_(o) { invalidate(); }
    ~Repaint() { invalidate(); }
    Repaint(const Repaint&) = delete;
    Repaint& operator=(const Repaint&) = delete;

private:
    void invalidate() {
        if (!object_.canvas || object_.points.empty())
            return;
        oonedraw::GRect bounds;
        object_.GetBounds(bounds);
        object_.canvas->Invalidate(bounds);
    }
    oonedraw::GObject& object_;
};

template <class R> void placeAtRecord(oonedraw::GObject& o, const R& r) {
    placeTopLeft(o, canvasPointOf(r.x(), r.y()));
}

void applyTextAttributes(oonedraw::GText& o, uint8_t attributes) {
    o.inverse = (attributes & attr::kInverted) ? 1 : 0;
    o.framed = (attributes & attr::kBorder) ? 1 : 0;
    o.meshed = (attributes & attr::kVirtual) ? 1 : 0;
    o.scale = (attributes & attr::kDoubleSize) ? 2.0f : 1.0f;
}

oonedraw::GBitmapPtr recordPicture(int32_t width, int32_t height, std::span<const uint8_t> data) {
    std::optional<oonedraw::GBitmap> decoded = bitmapFromRecordData(width, height, data);
    return decoded ? std::make_shared<const oonedraw::GBitmap>(std::move(*decoded)) : nullptr;
}

void applyChart(CChartWidget& o, uint16_t x, uint16_t y, uint16_t w, uint16_t h) {
    Repaint repaint(o);
    placeTopLeft(o, canvasPointOf(x, y));
    o.SetSize(kUnitsPerPixel * std::clamp<int32_t>(w, kMinChartPixels, kDisplayWidth),
              kUnitsPerPixel * std::clamp<int32_t>(h, kMinChartPixels, kDisplayHeight));
}

template <class Object, class Record, class... Args>
bool applyAs(oonedraw::GObject& o, const WidgetNode& node, Args&&... args) {
    auto* target = dynamic_cast<Object*>(&o);
    if (!target || node.record.size() != Record::kSize)
        return false;
    applyRecord(*target, node.get<Record>(), std::forward<Args>(args)...);
    target->id = node.id;
    return true;
}

} // namespace

void applyRecord(CStaticText& o, const StaticTextRecord& r, int language) {
    Repaint repaint(o);
    placeAtRecord(o, r);
    applyTextAttributes(o, r.attributes());
    o.SetText(staticTextOf(r, language));
}

void applyRecord(CDynamicText& o, const DynamicTextRecord& r, int language) {
    Repaint repaint(o);
    placeAtRecord(o, r);
    applyTextAttributes(o, r.attributes());
    o.SetText(dynamicTextOf(r, language));
}

void applyRecord(CMenuCtrl& o, const MenuRecord& r, int language) {
    Repaint repaint(o);
    placeAtRecord(o, r);
    o.SetText(menuTextOf(r, language));
}

void applyRecord(CRegister& o, const RegisterRecord& r) {
    Repaint repaint(o);
    placeAtRecord(o, r);
    o.inverse = (r.sizeFlags() & RegisterRecord::kSizeInverted) ? 1 : 0;
    o.scale = (r.sizeFlags() & RegisterRecord::kSizeDouble) ? 2.0f : 1.0f;
    o.SetText(numericSampleText(r.digits(), r.decimals()));
}

void applyRecord(CPassword& o, const PasswordRecord& r) {
    Repaint repaint(o);
    placeAtRecord(o, r);
    o.inverse = r.inverted() ? 1 : 0;
    o.FitToContent();
}

void applyRecord(CAlarmCtrl& o, const AlarmListRecord& r) {
    Repaint repaint(o);
    placeAtRecord(o, r);
    o.FitToContent();
}

void applyRecord(CLed& o, const LedRecord& r, WidgetBitmaps& bitmaps) {
    Repaint repaint(o);
    placeAtRecord(o, r);
    if (r.displayType() == LedRecord::Custom) {
        const int logic = ledLogic(r);
        o.bitmap = bitmaps.projectBitmap(r.pictureName(logic));
        if (!o.bitmap)
            o.bitmap =
                recordPicture(r.pictureWidth(logic), r.pictureHeight(logic), r.bitmap(logic));
        if (!o.bitmap)
            o.bitmap = WidgetBitmaps::placeholder();
    } else {
        o.bitmap = bitmaps.programBitmap(ledBitmapName(r));
    }
    o.SetScale((r.flags() & LedRecord::kDoubleSize) ? 2.0f : 1.0f);
}

void applyRecord(CKey& o, const KeyRecord& r, WidgetBitmaps& bitmaps) {
    Repaint repaint(o);
    placeAtRecord(o, r);
    o.bitmap = bitmaps.programBitmap(keyBitmapName(r));
    o.hand = bitmaps.programBitmap(handBitmapName(r));
    o.handShown = keyShowsHand(r);
    o.SetScale(float(keyScale(r)));
}

void applyRecord(CPicture& o, const PictureRecord& r, WidgetBitmaps& bitmaps) {
    Repaint repaint(o);
    placeAtRecord(o, r);
    const std::string name = r.pictureName();
    o.bitmap = bitmaps.projectBitmap(name);
    if (!o.bitmap)
        o.bitmap = recordPicture(r.width(), r.height(), r.bitmap());
    if (!o.bitmap)
        o.bitmap =
            name.empty() ? bitmaps.programBitmap(kPictureStandIn) : WidgetBitmaps::placeholder();
    o.SetScale(CPicture::kPictureScale);
}

void applyRecord(CBar& o, const BarRecord& r) {
    o.direction = r.direction();
    applyChart(o, r.x(), r.y(), r.width(), r.height());
}

void applyRecord(CTrend& o, const TrendRecord& r) {
    applyChart(o, r.x(), r.y(), r.width(), r.height());
}

bool applyNode(oonedraw::GObject& o, const WidgetNode& node, int language, WidgetBitmaps& bitmaps) {
    switch (node.kind) {
    case WidgetKind::StaticText:
        return applyAs<CStaticText, StaticTextRecord>(o, node, language);
    case WidgetKind::DynamicText:
        return applyAs<CDynamicText, DynamicTextRecord>(o, node, language);
    case WidgetKind::Menu:
        return applyAs<CMenuCtrl, MenuRecord>(o, node, language);
    case WidgetKind::Register:
        return applyAs<CRegister, RegisterRecord>(o, node);
    case WidgetKind::Password:
        return applyAs<CPassword, PasswordRecord>(o, node);
    case WidgetKind::Alarm:
        return applyAs<CAlarmCtrl, AlarmListRecord>(o, node);
    case WidgetKind::Led:
        return applyAs<CLed, LedRecord>(o, node, bitmaps);
    case WidgetKind::Key:
        return applyAs<CKey, KeyRecord>(o, node, bitmaps);
    case WidgetKind::Picture:
        return applyAs<CPicture, PictureRecord>(o, node, bitmaps);
    case WidgetKind::Bar:
        return applyAs<CBar, BarRecord>(o, node);
    case WidgetKind::Trend:
        return applyAs<CTrend, TrendRecord>(o, node);
    default:
        return false;
    }
}

namespace {

// The smallest size a bar or trend takes; near the right or bottom edge it may reach past the
// display, as the property pane allows.
constexpr int32_t kMinChartSize = 16;

template <class R> void storeSize(const oonedraw::GObject& o, WidgetNode& node, DisplayPoint at) {
    R r = node.get<R>();
    r.setWidth(displayLengthOf(o.Width(), std::max(kMinChartSize, kDisplayWidth - at.x)));
    r.setHeight(displayLengthOf(o.Height(), std::max(kMinChartSize, kDisplayHeight - at.y)));
    node.set(r);
}

} // namespace

bool storeGeometry(const oonedraw::GObject& o, WidgetNode& node) {
    if (!isWidgetKind(int32_t(node.kind)) || node.record.size() != recordSize(node.kind) ||
        o.points.empty())
        return false;
    oonedraw::GPoint topLeft;
    o.TopLeft(topLeft);
    const DisplayPoint at = displayPointOf(topLeft);
    // Every record keeps x at offset 2 and y at offset 4.
    le::putU16(node.record.data() + 2, at.x);
    le::putU16(node.record.data() + 4, at.y);
    if (node.kind == WidgetKind::Bar && o.points.size() == 4)
        storeSize<BarRecord>(o, node, at);
    else if (node.kind == WidgetKind::Trend && o.points.size() == 4)
        storeSize<TrendRecord>(o, node, at);
    return true;
}

} // namespace zorv
