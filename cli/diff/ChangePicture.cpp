#include "cli/diff/ChangePicture.h"

namespace zorv::diff {

namespace {

uint32_t markedColour(bool before, bool after) {
    if (before == after)
        return after ? kKeptInkColour : kPaperColour;
    return after ? kInkAddedColour : kInkRemovedColour;
}

} // namespace

ChangePicture changePicture(const panel::PanelPicture& before, const panel::PanelPicture& after) {
    ChangePicture out;
    out.pixels.assign(std::size_t(ChangePicture::kWidth * ChangePicture::kHeight), kGapColour);
    for (int y = 0; y < panel::kHeight; ++y) {
        uint32_t* row = out.pixels.data() + std::size_t(y * ChangePicture::kWidth);
        for (int x = 0; x < panel::kWidth; ++x) {
            const bool a = before.pixel(x, y), b = after.pixel(x, y);
            row[ChangePicture::left(0) + x] = a ? kInkColour : kPaperColour;
            row[ChangePicture::left(1) + x] = b ? kInkColour : kPaperColour;
            row[ChangePicture::left(2) + x] = markedColour(a, b);
        }
    }
    return out;
}

} // namespace zorv::diff
