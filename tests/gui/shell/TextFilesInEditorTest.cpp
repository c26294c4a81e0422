// Language > Export Texts... and Import Texts... through the real main window: guards against an
// export that misses a text, an import that takes its texts without listing them, that is not
// one edit Undo takes back whole, or that changes anything when the file is refused.

#include <QAction>
#include <QFile>
#include <QTest>

#include "AppFixture.h"
#include "editor/CZorvEditorView.h"
#include "model/CZorvEditorDoc.h"
#include "model/WidgetRecords.h"

using namespace zorv;

class TextFilesInEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fixture_.reset(); }

    void exportWritesEveryText();
    void importListsTheChangesAsOneEdit();
    void refusedImportChangesNothing();

private:
    CZorvEditorView& view() { return fixture_->app.view(); }
    CHCData& project() { return fixture_->app.document().project(); }
    QAction* action(CommandId id) { return fixture_->app.actions().action(id); }
    std::string pageText(int language) {
        return project().pageByNumber(1)->widgets[0].get<StaticTextRecord>().text(language).str();
    }
    QString file(const QString& name, const QByteArray& content = {}) {
        const QString path = fixture_->work.filePath(name);
        if (!content.isEmpty()) {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(content);
        }
        return path;
    }
    std::string lastPrompt() const {
        return fixture_->prompt.texts.empty() ? std::string() : fixture_->prompt.texts.back();
    }

    std::unique_ptr<AppFixture> fixture_;
};

void TextFilesInEditorTest::init() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
    StaticTextRecord text = StaticTextRecord::makeDefault();
    text.setText(0, TextSlot::fromBytes("Pump"));
    project().pageByNumber(1)->widgets.push_back(WidgetNode::of(1, text));
    project().pageByNumber(1)->nextWidgetId = 2;
    view().initialUpdate(1);
}

void TextFilesInEditorTest::exportWritesEveryText() {
    const QString out = file("texts.xlf");
    fixture_->files.answers = {out};
    action(CommandId::LanguageExportTexts)->trigger();
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray xml = written.readAll();
    QVERIFY(xml.startsWith("<?xml"));
    QVERIFY(xml.contains("<trans-unit id=\"P1.W1\""));
    QVERIFY(xml.contains("<source>Pump</source>"));
    QVERIFY(xml.contains("<trans-unit id=\"SYS.A0\""));
}

void TextFilesInEditorTest::importListsTheChangesAsOneEdit() {
    fixture_->files.answers = {file("texts.csv", "id,language 1,language 2\n"
                                                 "P1.W1,Pumps,Pumpe\n")};
    fixture_->prompt = ScriptedPrompt({PromptAnswer::Yes});
    action(CommandId::LanguageImportTexts)->trigger();
    QVERIFY(lastPrompt().find("P1.W1 language 2: \"\" -> \"Pumpe\"") != std::string::npos);
    QCOMPARE(pageText(0), std::string("Pumps"));
    QCOMPARE(pageText(1), std::string("Pumpe"));
    QVERIFY(fixture_->app.document().modified());

    action(CommandId::EditUndo)->trigger();
    QCOMPARE(pageText(0), std::string("Pump"));
    QCOMPARE(pageText(1), std::string());
    QVERIFY(!action(CommandId::EditUndo)->isEnabled());
    action(CommandId::EditRedo)->trigger();
    QCOMPARE(pageText(1), std::string("Pumpe"));
}

void TextFilesInEditorTest::refusedImportChangesNothing() {
    fixture_->files.answers = {file("texts.csv", "id,language 2\n"
                                                 "P1.W1,Kreiselpumpe fuer Kuehlwasser\n")};
    fixture_->prompt = ScriptedPrompt({PromptAnswer::Yes});
    action(CommandId::LanguageImportTexts)->trigger();
    QVERIFY(lastPrompt().find("line 2: P1.W1: the language 2 text takes 29 bytes") !=
            std::string::npos);
    QCOMPARE(pageText(1), std::string());
    QVERIFY(!action(CommandId::EditUndo)->isEnabled());
}

QTEST_MAIN(TextFilesInEditorTest)
#include "TextFilesInEditorTest.moc"
