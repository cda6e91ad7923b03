#include "TFrm_Flash.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

TFrm_Flash::TFrm_Flash(std::function<void(int)> erase, QWidget* parent) : QDialog(parent), erase_(std::move(erase)) {
    setWindowTitle(QStringLiteral("擦除FLASH"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(264, 138);
    Label1 = new QLabel(QStringLiteral("选择预擦除段号"), this);
    Label1->setGeometry(24, 24, 120, 20);
    Comb_Area = new QComboBox(this);
    Comb_Area->setEditable(false);
    for (int i = 0; i < 16; ++i) Comb_Area->addItem(QStringLiteral("%1段").arg(i));
    Comb_Area->setCurrentIndex(0);
    Comb_Area->setGeometry(24, 52, 120, 24);
    Btn_Send = new QPushButton(QStringLiteral("擦除"), this);
    Btn_Send->setGeometry(164, 52, 75, 25);
    connect(Btn_Send, &QPushButton::clicked, this, &TFrm_Flash::Btn_SendClick);
}

void TFrm_Flash::Btn_SendClick() {
    if (erase_) erase_(Comb_Area->currentIndex());
}
