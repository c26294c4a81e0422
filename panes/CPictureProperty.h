#pragma once
// The picture pane "Picture Attribute": the position and the picture's size in pixels, both read
// only; the picture itself is chosen by the view's picture import.

#include "model/records/PictureRecord.h"
#include "panes/ImagePaneControls.h"

namespace zorv {

class CPictureProperty : public PropertyPane {
    Q_OBJECT
public:
    explicit CPictureProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Picture"); }
    void loadRecord(std::span<const uint8_t> record, int32_t widgetId) override;
    bool apply() override { return true; }
    std::vector<uint8_t> workingRecord() const override;
    void setPosition(int x, int y) override;
    // The size of the picture just placed; the working record takes it.
    void setPictureSize(int width, int height) override;

    QString widthText() const { return width_->text(); }
    QString heightText() const { return height_->text(); }

private:
    void showWorking();

    PictureRecord working_ = PictureRecord::makeDefault();
    PositionBox* position_;
    QLineEdit* width_;
    QLineEdit* height_;
};

} // namespace zorv
