#include "shell/FlashEraseDialog.h"

#include "shell/DialogFrame.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

FlashEraseDialog::FlashEraseDialog(std::function<void(int)> erase, QWidget* parent)
    : QDialog(parent), erase_(std::move(erase)) {
    setObjectName(QStringLiteral("Frm_Flash"));
    setWindowTitle(tr("擦除FLASH"));
    useCloseBoxOnly(*this);
    setFixedSize(264, 138);
    segmentLabel = new QLabel(tr("选择预擦除段号"), this);
    segmentLabel->setObjectName(QStringLiteral("Label1"));
    segmentLabel->setGeometry(24, 24, 120, 20);
    segmentList = new QComboBox(this);
    segmentList->setObjectName(QStringLiteral("Comb_Area"));
    segmentList->setEditable(false);
    for (int i = 0; i < 16; ++i) segmentList->addItem(tr("%1段").arg(i));
    segmentList->setCurrentIndex(0);
    segmentList->setGeometry(24, 52, 120, 24);
    eraseButton = new QPushButton(tr("擦除"), this);
    eraseButton->setObjectName(QStringLiteral("Btn_Send"));
    eraseButton->setGeometry(164, 52, 75, 25);
    connect(eraseButton, &QPushButton::clicked, this, &FlashEraseDialog::eraseSelectedSegment);
}

void FlashEraseDialog::eraseSelectedSegment() {
    if (erase_) erase_(segmentList->currentIndex());
}
