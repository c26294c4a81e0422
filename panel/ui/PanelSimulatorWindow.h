#pragma once
// A panel to operate: the panel's front with its display drawn from a download image, the
// keypad clickable and on the keyboard, the page shown, the zoom, the language and a table of
// the registers and coils the image uses. Offline the table stands for the PLC and is edited as
// the PLC would change it; "Connect to PLC..." runs the panel against a real PLC instead, the
// table showing the PLC's values and an edit in it writing to the PLC.
//
//     auto* window = new zorv::panel::PanelSimulatorWindow(parent);
//     window->setPlcServices(registry, prompt);
//     window->setProject(projectFile, tags, modbusRows);
//     QString error;
//     if (!window->setImage(compileResult.image, &error)) ... // the reader's message
//     window->show();

#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <vector>

#include "comm/ModbusTable.h"
#include "model/tags/TagTable.h"
#include "panel/PanelMachine.h"
#include "panel/PanelUsage.h"
#include "plc/RegisterMap.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace zorv {
class Prompt;
class Registry;
} // namespace zorv

namespace zorv::panel {

class PanelFaceView;
class PlcOnline;

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

    // Where the line settings are remembered and the messages go; without them the panel stays
    // offline.
    void setPlcServices(Registry& registry, Prompt& prompt);
    // The project the images come from: its file (the register map lies beside it; none for a
    // project never saved), its tags (named in the table) and its Modbus protocol table.
    void setProject(const std::filesystem::path& file, const TagTable& tags,
                    std::vector<ModbusRow> modbusRows);

    // "Connect to PLC...": asks for the line and the register map, keeps both, and runs the
    // panel against the PLC.
    void connectToPlc();
    // Back offline; the table keeps the PLC's last values.
    void disconnectFromPlc();
    const PlcOnline* online() const { return online_.get(); }
    QLabel* plcStatus() const { return plcStatus_; }
    QPushButton* connectButton() const { return connectButton_; }
    QPushButton* disconnectButton() const { return disconnectButton_; }

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
    void goOnline();
    void showPlcState();
    // The table's rows: the registers the image uses, each station's apart while online.
    void listRegisters();

    PanelFaceView* face_;
    QLabel* pageLabel_;
    QSpinBox* zoomBox_;
    QComboBox* languageBox_;
    QTableWidget* table_;
    QLabel* plcStatus_;
    QPushButton* connectButton_;
    QPushButton* disconnectButton_;
    QTimer clock_;
    PanelImage image_;
    std::vector<uint8_t> imageBytes_;
    std::unique_ptr<PanelMachine> machine_;
    std::vector<UsedRegister> used_;
    Registry* registry_ = nullptr;
    Prompt* prompt_ = nullptr;
    std::filesystem::path project_;
    TagTable tags_;
    std::vector<ModbusRow> modbusRows_;
    plc::LinkSettings link_;
    plc::RegisterMap map_;
    std::unique_ptr<PlcOnline> online_; // after machine_: the run ends before the machine goes
    bool filling_ = false;
};

} // namespace zorv::panel
