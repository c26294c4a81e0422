#include "model/widgets/CPicture.h"

namespace zorv {

// Shows the round light image until a picture is chosen.
CPicture::CPicture() : CImageWidget("Picture", "icon2\\Led_Round1.bmp") {
    scale = kPictureScale;
}

} // namespace zorv
