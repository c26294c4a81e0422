#pragma once

#include "model/widgets/CImageWidget.h"

namespace zorv {

// An indicator light: its image at 8/9 of its pixel size, twice that for double size.
class CLed : public CImageWidget {
public:
    CLed();
    oonedraw::GObject* NewInstance() const override { return new CLed; }
    void DrawShape() override;
    void FitToContent() override;
};

} // namespace zorv
