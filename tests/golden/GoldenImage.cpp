#include "GoldenImage.h"

#include <QDir>
#include <QGuiApplication>

#include <memory>

namespace {

// Fonts need a GUI application; it lives for the whole test run.
class GuiEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[18] = "zorv_golden_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] testing::Environment* const gui =
    testing::AddGlobalTestEnvironment(new GuiEnvironment);

QString GoldenPath(const std::string& name) {
    return QStringLiteral(ZORV_SOURCE_DIR "/tests/data/golden/") + QString::fromStdString(name) +
           ".png";
}

int DifferingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

} // namespace

QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

testing::AssertionResult MatchesGolden(const QImage& actual, const std::string& name) {
    const QString path = GoldenPath(name);
    if (qEnvironmentVariable("ZORV_REGENERATE_GOLDEN") == "1") {
        if (!actual.save(path, "PNG"))
            return testing::AssertionFailure() << "cannot write " << path.toStdString();
        return testing::AssertionSuccess();
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    const QImage shown = actual.convertToFormat(QImage::Format_RGB32);
    if (!expected.isNull() && expected == shown)
        return testing::AssertionSuccess();
    const QString outDir = QStringLiteral(ZORV_GOLDEN_OUT);
    QDir().mkpath(outDir);
    const QString outPath = outDir + "/" + QString::fromStdString(name) + ".png";
    shown.save(outPath, "PNG");
    auto failure = testing::AssertionFailure();
    if (expected.isNull())
        failure << "no golden image " << path.toStdString();
    else if (expected.size() != shown.size())
        failure << name << " is " << shown.width() << " x " << shown.height()
                << ", its golden image " << expected.width() << " x " << expected.height();
    else
        failure << name << " differs from its golden image in " << DifferingPixels(expected, shown)
                << " pixels";
    return failure << "; the picture drawn is " << outPath.toStdString();
}
