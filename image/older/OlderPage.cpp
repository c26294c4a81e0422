// The page step of the translation: a page record's description, neighbours and object list.
#include "image/older/OlderPage.h"

#include "image/older/OlderObjects.h"

namespace zorv::older {

namespace {
constexpr uint8_t kObjectsEnd = 1;
} // namespace

bool translatePage(OlderStream& s, const std::filesystem::path* folder, CPage& page) {
    ByteReader& in = s.in();
    page.setDescription(s.text());
    page.head.setUpPage(in.u16());
    page.head.setDownPage(in.u16());
    in.skip(20);
    const int expected = in.u16() & 0xFF;
    int read = 0;
    for (;;) {
        while (s.peek() == uint8_t(0))
            in.skip(1);
        const auto next = s.peek();
        if (!next)
            return false;
        if (*next == kObjectsEnd) {
            in.skip(1);
            break;
        }
        if (read == expected)
            return false; // more objects than the page claims
        const auto kind = objectKind(s);
        if (!kind || !translateObject(s, folder, page, *kind))
            return false;
        ++read;
    }
    return in.ok() && read == expected;
}

} // namespace zorv::older
