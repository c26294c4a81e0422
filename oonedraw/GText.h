#pragma once

#include "oonedraw/GRectangle.h"

#include <cstdint>
#include <string>

namespace oonedraw {

class GDrawContext;

// A rectangle sized to a line of text in fixed display cells.
class GText : public GRectangle {
public:
    using GRectangle::GRectangle;
    GObject* NewInstance() const override { return new GText; }
    // Characters and library codes, then the frame, the mesh and the inversion.
    void DrawShape() override;
    void FitToContent() override;
    void SetText(const std::string& value);
    void SetScale(float value);
    // Each sets its flag and repaints the object.
    void SetInverse(uint8_t value);
    void SetFramed(uint8_t value);
    void SetMeshed(uint8_t value);

    // Columns the text occupies: an "&XY" code with two hex digits takes two.
    static int32_t ColumnCount(const std::string& text);
    // The font's logical height: a negative character height, 32 units per scale.
    int32_t FontHeight() const { return -int32_t(32 * scale); }

    std::string text;
    std::string fontFace; // empty in a bare text object: drawn with the default face
    uint8_t inverse = 0;
    uint8_t framed = 0;
    uint8_t meshed = 0;
    float scale = 1.0f;

private:
    void InvalidateBox();
    // False when a library file is missing: the rest of the object is then not drawn.
    bool DrawCharacters(GDrawContext& dc) const;
    // Columns covered by the frame and the mesh.
    int32_t FrameColumns() const;
    void DrawFrame(GDrawContext& dc, int32_t columns) const;
    void DrawMesh(GDrawContext& dc, int32_t columns) const;
};

} // namespace oonedraw
