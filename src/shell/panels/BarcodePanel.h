#pragma once
// The property panel of a barcode field (GrpBox_BarCode): symbology, rotation,
// module width, height percent, value and the human-readable line. Each edit
// goes straight into the barcode element, which redraws itself.
#include "shell/panels/FieldPanel.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class RangeSpinBox;

class BarcodePanel : public FieldPanel {
    Q_OBJECT
public:
    explicit BarcodePanel(MessageTemplate& message, QWidget* parent = nullptr);

protected:
    void fillFrom(FieldElement& element) override;

private:
    // Runs the setters on the selected barcode. Every setter stores its value
    // before it draws, so each step runs even after one failed to draw; the
    // first failure goes to the error box and the value box then shows the
    // caption the element holds.
    void editBarcode(std::initializer_list<std::function<void(Barcode&)>> steps);
    void chooseModuleWidth(int size);

    QComboBox* type_;
    QComboBox* rotation_;
    QComboBox* moduleWidth_;
    RangeSpinBox* heightPercent_;
    QLineEdit* caption_;
    QCheckBox* humanReadable_;
};

// The GBK bytes of a caption typed into the value box. A caption GBK cannot
// hold whole is refused (OperatorError naming the characters), never stored
// with "?" in their place.
QByteArray captionBytes(const QString& caption);

// The height percent a module width brings with it: 85 for SC5 to SC9, 57 for
// SC10, 44, 36, 31 and 28 for SC11 to SC14; none for SC0 to SC4.
std::optional<int> heightPercentForModuleWidth(int size);
