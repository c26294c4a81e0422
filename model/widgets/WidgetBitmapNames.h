#pragma once
// The program-folder names of the light and key images that a record asks for.

#include <string>

#include "model/records/KeyRecord.h"
#include "model/records/LedRecord.h"

namespace zorv {

// The built-in light image of the display type and logic: "icon2\Led_Round1.bmp" and so on.
// Custom lights show their own pictures (LedRecord::pictureName of their logic) instead.
std::string ledBitmapName(const LedRecord& r);
// The logic whose picture a light shows: 0 positive, 1 negative.
int ledLogic(const LedRecord& r);

// The key image of the key code and attributes, "icon2\Key_F2b.bmp" and so on; a code without
// an image of its own is shown as ESC.
std::string keyBitmapName(const KeyRecord& r);
// "icon2\Key_Hand1.bmp", or "icon2\Key_Hand2.bmp" for an inverted key.
std::string handBitmapName(const KeyRecord& r);
bool keyVisible(const KeyRecord& r);
// The hand is drawn before the key when the record asks for it and the key is visible.
bool keyShowsHand(const KeyRecord& r);
// 2 for a visible key of double size, else 1.
int keyScale(const KeyRecord& r);

} // namespace zorv
