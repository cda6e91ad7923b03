#pragma once
// The flash erase window: choose one of the printer's 16 segments and erase it.
// Each press of "擦除" runs one transaction; the window stays open.
#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

class FlashEraseDialog : public QDialog {
    Q_OBJECT
public:
    // erase runs the transaction for one segment (0..15).
    FlashEraseDialog(std::function<void(int segment)> erase, QWidget* parent = nullptr);

    QLabel* segmentLabel = nullptr;
    QComboBox* segmentList = nullptr;
    QPushButton* eraseButton = nullptr;

    void eraseSelectedSegment();

private:
    std::function<void(int)> erase_;
};
