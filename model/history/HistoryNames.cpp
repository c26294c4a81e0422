#include "model/history/HistoryNames.h"

#include <cstdio>
#include <ctime>

#include "model/ByteHash.h"

namespace fs = std::filesystem;

namespace zorv {

namespace {

constexpr std::size_t kStemBytes = 32;
constexpr std::size_t kNumberDigits = 6;

// FNV-1a over the path's bytes, folded to 32 bits.
uint32_t pathHash(const std::string& path) {
    const uint64_t h = fnv1a(path);
    return uint32_t(h ^ (h >> 32));
}

// Letters, digits, "-", "_", "." and the bytes of non-ASCII characters stay; the rest becomes
// "_"; cut on a character boundary.
std::string readableStem(const std::string& stem) {
    std::string out;
    for (unsigned char c : stem) {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c >= 0x80;
        out.push_back(keep ? char(c) : '_');
    }
    if (out.size() > kStemBytes) {
        std::size_t cut = kStemBytes;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80)
            --cut;
        out.resize(cut);
    }
    if (out.empty())
        return "project";
    if (out[0] == '.')
        out[0] = '_';
    return out;
}

fs::path absoluteProjectPath(const fs::path& projectFile) {
    std::error_code ec;
    fs::path full = fs::weakly_canonical(projectFile, ec);
    if (ec || full.is_relative()) {
        full = fs::absolute(projectFile, ec);
        if (ec)
            full = projectFile;
    }
    return full.lexically_normal();
}

bool digits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

uint64_t numberOf(std::string_view text) {
    uint64_t n = 0;
    for (char c : text)
        n = n * 10 + uint64_t(c - '0');
    return n;
}

} // namespace

fs::path historyFolder(const fs::path& workFolder, const fs::path& projectFile) {
    const fs::path full = absoluteProjectPath(projectFile);
    char hash[9];
    std::snprintf(hash, sizeof hash, "%08x", unsigned(pathHash(full.string())));
    return workFolder / "history" / (readableStem(full.stem().string()) + "-" + hash);
}

std::string versionStem(const VersionName& name) {
    const std::time_t t = std::time_t(name.savedAt);
    std::tm utc{};
    if (!gmtime_r(&t, &utc))
        utc = std::tm{};
    char text[48];
    std::snprintf(text, sizeof text, "%0*llu-%04d%02d%02d-%02d%02d%02d", int(kNumberDigits),
                  static_cast<unsigned long long>(name.number), utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

std::optional<VersionName> parseVersionStem(std::string_view stem) {
    // NUMBER-YYYYMMDD-HHMMSS: at least six digits of number, up to nineteen.
    const std::size_t dash = stem.find('-');
    if (dash == std::string_view::npos || dash < kNumberDigits || dash > 19)
        return std::nullopt;
    const std::string_view number = stem.substr(0, dash);
    const std::string_view rest = stem.substr(dash + 1);
    if (!digits(number) || rest.size() != 15 || rest[8] != '-' || !digits(rest.substr(0, 8)) ||
        !digits(rest.substr(9)))
        return std::nullopt;
    std::tm utc{};
    utc.tm_year = int(numberOf(rest.substr(0, 4))) - 1900;
    utc.tm_mon = int(numberOf(rest.substr(4, 2))) - 1;
    utc.tm_mday = int(numberOf(rest.substr(6, 2)));
    utc.tm_hour = int(numberOf(rest.substr(9, 2)));
    utc.tm_min = int(numberOf(rest.substr(11, 2)));
    utc.tm_sec = int(numberOf(rest.substr(13, 2)));
    if (utc.tm_mon < 0 || utc.tm_mon > 11 || utc.tm_mday < 1 || utc.tm_mday > 31 ||
        utc.tm_hour > 23 || utc.tm_min > 59 || utc.tm_sec > 60)
        return std::nullopt;
    return VersionName{numberOf(number), int64_t(timegm(&utc))};
}

} // namespace zorv
