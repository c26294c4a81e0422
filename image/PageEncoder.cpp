#include "image/PageEncoder.h"

#include <algorithm>

#include "model/Bytes.h"

namespace zorv {

namespace {

constexpr std::size_t kPageHeadSize = 20;
constexpr std::size_t kMaxWidgets = 255, kMaxPageBytes = 0xFFFF;

int textLineKey(const WidgetNode& node) {
    const uint16_t x = le::u16(node.record.data() + 2), y = le::u16(node.record.data() + 4);
    return y / 16 * 192 + x;
}

} // namespace

void orderWidgetsForImage(std::vector<WidgetNode>& widgets) {
    std::stable_sort(widgets.begin(), widgets.end(), [](const auto& a, const auto& b) {
        return int32_t(a.kind) < int32_t(b.kind);
    });
    const auto isRegister = [](const WidgetNode& n) { return n.kind == WidgetKind::Register; };
    const auto first = std::find_if(widgets.begin(), widgets.end(), isRegister);
    const auto last = std::find_if_not(first, widgets.end(), isRegister);
    std::stable_sort(first, last,
                     [](const auto& a, const auto& b) { return textLineKey(a) < textLineKey(b); });
}

bool encodePage(const CPage& page, int number, EncodeCounters& counters, std::vector<uint8_t>& out,
                std::string& message) {
    const std::size_t k = page.widgets.size();
    if (k > kMaxWidgets) {
        message = "Page " + std::to_string(number) + " has more than 255 widgets!";
        return false;
    }
    const std::size_t start = out.size();
    PageHead head = page.head;
    head.setU16(PageHead::kTableOffsetOff, uint16_t(kPageHeadSize));
    head.setU8(PageHead::kWidgetCountOff, uint8_t(k));
    out.insert(out.end(), head.bytes.begin(), head.bytes.end());
    out.resize(out.size() + 2 * k); // the widget offsets, filled in below
    counters.position = 0;
    counters.trendSequence = 0;
    for (std::size_t i = 0; i < k; ++i) {
        const WidgetNode& node = page.widgets[i];
        const std::size_t offset = out.size() - start;
        const CompilePlace place{number, node.kind, le::u16(node.record.data() + 2),
                                 le::u16(node.record.data() + 4)};
        if (!encodeWidget(node, offset, counters, place, out, message))
            return false;
        if (out.size() - start > kMaxPageBytes) {
            message = "Page " + std::to_string(number) + " is larger than 65535 bytes!";
            return false;
        }
        le::putU16(out.data() + start + kPageHeadSize + 2 * i, uint16_t(offset));
    }
    return true;
}

} // namespace zorv
