#include "model/recovery/RecoverySnapshot.h"

#include <cstring>

#include "model/ByteReader.h"

namespace zorv {

namespace {

constexpr char kMagic[] = "ZVRECOV2";
constexpr char kMagicWithoutTags[] = "ZVRECOV1";
constexpr std::size_t kMagicSize = sizeof(kMagic) - 1;
// Far above anything a project holds (a download image is at most 56 KB, a picture 192 x 64
// pixels), so that a damaged length is refused before anything is allocated for it.
constexpr uint32_t kMaxBlock = 64u << 20;
constexpr uint32_t kMaxText = 4096;
constexpr uint32_t kMaxPictures = 65536;

void putBlock(ByteWriter& out, std::span<const uint8_t> bytes) {
    out.u32(uint32_t(bytes.size()));
    out.bytes(bytes);
}

void putText(ByteWriter& out, const std::string& text) {
    putBlock(out, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

std::vector<uint8_t> takeBlock(ByteReader& in, uint32_t bound) {
    const uint32_t size = in.u32();
    if (size > bound) {
        in.fail();
        return {};
    }
    const auto bytes = in.take(size);
    return {bytes.begin(), bytes.end()};
}

std::string takeText(ByteReader& in) {
    const std::vector<uint8_t> bytes = takeBlock(in, kMaxText);
    return {bytes.begin(), bytes.end()};
}

} // namespace

std::vector<uint8_t> encodeSnapshot(const RecoverySnapshot& snapshot) {
    std::vector<uint8_t> bytes;
    std::size_t size = kMagicSize + 64 + snapshot.projectFile.size() + snapshot.modbusTable.size();
    for (const SnapshotPicture& picture : snapshot.pictures)
        size += 8 + picture.name.size() + picture.bytes.size();
    if (snapshot.tagFile)
        size += snapshot.tagFile->size();
    bytes.reserve(size);
    ByteWriter out(bytes);
    out.bytes({reinterpret_cast<const uint8_t*>(kMagic), kMagicSize});
    out.u32(uint32_t(uint64_t(snapshot.takenAt)));
    out.u32(uint32_t(uint64_t(snapshot.takenAt) >> 32));
    putText(out, snapshot.projectPath);
    putText(out, snapshot.editorVersion);
    putBlock(out, snapshot.projectFile);
    putBlock(out, snapshot.modbusTable);
    out.u32(uint32_t(snapshot.pictures.size()));
    for (const SnapshotPicture& picture : snapshot.pictures) {
        putText(out, picture.name);
        putBlock(out, picture.bytes);
    }
    out.u32(snapshot.tagFile ? 1 : 0);
    if (snapshot.tagFile)
        putBlock(out, *snapshot.tagFile);
    return bytes;
}

std::optional<RecoverySnapshot> decodeSnapshot(std::span<const uint8_t> bytes) {
    ByteReader in(bytes);
    const auto magic = in.take(kMagicSize);
    if (!in.ok())
        return std::nullopt;
    const bool withTags = std::memcmp(magic.data(), kMagic, kMagicSize) == 0;
    if (!withTags && std::memcmp(magic.data(), kMagicWithoutTags, kMagicSize) != 0)
        return std::nullopt;
    RecoverySnapshot snapshot;
    const uint64_t low = in.u32();
    const uint64_t high = in.u32();
    snapshot.takenAt = int64_t(low | (high << 32));
    snapshot.projectPath = takeText(in);
    snapshot.editorVersion = takeText(in);
    snapshot.projectFile = takeBlock(in, kMaxBlock);
    snapshot.modbusTable = takeBlock(in, kMaxBlock);
    const uint32_t count = in.u32();
    // Each picture takes at least its two lengths.
    if (count > kMaxPictures || count > in.remaining() / 8)
        return std::nullopt;
    snapshot.pictures.resize(count);
    for (SnapshotPicture& picture : snapshot.pictures) {
        picture.name = takeText(in);
        picture.bytes = takeBlock(in, kMaxBlock);
    }
    if (withTags) {
        const uint32_t hasTags = in.u32();
        if (hasTags > 1)
            return std::nullopt;
        if (hasTags)
            snapshot.tagFile = takeBlock(in, kMaxBlock);
    }
    if (!in.ok() || !in.atEnd())
        return std::nullopt;
    return snapshot;
}

} // namespace zorv
