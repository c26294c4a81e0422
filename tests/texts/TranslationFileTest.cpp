// Translation files out of a project and back in: what goes out comes back unchanged in both
// forms, a translated file gives the expected project, and a faulty text refuses the whole file
// with its id and line.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/json/ProjectJson.h"
#include "cli/texts/TextImport.h"
#include "cli/texts/XmlReader.h"
#include "model/WidgetRecords.h"
#include "platform/Paths.h"

namespace zorv {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const GlyphSources& fonts() {
    static const GlyphSources sources =
        readGlyphSources(FixedPaths(ZORV_PROGRAM_DIR, ZORV_PROGRAM_DIR, ZORV_PROGRAM_DIR));
    return sources;
}

CHCData demo() {
    std::ifstream file(ZORV_SOURCE_DIR "/data/demo.json");
    std::stringstream text;
    text << file.rdbuf();
    CHCData project;
    std::string error;
    EXPECT_TRUE(json::importProjectJson(text.str(), project, error)) << error;
    return project;
}

std::span<const uint8_t> bytesOf(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// Page 1 with a static text at (0,0), a dynamic text of two states at (0,16) and a static text
// at (96,16) beside it; a system alarm.
CHCData smallProject() {
    CHCData project;
    CPage* page = project.addPage(1, PlaceMode::Insert);
    StaticTextRecord title = StaticTextRecord::makeDefault();
    title.setText(0, TextSlot::fromBytes("Pump"));
    title.setText(1, TextSlot::fromBytes("Pumpe"));
    page->widgets.push_back(WidgetNode::of(1, title));
    DynamicTextRecord state = DynamicTextRecord::makeDefault();
    state.setY(16);
    ChoiceEntry on{true, {TextSlot::fromBytes("On"), TextSlot::fromBytes("Ein")}, 1};
    state.setEntry(1, on);
    state.setCount(2);
    state.recomputeWidths();
    page->widgets.push_back(WidgetNode::of(2, state));
    StaticTextRecord unit = StaticTextRecord::makeDefault();
    unit.setX(96);
    unit.setY(16);
    page->widgets.push_back(WidgetNode::of(3, unit));
    page->nextWidgetId = 4;
    project.alarmList.setEntryCount(2);
    project.alarmList.setText(1, 0, TextSlot::fromBytes("Overheat"));
    project.header.setFlags(project.header.flags() | sysflag::kMultiLanguage);
    return project;
}

TextImportPlan plan(const CHCData& project, const std::string& file) {
    std::vector<TranslatedText> texts;
    std::string fault;
    EXPECT_TRUE(readTranslationFile(bytesOf(file), texts, fault)) << fault;
    return planTextImport(project, texts, fonts());
}

TEST(TranslationFile, BothFormsComeBackUnchanged) {
    const CHCData project = demo();
    const std::vector<TextEntry> entries = textInventory(project);
    ASSERT_GT(entries.size(), 20u);
    for (const std::string& file : {textsCsv(entries), textsXliff(entries, "demo.zvd")}) {
        std::vector<TranslatedText> texts;
        std::string fault;
        ASSERT_TRUE(readTranslationFile(bytesOf(file), texts, fault)) << fault;
        ASSERT_EQ(texts.size(), entries.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].id, entries[i].id);
            EXPECT_EQ(texts[i].text[1], fileTextOf(entries[i].text[1])) << texts[i].id;
        }
        const TextImportPlan p = planTextImport(project, texts, fonts());
        EXPECT_THAT(p.faults, IsEmpty());
        EXPECT_THAT(p.changes, IsEmpty());
    }
}

TEST(TranslationFile, InventoryNamesEveryTextWithItsRoom) {
    const std::vector<TextEntry> entries = textInventory(smallProject());
    std::vector<std::string> ids;
    for (const TextEntry& e : entries)
        ids.push_back(e.id);
    EXPECT_THAT(ids, ElementsAre("P1.W1", "P1.W2.S1", "P1.W2.S2", "P1.W3", "SYS.A0", "SYS.A1"));
    EXPECT_EQ(entries[3].maxCells, 12); // (192 - 96) / 8
    EXPECT_EQ(entries[2].part, "state 2");
    EXPECT_EQ(entries[5].part, "alarm 1");
}

TEST(TranslationFile, TranslatedCsvAndXliffGiveTheExpectedProject) {
    const std::string csv = "id,language 2\n"
                            "P1.W2.S2,\"An, \"\"voll\"\"\"\n"
                            "SYS.A1,过热\n";
    const std::string xliff =
        "<?xml version='1.0' encoding='utf-8'?>\n"
        "<x:xliff version='1.2' xmlns:x='urn:oasis:names:tc:xliff:document:1.2'><x:file>"
        "<x:body><x:group><x:trans-unit id='P1.W2.S2'><x:source>On</x:source>"
        "<x:target>An, <![CDATA[\"voll\"]]></x:target></x:trans-unit></x:group>"
        "<x:trans-unit id='SYS.A1'><x:source>Overheat</x:source><x:target>&#x8FC7;&#28909;"
        "</x:target></x:trans-unit></x:body></x:file></x:xliff>";
    for (const std::string& file : {csv, xliff}) {
        CHCData project = smallProject();
        const TextImportPlan p = plan(project, file);
        ASSERT_THAT(p.faults, IsEmpty());
        ASSERT_EQ(p.changes.size(), 2u);
        EXPECT_EQ(textChangeLine(p.changes[0]), "P1.W2.S2 language 2: \"Ein\" -> \"An, \"voll\"\"");
        ASSERT_TRUE(applyTextChanges(project, p.changes));
        const auto state = project.pageByNumber(1)->widgets[1].get<DynamicTextRecord>();
        EXPECT_EQ(state.entry(1).text[1].str(), "An, \"voll\"");
        EXPECT_EQ(state.width(1), 10); // the width field follows the widest text
        EXPECT_EQ(project.alarmList.text(1, 1).str(), "\xB9\xFD\xC8\xC8"); // 过热 in GB2312
        EXPECT_EQ(project.alarmList.text(1, 0).str(), "Overheat");
    }
}

