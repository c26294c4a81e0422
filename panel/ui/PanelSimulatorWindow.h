#pragma once
// An offline panel to operate: the panel's front with its display drawn from a download image,
// the keypad clickable and on the keyboard, the page shown, the zoom, the language and a table
// of the registers and coils the image uses, editable as the PLC would change them.
//
//     auto* window = new zorv::panel::PanelSimulatorWindow(parent);
//     QString error;
//     if (!window->setImage(compileResult.image, &error)) ... // the reader's message
//     window->show();

#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "panel/PanelMachine.h"
#include "panel/PanelUsage.h"

class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace zorv::panel {

class PanelFaceView;

class PanelSimulatorWindow : public QWidget {
    Q_OBJECT
public:
    explicit PanelSimulatorWindow(QWidget* parent = nullptr);
    ~PanelSimulatorWindow() override;

    // Starts the panel on a download image (the bytes `zorv compile` writes). A broken image
    // is refused with the reader's message and the previous one stays.
    bool setImage(const std::vector<uint8_t>& image, QString* error = nullptr);
    // Takes the image of the same project compiled again after an edit: the registers, the
    // language and the page shown stay (the start page when that page is gone). An image equal
    // to the one shown changes nothing; a broken one is refused as by setImage.
    bool followImage(const std::vector<uint8_t>& image, QString* error = nullptr);

    void setZoom(int zoom); // 1 to 6
    int zoom() const;
    PanelMachine* machine() { return machine_.get(); }
    const PanelImage& image() const { return image_; }
    PanelFaceView* face() const { return face_; }
    QTableWidget* registerTable() const { return table_; }

signals:
    void pageShown(int number); // -1 on the system alarm screen

private:
    void press(Key key);
    void release(Key key);
    void refresh();
    void fillTable();
    void updateTableValues();
    void tableEdited(int row, int column);
    bool loadImage(const std::vector<uint8_t>& image, QString* error, bool follow);

    PanelFaceView* face_;
    QLabel* pageLabel_;
    QSpinBox* zoomBox_;
    QComboBox* languageBox_;
    QTableWidget* table_;
    QTimer clock_;
    PanelImage image_;
    std::vector<uint8_t> imageBytes_;
    std::unique_ptr<PanelMachine> machine_;
    std::vector<UsedRegister> used_;
    bool filling_ = false;
};

} // namespace zorv::panel
