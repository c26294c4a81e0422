#pragma once
// The objects of an older page record as widgets: lights, registers, dynamic texts, bars, trends,
// keys, static texts and pictures.

#include <filesystem>
#include <optional>

#include "image/older/OlderStream.h"
#include "model/CPage.h"

namespace zorv::older {

// The class of the next object's tag; nothing for an unknown tag or class.
std::optional<WidgetKind> objectKind(OlderStream& s);

// One object of the page as a widget with the page's next id; false on anything unsound.
// Pictures are written as BMP files into `folder`/pic, or not at all without a folder.
bool translateObject(OlderStream& s, const std::filesystem::path* folder, CPage& page,
                     WidgetKind kind);

} // namespace zorv::older
