#include "shell/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

void showErrorBox(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QApplication::applicationName(), text);
}
