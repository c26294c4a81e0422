// Guards the reading of a project file: a file of another kind read and deciphered whole (a
// 200 MB file held the editor for seconds before it was refused), and a read that fails part
// way taken for a damaged project instead of named with the system's reason.
#include <gtest/gtest.h>

#include "model/CZorvEditorDoc.h"
#include "model/ProjectCipher.h"
#include "model/ProjectFileReader.h"
#include "model/ProjectStream.h"
#include "platform/MemorySource.h"

using namespace zorv;

namespace {

std::vector<uint8_t> projectFile() {
    CHCData project;
    project.addPage(4, PlaceMode::Insert);
    return encipherProject(projectStream(project));
}

std::string messageFor(ByteSource& source) {
    std::vector<uint8_t> plain;
    std::string message;
    EXPECT_FALSE(readProjectPlain(source, "p.zvd", plain, message));
    return message;
}

} // namespace

TEST(ProjectFileReader, ASoundFileGivesItsPlainStream) {
    const auto file = projectFile();
    MemorySource source(file);
    std::vector<uint8_t> plain;
    std::string message;
    ASSERT_TRUE(readProjectPlain(source, "p.zvd", plain, message)) << message;
    CHCData back;
    EXPECT_TRUE(readProjectStream(plain, back));
    EXPECT_EQ(back.pageCount(), 1);
}

TEST(ProjectFileReader, AFileWithoutTheHeaderIsRefusedOnItsFirstBlock) {
    // The disk fails right after the first block: a reader that went on would say so.
    const std::vector<uint8_t> other(4096, 0x5A);
    MemorySource source(other, 8);
    EXPECT_EQ(messageFor(source), std::string(docmsg::kFormatError) +
                                      "\np.zvd\nThe file does not begin with the header of a "
                                      "project file.");
}

TEST(ProjectFileReader, AReadErrorIsNamedWhereverItFalls) {
    const auto file = projectFile();
    for (std::size_t at : {std::size_t(0), std::size_t(4), std::size_t(8), file.size() - 1}) {
        SCOPED_TRACE(at);
        MemorySource source(file, at);
        EXPECT_EQ(messageFor(source),
                  std::string(docmsg::kOpenFailed) + "\np.zvd\nInput/output error");
    }
}

TEST(ProjectFileReader, FilesThatCannotBeOpenedAreNamed) {
    const std::filesystem::path folder = testing::TempDir();
    std::vector<uint8_t> plain;
    std::string message;
    EXPECT_FALSE(readProjectPlain(folder, plain, message));
    EXPECT_EQ(message,
              std::string(docmsg::kOpenFailed) + "\n" + folder.string() + "\nIs a directory");
}
