#pragma once
// 帮助/帮助主题: a short operator's guide shipped inside the program.
#include <QDialog>

class HelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit HelpDialog(QWidget* parent = nullptr);
};
