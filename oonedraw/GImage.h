#pragma once

#include "oonedraw/GBitmap.h"
#include "oonedraw/GDrawContext.h"
#include "oonedraw/GRectangle.h"

namespace oonedraw {

// A rectangle showing a bitmap at its pixel size times the scale.
class GImage : public GRectangle {
public:
    using GRectangle::GRectangle;
    GObject* NewInstance() const override { return new GImage; }
    void DrawShape() override;
    void FitToContent() override;
    void SetScale(float value);
    bool LoadFile(const std::filesystem::path& path);
    int32_t BitmapWidth() const { return bitmap ? bitmap->width() : 0; }
    int32_t BitmapHeight() const { return bitmap ? bitmap->height() : 0; }

    GBitmapPtr bitmap;
    float scale = 1.0f;
};

} // namespace oonedraw
