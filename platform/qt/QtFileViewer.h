#pragma once
// The desktop's viewer through xdg-open, whose exit status tells whether a viewer was found;
// where there is no xdg-open, through QDesktopServices.

#include <QObject>

#include "platform/FileViewer.h"

namespace zorv {

class QtFileViewer : public QObject, public FileViewer {
public:
    using QObject::QObject;
    ~QtFileViewer() override;
    void show(const std::filesystem::path& file, std::function<void()> failed) override;
};

} // namespace zorv
