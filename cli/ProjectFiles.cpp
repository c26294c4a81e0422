#include "cli/ProjectFiles.h"

#include <QFile>
#include <QSaveFile>

#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"

namespace zorv::cli {

bool readFileBytes(const QString& path, std::vector<uint8_t>& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    bytes.assign(data.begin(), data.end());
    return file.error() == QFileDevice::NoError;
}

bool writeFileAtomically(const QString& path, std::span<const uint8_t> bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto written =
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    if (written != qint64(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool loadProject(const QString& path, CHCData& project, std::string& message) {
    std::vector<uint8_t> file, plain;
    if (!readFileBytes(path, file) || !decipherProject(file, plain)) {
        message = "Failed to open file!";
        return false;
    }
    if (!readProjectStream(plain, project)) {
        message = "File format error, open failed!";
        return false;
    }
    return true;
}

bool saveProject(const QString& path, const CHCData& project) {
    std::vector<uint8_t> plain;
    writeProjectStream(project, plain);
    return writeFileAtomically(path, encipherProject(plain));
}

} // namespace zorv::cli
