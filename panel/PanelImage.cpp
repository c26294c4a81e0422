#include "panel/PanelImage.h"

#include "sim/ImageReader.h"

namespace zorv::panel {

bool PanelImage::load(std::span<const uint8_t> bytes, std::string& error) {
    loaded_ = sim::readImage(bytes, image_, error);
    if (!loaded_)
        image_ = sim::ImageDescription{};
    std::copy(image_.header.begin(), image_.header.end(), header_.bytes.begin());
    return loaded_;
}

const sim::ImagePage* PanelImage::page(int index) const {
    return index >= 0 && index < pageCount() ? &image_.pages[std::size_t(index)] : nullptr;
}

std::optional<int> PanelImage::pageOfNumber(uint16_t number) const {
    for (int i = 0; i < pageCount(); ++i)
        if (image_.pages[std::size_t(i)].number == number)
            return i;
    return std::nullopt;
}

uint16_t PanelImage::pageNumber(int index) const {
    const sim::ImagePage* p = page(index);
    return p ? p->number : 0;
}

} // namespace zorv::panel
