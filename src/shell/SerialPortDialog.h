#pragma once
// 设置/通讯设置: chooses the printer's port. The speed list only shows the
// stored speed. OK stores "Comm" and "Baud"; the caller applies them.
#include "common/RegStore.h"

#include <QDialog>
#include <optional>

class QComboBox;

class SerialPortDialog : public QDialog {
    Q_OBJECT
public:
    // ports: the names offered in Comb_Comm, in order.
    SerialPortDialog(const RegStore& store, const QStringList& ports, QWidget* parent = nullptr);

    QString portName() const;
    QString baudText() const;
    // The speed of the selected entry; none when no entry is selected.
    std::optional<int> baudRate() const;

    void accept() override;

private:
    void presetFromStore();

    RegStore store_;
    QComboBox* ports_;
    QComboBox* speeds_;
};
