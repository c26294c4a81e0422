// Guards every registered property pane against changing a record the user never touched: a
// field the pane does not show, shows wrongly or parses back differently (a text, a bound, a
// bit of an option byte) would be rewritten by merely selecting the widget and confirming. Each
// pane loads its kind's default record and every record of its kind in the demo project, is
// applied as it stands, and must give the record back byte for byte, without a message and
// without telling the view that it changed. Only the bytes that confirming rebuilds from the
// others (the symbol texts and working values of lights and keys, and a new key's register type,
// which its coil action takes as M) may differ, and a second apply must then change nothing. One
// pane per kind serves all its records, as in the view.
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <map>
#include <memory>

#include "model/CZorvEditorDoc.h"
#include "model/PagePropertiesRecord.h"
#include "model/ProjectHeader.h"
#include "panes/PaneFactory.h"
#include "platform/Paths.h"
#include "platform/ScriptedPrompt.h"
#include "platform/qt/ScriptedFileChooser.h"

using namespace zorv;

namespace {

using Bytes = std::vector<uint8_t>;

const std::filesystem::path kDemo = std::filesystem::path(ZORV_PROGRAM_DIR) / "demo.zvd";

struct Derived {
    WidgetKind kind;
    std::size_t from, to; // [from, to)
    bool defaultsOnly;
};
// Symbol text (length and bytes) and working value of lights and keys; and the register type of
// a new key, whose default action (set coil) takes M only.
constexpr Derived kDerived[] = {{WidgetKind::Led, 24, 40, false},
                                {WidgetKind::Key, 20, 36, false},
                                {WidgetKind::Key, 11, 12, true}};

Bytes withoutDerived(Bytes bytes, WidgetKind kind, bool isDefault) {
    for (const Derived& d : kDerived)
        if (d.kind == kind && (isDefault || !d.defaultsOnly) && bytes.size() >= d.to)
            std::fill(bytes.begin() + long(d.from), bytes.begin() + long(d.to), uint8_t(0));
    return bytes;
}

Bytes defaultRecordOf(std::string_view typeName) {
    if (typeName == "Page")
        return pagePropertiesBytes(CPage(1).properties());
    return defaultRecord(kindFromTypeName(typeName));
}

QString hexAround(const Bytes& a, const Bytes& b) {
    if (a.size() != b.size())
        return QString("sizes %1 and %2").arg(a.size()).arg(b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return QString("first difference at byte %1: %2 became %3").arg(i).arg(a[i]).arg(b[i]);
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Bytes)

class PaneRoundTripTest : public QObject {
    Q_OBJECT
public:
    PaneRoundTripTest()
        : paths_(ZORV_PROGRAM_DIR, std::filesystem::temp_directory_path(),
                 std::filesystem::temp_directory_path()),
          doc_(prompt_, paths_) {}

private slots:
    void initTestCase();
    void untouchedRecordIsKept_data();
    void untouchedRecordIsKept();

private:
    PropertyPane& paneFor(const QString& typeName);

    ScriptedPrompt prompt_;
    ScriptedFileChooser files_;
    FixedPaths paths_;
    CZorvEditorDoc doc_;
    std::map<QString, std::unique_ptr<PropertyPane>> panes_;
};

void PaneRoundTripTest::initTestCase() {
    QVERIFY2(doc_.open(kDemo), "the demo project opens");
}

PropertyPane& PaneRoundTripTest::paneFor(const QString& typeName) {
    auto& pane = panes_[typeName];
    if (!pane) {
        pane = makePane(typeName.toStdString(), nullptr);
        const CHCData& project = doc_.project();
        PaneContext context;
        context.prompt = &prompt_;
        context.files = &files_;
        context.paths = &paths_;
        context.project = &project;
        context.projectFolder = kDemo.parent_path();
        context.passwordLevels = project.header.passwordLevels();
        context.registerSettingControl = project.header.flag(sysflag::kRegisterSetControl);
        pane->setContext(context);
        pane->resize(525, 290);
        pane->show();
    }
    return *pane;
}

void PaneRoundTripTest::untouchedRecordIsKept_data() {
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<Bytes>("record");
    QTest::addColumn<int>("widgetId");
    const CHCData& project = doc_.project();
    for (const PaneEntry& entry : paneTable()) {
        const QString name = QString::fromUtf8(entry.typeName);
        QTest::addRow("%s default", qPrintable(name))
            << name << defaultRecordOf(entry.typeName) << (name == "Page" ? 0 : 1);
        for (const auto& page : project.pages()) {
            if (name == "Page") {
                QTest::addRow("Page %d", page->number())
                    << name << pagePropertiesBytes(page->properties()) << 0;
                continue;
            }
            for (const WidgetNode& node : page->widgets)
                if (typeName(node.kind) == entry.typeName)
                    QTest::addRow("%s page %d id %d", qPrintable(name), page->number(), node.id)
                        << name << node.record << node.id;
        }
    }
}

void PaneRoundTripTest::untouchedRecordIsKept() {
    QFETCH(QString, typeName);
    QFETCH(Bytes, record);
    QFETCH(int, widgetId);
    PropertyPane& pane = paneFor(typeName);
    const WidgetKind kind = kindFromTypeName(typeName.toStdString());
    prompt_.texts.clear();

    pane.loadRecord(record, widgetId);
    QCOMPARE(pane.widgetId(), widgetId);
    QSignalSpy applied(&pane, &PropertyPane::recordApplied);
    QVERIFY(pane.apply());
    const Bytes first = pane.workingRecord();
    const bool isDefault = record == defaultRecordOf(typeName.toStdString());
    QVERIFY2(withoutDerived(first, kind, isDefault) == withoutDerived(record, kind, isDefault),
             qPrintable(hexAround(record, first)));
    QCOMPARE(prompt_.texts.size(), std::size_t(0));
    if (first == record)
        QCOMPARE(applied.count(), 0);

    // What one apply gave, a second keeps whole.
    applied.clear();
    QVERIFY(pane.apply());
    const Bytes second = pane.workingRecord();
    QVERIFY2(second == first, qPrintable(hexAround(first, second)));
    QCOMPARE(applied.count(), 0);
}

QTEST_MAIN(PaneRoundTripTest)
#include "PaneRoundTripTest.moc"
