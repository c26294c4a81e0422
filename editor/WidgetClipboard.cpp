#include "editor/WidgetClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "model/ProjectStream.h"

namespace zorv {

void putWidgetsOnClipboard(std::span<const WidgetNode> widgets,
                           const std::filesystem::path& projectFolder) {
    std::vector<uint8_t> stream;
    writeWidgetStream(widgets, stream);
    auto* data = new QMimeData;
    data->setData(
        QString::fromLatin1(kWidgetsMimeType),
        QByteArray(reinterpret_cast<const char*>(stream.data()), qsizetype(stream.size())));
    data->setData(QString::fromLatin1(kWidgetsFolderMimeType),
                  QByteArray::fromStdString(projectFolder.string()));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<ClipboardWidgets> widgetsOnClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(QString::fromLatin1(kWidgetsMimeType)))
        return std::nullopt;
    const QByteArray bytes = data->data(QString::fromLatin1(kWidgetsMimeType));
    ClipboardWidgets taken;
    if (!readWidgetStream(std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                    std::size_t(bytes.size())),
                          taken.widgets) ||
        taken.widgets.empty())
        return std::nullopt;
    taken.projectFolder = data->data(QString::fromLatin1(kWidgetsFolderMimeType)).toStdString();
    return taken;
}

bool clipboardHoldsWidgets() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(QString::fromLatin1(kWidgetsMimeType));
}

} // namespace zorv
