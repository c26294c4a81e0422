#include "image/LanguageTextsImport.h"

#include <algorithm>

#include "image/TextCell.h"
#include "platform/CodePageText.h"

namespace zorv {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Lines named in a refusal; more are counted.
constexpr std::size_t kNamedLines = 8;

std::string_view textOf(std::span<const uint8_t> file) {
    return {reinterpret_cast<const char*>(file.data()), file.size()};
}

// Calls `take(number, line)` for every line, numbered from 1; a line ends as the reader ends a
// row: at CR LF, LF or CR.
template <class F> void forEachLine(std::string_view text, F take) {
    int number = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\n' && text[i] != '\r')
            continue;
        take(number++, text.substr(start, i - start));
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
}

// What the panel cannot show in one line, or nothing; the tabs between the cells are the file's.
std::string lineProblem(std::string_view line, bool utf8) {
    if (utf8 && !isUtf8(line))
        return "not UTF-8 text";
    for (std::size_t start = 0; start <= line.size();) {
        const std::size_t end = std::min(line.find('\t', start), line.size());
        const std::string_view cell = line.substr(start, end - start);
        if (const auto c = utf8 ? firstUnshowable(cell) : firstUnshowableByte(cell))
            return unshowableMessage(*c);
        start = end + 1;
    }
    return {};
}

} // namespace

TextFileEncoding textFileEncoding(std::span<const uint8_t> file) {
    const std::string_view text = textOf(file);
    if (text.starts_with(kByteOrderMark))
        return TextFileEncoding::Utf8;
    const bool beyondAscii =
        std::any_of(file.begin(), file.end(), [](uint8_t b) { return b >= 0x80; });
    if (beyondAscii && isUtf8(text) && !codePageToUtf8(text))
        return TextFileEncoding::Utf8;
    return TextFileEncoding::CodePage;
}

DecodedTextFile decodeTextFile(std::span<const uint8_t> file) {
    DecodedTextFile out;
    out.fromUtf8 = textFileEncoding(file) == TextFileEncoding::Utf8;
    std::string_view text = textOf(file);
    if (out.fromUtf8 && text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    else if (!out.fromUtf8)
        text = text.substr(0, text.find('\xFF')); // the reader ends there

    std::size_t faulty = 0; // lines with a character the panel cannot show
    forEachLine(text, [&](int number, std::string_view line) {
        const std::string problem = lineProblem(line, out.fromUtf8);
        if (problem.empty() || faulty++ >= kNamedLines)
            return;
        if (!out.refusal.empty())
            out.refusal += '\n';
        out.refusal += "line " + std::to_string(number) + ": " + problem;
    });
    if (faulty > kNamedLines)
        out.refusal += "\n(and " + std::to_string(faulty - kNamedLines) + " more lines)";
    if (!out.refusal.empty()) {
        out.refusal.insert(0, kFileNotImportedMessage);
        return out;
    }
    // Every character has a GB2312 code, so the whole text converts.
    out.bytes = out.fromUtf8 ? utf8ToCodePage(text).value_or(std::string()) : std::string(text);
    return out;
}

bool importTableText(std::span<const uint8_t> file, std::string_view head,
                     std::vector<TextRow>& rows, Prompt& prompt) {
    const DecodedTextFile decoded = decodeTextFile(file);
    if (!decoded.refusal.empty()) {
        rows.assign(1, TextRow{});
        prompt.message(decoded.refusal);
        return false;
    }
    const auto bytes =
        std::span(reinterpret_cast<const uint8_t*>(decoded.bytes.data()), decoded.bytes.size());
    if (!readTableText(bytes, head, rows)) {
        prompt.message(kImportedFileErrorMessage);
        return false;
    }
    if (decoded.fromUtf8)
        prompt.message(kConvertedFromUtf8Message);
    return true;
}

} // namespace zorv