TEST(TranslationFile, FaultyTextsRefuseTheFileWithIdAndLine) {
    const CHCData project = smallProject();
    const TextImportPlan p = plan(project, "id,language 1,language 2\n"
                                           "P1.W1,Pump,Pumpe fuer das Kuehlwasser 1\n" // 28 bytes
                                           "P1.W3,x\xF0\x9F\x98\x80,\n"                // no GB2312
                                           "P9.W1,a,b\n"
                                           "P1.W1,Pump,Pumpe\n"
                                           "P1.W2.S1,Ready,Bereit\n");
    EXPECT_THAT(p.changes, IsEmpty());
    ASSERT_EQ(p.faults.size(), 4u);
    EXPECT_THAT(p.faults[0], HasSubstr("line 2: P1.W1: the language 2 text takes 28 bytes"));
    EXPECT_THAT(p.faults[1], HasSubstr("line 3: P1.W3: the language 1 text:"));
    EXPECT_THAT(p.faults[2], HasSubstr("line 4: P9.W1: the project has no such text"));
    EXPECT_THAT(p.faults[3], HasSubstr("line 5: P1.W1: given before, on line 2"));
}

TEST(TranslationFile, TextsThatRunPastTheirRoomAreRefused) {
    const CHCData project = smallProject();
    // The unit text at x 96 runs past the display's edge; the state runs into the unit text in
    // language 2 only.
    TextImportPlan p = plan(project, "id,language 2\n"
                                     "P1.W3,Grad Celsius gemessen\n"
                                     "P1.W2.S1,Ausgeschaltet\n");
    ASSERT_EQ(p.faults.size(), 3u);
    EXPECT_THAT(p.faults[0], HasSubstr("line 2: P1.W3: reaches past the right edge"));
    EXPECT_THAT(p.faults[1], HasSubstr("line 2: P1.W3: runs into DynamicText 2 (0,16)"));
    EXPECT_THAT(p.faults[2],
                HasSubstr("line 3: P1.W2.S1: StaticText 3 (96,16) runs into "
                          "DynamicText 2 (0,16) on the panel's display in language 2"));
    EXPECT_THAT(p.changes, IsEmpty());
    // Clear of its neighbour: taken.
    p = plan(project, "id,language 2\nP1.W2.S1,Aus\n");
    EXPECT_THAT(p.faults, IsEmpty());
    EXPECT_EQ(p.changes.size(), 1u);
}

TEST(XmlReader, RefusesWhatIsNotWellFormed) {
    const std::pair<const char*, const char*> cases[] = {
        {"<a><b></a>", "line 1: the end tag </a> closes <b>"},
        {"<a>\n<b>", "line 2: the element <b> is not closed"},
        {"<!DOCTYPE a><a/>", "document type declaration"},
        {"<a>&bogus;</a>", "the entity &bogus; is not known"},
        {"<a>&#0;</a>", "names no character"},
        {"<a>\x01</a>", "a control character"},
        {"<a x='1' x='2'/>", "given twice"},
        {"<a/><b/>", "text after the root element"},
        {"<a><!-- open </a>", "a comment is not closed"},
        {"<a>\xC3</a>", "not UTF-8"},
        {"<?xml version='1.0' encoding='ISO-8859-1'?><a/>", "not in UTF-8"},
    };
    for (const auto& [text, fault] : cases) {
        XmlElement root;
        std::string found;
        EXPECT_FALSE(parseXml(text, root, found)) << text;
        EXPECT_THAT(found, HasSubstr(fault)) << text;
    }
    std::string deep;
    for (int i = 0; i <= kMaxXmlDepth; ++i)
        deep += "<a>";
    XmlElement root;
    std::string fault;
    EXPECT_FALSE(parseXml(deep, root, fault));
    EXPECT_THAT(fault, HasSubstr("nested too deep"));
}

TEST(XmlReader, RefusesXliffOfAnotherNamespaceOrVersion) {
    std::vector<TranslatedText> texts;
    std::string fault;
    EXPECT_FALSE(readTextsXliff("<xliff version='1.2'><file/></xliff>", texts, fault));
    EXPECT_THAT(fault, HasSubstr("no XLIFF 1.2 document"));
    EXPECT_FALSE(readTextsXliff(
        "<xliff version='2.0' xmlns='urn:oasis:names:tc:xliff:document:1.2'/>", texts, fault));
    EXPECT_FALSE(readTextsXliff("<xliff version='1.2' xmlns='urn:oasis:names:tc:xliff:document:"
                                "1.2'><file><body>\n<trans-unit><source/></trans-unit>"
                                "</body></file></xliff>",
                                texts, fault));
    EXPECT_EQ(fault, "line 2: a trans-unit without an id");
}

} // namespace
} // namespace zorv
