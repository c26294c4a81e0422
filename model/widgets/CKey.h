#pragma once

#include "model/widgets/CImageWidget.h"

namespace zorv {

// A function key: its image at 8/9 of its pixel size times the scale, with the hand image
// drawn before it when the hand is shown.
class CKey : public CImageWidget {
public:
    CKey();
    oonedraw::GObject* NewInstance() const override { return new CKey; }
    void DrawShape() override;
    void FitToContent() override;

    // Drawn width of the hand, 0 while it is not shown.
    int32_t HandWidth() const;

    bool handShown = false;
    oonedraw::GBitmapPtr hand;
};

} // namespace zorv
