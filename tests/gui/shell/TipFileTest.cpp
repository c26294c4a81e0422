// Reading the tips file. Guards against: comment, indented and empty lines shown as tips; a
// long line that stops the reading or is lost; a file without any tip that never ends the
// reading; the tips not going on where the last start left off; a replaced file (new time
// stamp) going on at the old position instead of its first tip; a missing or unreadable file
// shown as an empty tip or read at a bad position.

#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <fstream>
#include <sys/stat.h>

#include "app/TipFile.h"
#include "platform/Registry.h"

namespace fs = std::filesystem;
using namespace zorv;

namespace {

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

QStringList readTips(TipFile& tips, int count) {
    QStringList shown{QString::fromStdString(tips.text())};
    for (int i = 1; i < count; ++i) {
        tips.next();
        shown << QString::fromStdString(tips.text());
    }
    return shown;
}

} // namespace

class TipFileTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        file_ = fs::path(dir_->path().toStdString()) / "Tips_en.tip";
        registry_ = MemoryRegistry();
    }

    void readsTipsInTurn_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("tips");
        QTest::newRow("comments, blanks, tabs and empty lines skipped")
            << QByteArray(";comment\r\n indented\r\n\ttabbed\r\n\r\n\nFirst\r\n;x\r\nSecond\r\n")
            << QStringList{"First", "Second", "First", "Second"};
        QTest::newRow("line ends of LF only")
            << QByteArray("A\n\nB\n") << QStringList{"A", "B", "A"};
        QTest::newRow("last line without line end")
            << QByteArray("A\r\nB") << QStringList{"A", "B", "A", "B"};
        QTest::newRow("line longer than 999 characters read in pieces")
            << QByteArray(std::string(1500, 'x').c_str()) + "\r\nEnd\r\n"
            << QStringList{QString(999, 'x'), QString(501, 'x'), "End", QString(999, 'x')};
        QTest::newRow("a single tip comes back every time")
            << QByteArray(";c\r\nOnly\r\n") << QStringList{"Only", "Only", "Only"};
        QTest::newRow("no tip line at all")
            << QByteArray(";c\r\n blank\r\n\r\n") << QStringList{"", ""};
        QTest::newRow("empty file") << QByteArray() << QStringList{"", ""};
        QTest::newRow("UTF-8 text kept")
            << QByteArray("按住 Ctrl 键\r\n") << QStringList{"按住 Ctrl 键"};
    }
    void readsTipsInTurn() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, tips);
        writeFile(file_, content.toStdString());
        TipFile reader(registry_, file_);
        QCOMPARE(reader.state(), TipFile::State::Ready);
        QVERIFY(reader.canGoOn());
        QCOMPARE(readTips(reader, int(tips.size())), tips);
    }

    void nextStartGoesOnAfterLastTipSeen() {
        writeFile(file_, "One\r\nTwo\r\nThree\r\n");
        {
            TipFile first(registry_, file_);
            first.next();
            QCOMPARE(first.text(), std::string("Two"));
            first.storePosition();
        }
        QCOMPARE(registry_.value(kTipFilePosKey), std::optional<std::string>("10"));
        QCOMPARE(registry_.value(kTipTimeStampKey), std::optional(fileTimeText(file_)));
        TipFile second(registry_, file_);
        QCOMPARE(second.text(), std::string("Three"));
        second.storePosition();
        TipFile third(registry_, file_);
        QCOMPARE(third.text(), std::string("One"));
    }

    void replacedFileStartsAtFirstTip() {
        writeFile(file_, "One\r\nTwo\r\nThree\r\n");
        registry_.setValue(kTipTimeStampKey, fileTimeText(file_));
        registry_.setValue(kTipFilePosKey, "5");
        QCOMPARE(TipFile(registry_, file_).text(), std::string("Two"));

        fs::last_write_time(file_, fs::last_write_time(file_) + std::chrono::hours(1));
        TipFile replaced(registry_, file_);
        QCOMPARE(replaced.text(), std::string("One"));
        QCOMPARE(registry_.value(kTipTimeStampKey), std::optional(fileTimeText(file_)));
    }

    void timeTextHasNoLineEnd() {
        writeFile(file_, "x");
        const std::string text = fileTimeText(file_);
        QCOMPARE(text.size(), std::size_t(24)); // "Wed Jun 30 21:49:08 1993"
        QCOMPARE(text.find('\n'), std::string::npos);
        QVERIFY(fileTimeText(file_.parent_path() / "none").empty());
    }

    void missingFile() {
        TipFile reader(registry_, file_);
        QCOMPARE(reader.state(), TipFile::State::Missing);
        QCOMPARE(reader.text(), std::string(kTipsMissingMessage));
        QVERIFY(!reader.canGoOn());
        reader.next();
        reader.storePosition();
        QCOMPARE(reader.text(), std::string(kTipsMissingMessage));
        QVERIFY(registry_.values.empty());
    }

    void badPositionIsTroubleReading() {
        writeFile(file_, "One\r\nTwo\r\n");
        registry_.setValue(kTipTimeStampKey, fileTimeText(file_));
        registry_.setValue(kTipFilePosKey, "-7");
        TipFile reader(registry_, file_);
        QCOMPARE(reader.state(), TipFile::State::Trouble);
        QCOMPARE(reader.text(), std::string(kTipsTroubleMessage));
        // The reading can go on from the start, and the stored position heals.
        reader.next();
        QCOMPARE(reader.text(), std::string("One"));
        reader.storePosition();
        QCOMPARE(registry_.value(kTipFilePosKey), std::optional<std::string>("5"));
    }

    void positionPastEndWrapsAround() {
        writeFile(file_, "One\r\nTwo\r\n");
        registry_.setValue(kTipTimeStampKey, fileTimeText(file_));
        registry_.setValue(kTipFilePosKey, "4000");
        QCOMPARE(TipFile(registry_, file_).text(), std::string("One"));
    }

    void folderInPlaceOfFileIsTroubleReading() {
        fs::create_directory(file_);
        TipFile reader(registry_, file_);
        QVERIFY(reader.state() != TipFile::State::Ready);
    }

    // A named pipe would hold the start of the editor for ever.
    void namedPipeInPlaceOfFileIsTroubleReading() {
        QCOMPARE(::mkfifo(file_.c_str(), 0644), 0);
        TipFile reader(registry_, file_);
        QCOMPARE(reader.state(), TipFile::State::Trouble);
        QVERIFY(!reader.canGoOn());
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    fs::path file_;
    MemoryRegistry registry_;
};

QTEST_GUILESS_MAIN(TipFileTest)
#include "TipFileTest.moc"
