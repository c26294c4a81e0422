#include "model/widgets/WidgetBitmapNames.h"

#include <algorithm>
#include <array>

namespace zorv {

namespace {

constexpr const char* kFolder = "icon2\\";

struct KeyImage {
    uint8_t code;
    const char* base;
};

// Digits and F keys take the suffixes a, b, c; the other keys 1, 2, 3.
constexpr uint8_t kLastFunctionKeyCode = 13;
constexpr std::size_t kEscImage = 15;

constexpr std::array<KeyImage, 25> kKeyImages = {{
    {0, "Key_0"},    {1, "Key_1"},      {2, "Key_2"},    {3, "Key_3"},     {4, "Key_4"},
    {5, "Key_5"},    {6, "Key_6"},      {7, "Key_7"},    {8, "Key_8"},     {9, "Key_9"},
    {10, "Key_F1"},  {11, "Key_F2"},    {12, "Key_F3"},  {13, "Key_F4"},   {17, "Key_ZF"},
    {18, "Key_Esc"}, {20, "Key_Down"},  {21, "Key_Up"},  {22, "Key_Left"}, {23, "Key_Right"},
    {24, "Key_Set"}, {25, "Key_Enter"}, {26, "Key_Clr"}, {27, "Key_Run"},  {28, "Key_Stop"},
}};

const KeyImage& keyImageOf(uint8_t code) {
    const auto it = std::find_if(kKeyImages.begin(), kKeyImages.end(),
                                 [code](const KeyImage& k) { return k.code == code; });
    return it == kKeyImages.end() ? kKeyImages[kEscImage] : *it;
}

} // namespace

int ledLogic(const LedRecord& r) {
    return (r.flags() & LedRecord::kNegativeLogic) ? 1 : 0;
}

std::string ledBitmapName(const LedRecord& r) {
    const char* shape = r.displayType() == LedRecord::Square ? "Led_Quadrate" : "Led_Round";
    return std::string(kFolder) + shape + (ledLogic(r) == 1 ? "2" : "1") + ".bmp";
}

bool keyVisible(const KeyRecord& r) {
    return (r.attributes() & KeyRecord::kInvisible) == 0;
}

bool keyShowsHand(const KeyRecord& r) {
    return r.hand() && keyVisible(r);
}

int keyScale(const KeyRecord& r) {
    return keyVisible(r) && (r.attributes() & KeyRecord::kDoubleSize) ? 2 : 1;
}

std::string keyBitmapName(const KeyRecord& r) {
    const KeyImage& key = keyImageOf(r.keyCode());
    const bool lettered = key.code <= kLastFunctionKeyCode;
    const bool inverted = r.attributes() & KeyRecord::kInverted;
    const int variant = !keyVisible(r) ? 2 : inverted ? 1 : 0;
    const char suffix = char((lettered ? 'a' : '1') + variant);
    return std::string(kFolder) + key.base + suffix + ".bmp";
}

std::string handBitmapName(const KeyRecord& r) {
    const bool inverted = r.attributes() & KeyRecord::kInverted;
    return std::string(kFolder) + (inverted ? "Key_Hand2.bmp" : "Key_Hand1.bmp");
}

} // namespace zorv
