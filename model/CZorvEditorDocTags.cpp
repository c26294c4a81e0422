// The document's tag table: read from the tag file beside the project on open, or from the
// bytes of a kept version, and written beside the project file by every save.
#include "model/CZorvEditorDoc.h"
#include "model/SideFiles.h"
#include "model/tags/TagFile.h"

namespace fs = std::filesystem;

namespace zorv {

void CZorvEditorDoc::setTags(TagTable tags) {
    tags_ = std::move(tags);
    tagFileUnread_ = false;
    setModified(true);
}

void CZorvEditorDoc::readTags(const fs::path& project) {
    tags_.clear();
    tagFileUnread_ = false;
    std::string message;
    if (!project.empty() && !loadTagFile(tagFileOf(project), tags_, message)) {
        tagFileUnread_ = true;
        prompt_.message(std::string(docmsg::kTagFileUnreadable) + "\n" + message);
    }
}

void CZorvEditorDoc::readKeptTags(std::span<const uint8_t> tagFile) {
    tags_.clear();
    tagFileUnread_ = false;
    std::string faults;
    if (!readTagText(
            std::string_view(reinterpret_cast<const char*>(tagFile.data()), tagFile.size()), tags_,
            faults)) {
        tagFileUnread_ = true;
        prompt_.message(std::string(docmsg::kTagFileUnreadable) + "\n" + faults);
    }
}

void CZorvEditorDoc::writeTags(const fs::path& project) {
    if (tagFileUnread_)
        carrySideFile(path_, project, kTagFileEnding);
    else
        saveTagFile(tagFileOf(project), tags_);
}

} // namespace zorv
