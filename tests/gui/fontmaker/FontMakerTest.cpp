// Guards FontMaker against: a user library opened from the program folder while the work folder
// holds the edited one, a save that writes the program folder, a character drawn with the mouse
// that the compiler or the page canvas does not see after saving (or sees from stale bytes),
// a quick drag that leaves gaps, codes that move when a character is deleted, a damaged library
// opened without a word, changes lost on closing without being asked, and labels that a screen
// reader cannot tie to their controls.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

#include "app/fontmaker/FontMakerWindow.h"
#include "app/fontmaker/GlyphGrid.h"
#include "image/GlyphFiles.h"
#include "model/FileOps.h"
#include "oonedraw/GLibraryGlyphs.h"
#include "platform/ScriptedPrompt.h"

using namespace zorv;
using namespace zorv::fontmaker;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(zorv::PromptAnswer)

namespace {

const fs::path kShipped = fs::path(ZORV_SOURCE_DIR) / "data/program/UserLib.dat";

// A program folder holding the shipped library and an empty work folder.
struct Folders {
    QTemporaryDir root;
    fs::path program = fs::path(root.path().toStdString()) / "program";
    fs::path work = fs::path(root.path().toStdString()) / "work";
    FixedPaths paths{program, work, root.path().toStdString()};

    Folders() {
        fs::create_directories(program);
        fs::create_directories(work);
        fs::copy_file(kShipped, program / "UserLib.dat");
    }
};

QPushButton* button(QWidget& window, const QString& text) {
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

QStringList listTexts(QWidget& window) {
    QStringList texts;
    const auto* list = window.findChild<QListWidget*>();
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text().section(' ', 0, 0);
    return texts;
}

bool inked(const oonedraw::GBitmap& glyph, int x, int y) {
    return glyph.pixel(x, y) == 0x000000u;
}

} // namespace

class FontMakerTest : public QObject {
    Q_OBJECT
private slots:
    void opensTheLibraryTheCompilerReads_data();
    void opensTheLibraryTheCompilerReads();
    void drawnCharacterReachesTheCompilerAndThePageCanvas();
    void deletingKeepsTheOtherCodes();
    void closingWithChangesAsks_data();
    void closingWithChangesAsks();
    void labelsNameTheirControls();
};

void FontMakerTest::opensTheLibraryTheCompilerReads_data() {
    QTest::addColumn<QString>("work");     // what the work folder holds
    QTest::addColumn<bool>("programCopy"); // whether the program folder holds one
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("message"); // start of the one message, or none
    QTest::newRow("program folder only")
        << "" << true << QStringList{"&80", "&81", "&82", "&83"} << "";
    QTest::newRow("work folder first") << "one" << true << QStringList{"&80"} << "";
    QTest::newRow("damaged work copy")
        << "damaged" << true << QStringList{} << "Failed to read the UserLib.dat!";
    QTest::newRow("no library at all")
        << "" << false << QStringList{} << "Failed to open the UserLib.dat!";
}

void FontMakerTest::opensTheLibraryTheCompilerReads() {
    QFETCH(QString, work);
    QFETCH(bool, programCopy);
    QFETCH(QStringList, codes);
    QFETCH(QString, message);
    Folders folders;
    if (!programCopy)
        fs::remove(folders.program / "UserLib.dat");
    if (work == "one") {
        UserLibrary one;
        one.put(0x80, {});
        QVERIFY(saveUserLibrary(folders.work / "UserLib.dat", one));
    } else if (work == "damaged") {
        std::ofstream(folders.work / "UserLib.dat") << "not a library";
    }
    ScriptedPrompt prompt;
    FontMakerWindow window(folders.paths, prompt);
    QCOMPARE(listTexts(window), codes);
    QCOMPARE(window.openedPath(), fontFilePath(folders.paths, FontFile::UserLib));
    if (message.isEmpty()) {
        QVERIFY(prompt.texts.empty());
    } else {
        QCOMPARE(prompt.texts.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompt.texts[0]).startsWith(message));
    }
}

