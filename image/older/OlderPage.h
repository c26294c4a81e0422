#pragma once
// An older page record after its page number: description, neighbour pages and objects.

#include <filesystem>

#include "image/older/OlderStream.h"
#include "model/CPage.h"

namespace zorv::older {

// The mark before the number of the next page record.
inline constexpr uint8_t kNextPageMark = 0x80;

// The rest of a page record whose number has been read; false on anything unsound, among it
// an object count that differs from the objects read. Pictures go to `folder`/pic; without a
// folder none is written.
bool translatePage(OlderStream& s, const std::filesystem::path* folder, CPage& page);

} // namespace zorv::older
