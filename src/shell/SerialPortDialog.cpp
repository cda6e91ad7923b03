#include "shell/SerialPortDialog.h"

#include "common/TextPieces.h"
#include "shell/DialogFrame.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kSpeeds[] = {9600, 57600, 115200};
}

SerialPortDialog::SerialPortDialog(const RegStore& store, const QStringList& ports, QWidget* parent)
    : QDialog(parent), store_(store) {
    setObjectName(QStringLiteral("Frm_SetCom"));
    setWindowTitle(tr("串口设置"));
    useCloseBoxOnly(*this);

    auto* group = new QGroupBox(tr("串口设置"));
    auto* form = new QFormLayout(group);
    ports_ = new QComboBox;
    ports_->setObjectName(QStringLiteral("Comb_Comm"));
    ports_->setEditable(true);
    ports_->setInsertPolicy(QComboBox::NoInsert);
    ports_->addItems(ports);
    speeds_ = new QComboBox;
    speeds_->setObjectName(QStringLiteral("Comb_Baud"));
    for (int speed : kSpeeds) speeds_->addItem(QString::number(speed));
    speeds_->setCurrentIndex(1);
    speeds_->setEnabled(false);
    form->addRow(tr("串口"), ports_);
    form->addRow(tr("波特率"), speeds_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(okCancelRow(*this, QStringLiteral("RzButton1"), QStringLiteral("RzButton2")));
    setFixedSize(322, std::max(137, sizeHint().height()));
    presetFromStore();
}

void SerialPortDialog::presetFromStore() {
    ports_->setCurrentIndex(ports_->count() > 0 ? 0 : -1);
    const QString port = trimBlanks(store_.read(QStringLiteral("Comm"), ports_->currentText()));
    if (!port.isEmpty()) {
        const int index = ports_->findText(port, Qt::MatchFixedString); // ignores case
        ports_->setCurrentIndex(index);
        if (index < 0) ports_->setEditText(QString());
    } else {
        ports_->setCurrentIndex(ports_->count() > 0 ? 0 : -1);
        store_.write(QStringLiteral("Comm"), ports_->currentText());
    }
    const QString baud = trimBlanks(store_.read(QStringLiteral("Baud"), speeds_->currentText()));
    speeds_->setCurrentIndex(speeds_->findText(baud, Qt::MatchExactly));
}

QString SerialPortDialog::portName() const {
    return ports_->currentText();
}

QString SerialPortDialog::baudText() const {
    return speeds_->currentText();
}

std::optional<int> SerialPortDialog::baudRate() const {
    const int index = speeds_->currentIndex();
    if (index < 0) return std::nullopt;
    return kSpeeds[index];
}

void SerialPortDialog::accept() {
    store_.write(QStringLiteral("Comm"), portName());
    store_.write(QStringLiteral("Baud"), baudText());
    QDialog::accept();
}
