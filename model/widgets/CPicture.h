#pragma once

#include "model/widgets/CImageWidget.h"

namespace zorv {

// A picture: its bitmap at twice its pixel size, white transparent, as the framework's image
// object draws and fits it at scale 2.
class CPicture : public CImageWidget {
public:
    static constexpr float kPictureScale = 2.0f;

    CPicture();
    oonedraw::GObject* NewInstance() const override { return new CPicture; }
};

} // namespace zorv