void FontMakerTest::drawnCharacterReachesTheCompilerAndThePageCanvas() {
    Folders folders;
    const auto shipped = fileops::readFile(kShipped);
    // The page canvas has the program folder's library in memory before FontMaker saves.
    oonedraw::GLibraryGlyphs canvas(libraryLocator(folders.paths), nullptr);
    oonedraw::GBitmap glyph;
    QCOMPARE(canvas.Glyph(0x84, glyph), oonedraw::GGlyphSource::Status::NoEntry);

    ScriptedPrompt prompt;
    FontMakerWindow window(folders.paths, prompt);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(button(window, "&Add"), Qt::LeftButton);
    QCOMPARE(listTexts(window).last(), QString("&84"));
    auto* grid = window.findChild<GlyphGrid*>();
    // One quick drag along row 3 from column 2 to 9, then two cells cleared with the right
    // button, one in a drag.
    QTest::mousePress(grid, Qt::LeftButton, {}, GlyphGrid::cellCentre(2, 3));
    QTest::mouseMove(grid, GlyphGrid::cellCentre(9, 3));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, GlyphGrid::cellCentre(9, 3));
    QTest::mouseClick(grid, Qt::RightButton, {}, GlyphGrid::cellCentre(4, 3));
    QTest::mousePress(grid, Qt::RightButton, {}, GlyphGrid::cellCentre(8, 2));
    QTest::mouseMove(grid, GlyphGrid::cellCentre(8, 4));
    QTest::mouseRelease(grid, Qt::RightButton, {}, GlyphGrid::cellCentre(8, 4));
    QVERIFY(window.isWindowModified());
    QTest::mouseClick(button(window, "&Save"), Qt::LeftButton);
    QVERIFY(!window.isWindowModified());
    QVERIFY(prompt.texts.empty());

    // Saved into the work folder; the program folder's copy is untouched.
    QCOMPARE(fileops::readFile(folders.program / "UserLib.dat"), shipped);
    QCOMPARE(fontFilePath(folders.paths, FontFile::UserLib), folders.work / "UserLib.dat");

    const std::vector<int> expectInk{2, 3, 5, 6, 7, 9};
    QCOMPARE(canvas.Glyph(0x84, glyph), oonedraw::GGlyphSource::Status::Found);
    for (int x = 0; x < 16; ++x) {
        const bool wanted = std::count(expectInk.begin(), expectInk.end(), x) > 0;
        QVERIFY2(inked(glyph, x, 3) == wanted, qPrintable(QString("column %1").arg(x)));
    }
    QCOMPARE(canvas.Glyph(0x80, glyph), oonedraw::GGlyphSource::Status::Found); // kept

    const GlyphSources fonts = readGlyphSources(folders.paths);
    const auto& user = *fonts.file(FontFile::UserLib);
    QCOMPARE(*libraryCharacterCount(user), 5u);
    const FullGlyph band = *readLibraryGlyph(user, 4);
    for (int x = 0; x < 16; ++x) {
        const bool wanted = std::count(expectInk.begin(), expectInk.end(), x) > 0;
        QCOMPARE(band[std::size_t(2 * x)], uint8_t(wanted ? 0x08 : 0x00)); // row 3
        QCOMPARE(band[std::size_t(2 * x + 1)], uint8_t(0));
    }
}

void FontMakerTest::deletingKeepsTheOtherCodes() {
    Folders folders;
    ScriptedPrompt prompt({PromptAnswer::Yes});
    FontMakerWindow window(folders.paths, prompt);
    window.findChild<QListWidget*>()->setCurrentRow(1);
    QTest::mouseClick(button(window, "&Delete"), Qt::LeftButton);
    QCOMPARE(prompt.texts.size(), std::size_t(1));
    QCOMPARE(listTexts(window), (QStringList{"&80", "&82", "&83"}));
    QVERIFY(window.save());
    UserLibrary saved;
    std::string problem;
    QVERIFY(readUserLibrary(folders.work / "UserLib.dat", saved, problem));
    QCOMPARE(saved.bytes().size(), std::size_t(34 + 4 * 84));
    QVERIFY(saved.find(0x83) != nullptr);
    // The freed code is the next one added.
    QTest::mouseClick(button(window, "&Add"), Qt::LeftButton);
    QCOMPARE(listTexts(window), (QStringList{"&80", "&81", "&82", "&83"}));
}

void FontMakerTest::closingWithChangesAsks_data() {
    QTest::addColumn<PromptAnswer>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("yes saves and closes") << PromptAnswer::Yes << true << true;
    QTest::newRow("no closes without saving") << PromptAnswer::No << true << false;
    QTest::newRow("cancel stays") << PromptAnswer::Cancel << false << false;
}

void FontMakerTest::closingWithChangesAsks() {
    QFETCH(PromptAnswer, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    Folders folders;
    ScriptedPrompt prompt({answer});
    FontMakerWindow window(folders.paths, prompt);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Unchanged: closes without a question.
    QVERIFY(window.close());
    QVERIFY(prompt.texts.empty());
    window.show();
    auto* grid = window.findChild<GlyphGrid*>();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Space); // turns the top-left pixel of &80 over
    QCOMPARE(window.close(), closed);
    QCOMPARE(prompt.texts, std::vector<std::string>{"Save the changes to the user characters?"});
    QCOMPARE(fs::exists(folders.work / "UserLib.dat"), saved);
}

void FontMakerTest::labelsNameTheirControls() {
    Folders folders;
    ScriptedPrompt prompt;
    FontMakerWindow window(folders.paths, prompt);
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().contains(QRegularExpression("&[^&]")))
            QVERIFY2(label->buddy(), qPrintable(label->text()));
    }
    QVERIFY(!window.findChild<QListWidget*>()->accessibleName().isEmpty());
    QVERIFY(!window.findChild<GlyphGrid*>()->accessibleName().isEmpty());
    for (QPushButton* b : window.findChildren<QPushButton*>())
        QVERIFY(!b->text().isEmpty());
}

QTEST_MAIN(FontMakerTest)
#include "FontMakerTest.moc"
