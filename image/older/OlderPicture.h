#pragma once
// A picture object of an older page: its bitmap written out as a BMP file beside the project.

#include <filesystem>

#include "model/ByteReader.h"
#include "model/CPage.h"

namespace zorv::older {

// Reads the BMP information header, its two-colour palette and the pixels, writes them as
// `folder`/pic/P<page>-<widgets before it>.bmp and sets `node` to a picture naming that file;
// false on a header that is not the 40-byte kind, a size beyond the record or a failed write.
// Without a folder nothing is written (a reading that only learns the page numbers).
bool translatePicture(ByteReader& in, const std::filesystem::path* folder, const CPage& page,
                      WidgetNode& node);

} // namespace zorv::older
