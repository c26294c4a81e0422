#include "model/widgets/WidgetTexts.h"

#include <algorithm>
#include <cstdio>

namespace zorv {

namespace {

constexpr int kMaxLength = int(TextSlot::kCapacity);

std::string padded(std::string text, int length) {
    const int target = std::clamp(length, 0, kMaxLength);
    if (int(text.size()) < target)
        text.append(std::size_t(target) - text.size(), ' ');
    return text;
}

int languageSlot(int language) {
    return language == 1 ? 1 : 0;
}

} // namespace

std::string languageText(const TextSlot& language1, const TextSlot& language2, int language) {
    const TextSlot& own = languageSlot(language) == 1 ? language2 : language1;
    const int longer = std::max<int>(language1.length, language2.length);
    return padded(own.empty() ? "?" : own.str(), longer);
}

std::string staticTextOf(const StaticTextRecord& r, int language) {
    return languageText(r.text(0), r.text(1), language);
}

std::string dynamicTextOf(const DynamicTextRecord& r, int language) {
    const ChoiceEntry first = r.entry(0);
    return languageText(first.text[0], first.text[1], language);
}

// Width fields come from the file and are kept within a text's 24 bytes before use.
std::string menuTextOf(const MenuRecord& r, int language) {
    const int lang = languageSlot(language);
    const int used = std::min<int>(r.count(), MenuRecord::kCapacity);
    for (int k = 0; k < used; ++k) {
        const TextSlot& text = r.entry(k).text[lang];
        if (text.empty())
            continue;
        const int width = std::max({int(text.length), std::clamp(r.width(0), 0, kMaxLength),
                                    std::clamp(r.width(1), 0, kMaxLength)});
        return padded(text.str(), width);
    }
    return "?";
}

std::string numericSampleText(int digits, int decimals) {
    const int n = std::clamp(digits, 0, 15);
    const int d = std::clamp(decimals, 0, 15);
    // In 32-bit floating point, as the panel shows it: nine digits give 123456792.
    float v = 0;
    for (int i = 1; i <= n; ++i)
        v = v * 10 + float(i);
    for (int i = 0; i < d; ++i)
        v /= 10;
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", n, d, v);
    return text;
}

} // namespace zorv
