#include "image/LanguageTextsFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "model/OpenFailure.h"
#include "platform/FileRead.h"

namespace zorv {

std::string cutCell(std::string_view text) {
    if (text.size() <= kCellCapacity)
        return std::string(text);
    std::size_t n = 0;
    while (n < kCellCapacity) {
        const std::size_t step = uint8_t(text[n]) >= 0x80 ? 2 : 1;
        if (n + step > kCellCapacity)
            break;
        n += step;
    }
    return std::string(text.substr(0, n));
}

std::string writeTableText(std::string_view head, const std::vector<TextRow>& rows) {
    std::string out(head);
    out += "\r\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0)
            out += "\r\n";
        out += rows[i][0].empty() ? std::string(" ") : rows[i][0];
        out += '\t';
        out += rows[i][1];
        out += '\t';
        out += rows[i][2];
    }
    return out;
}

bool readTableText(std::span<const uint8_t> file, std::string_view head,
                   std::vector<TextRow>& rows) {
    rows.assign(1, TextRow{});
    // Text mode: a CR LF pair reads as one line feed.
    std::string text;
    text.reserve(file.size());
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n')
            continue;
        text += char(file[i]);
    }
    if (std::string_view(text).substr(0, head.size()) != head)
        return false;
    std::size_t pos = head.size() + 1; // the head's line end

    std::size_t cell = 0;
    std::string field;
    auto store = [&] {
        if (cell < rows.back().size())
            rows.back()[cell] = cutCell(field);
        field.clear();
    };
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (uint8_t(c) == 0xFF)
            break;
        if (c == '\t') {
            store();
            ++cell;
        } else if (c == '\n' || c == '\r') {
            store();
            rows.emplace_back();
            cell = 0;
        } else {
            field += c;
        }
    }
    store();
    return true;
}

std::filesystem::path withTxtExtension(std::filesystem::path name) {
    // "x.TXT" is a text file already; only a name without the extension gets it.
    std::string extension = name.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (extension != ".txt")
        name += ".txt";
    return name;
}

bool writeWholeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    return bool(out);
}

bool exportTableFile(const std::filesystem::path& name, std::string_view text, Prompt& prompt) {
    if (writeWholeFile(withTxtExtension(name), text))
        return true;
    prompt.message(kExportFailureMessage);
    return false;
}

bool loadTableFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes, Prompt& prompt) {
    FileContents file = readWholeFile(path);
    if (!file) {
        prompt.message(openFailureMessage(kImportFailureMessage, path, file.failure));
        return false;
    }
    bytes = std::move(file.bytes);
    return true;
}

} // namespace zorv
