#pragma once
// The application's standard error box: the failure's own text under the
// application's name, with an OK button.
#include <QString>

class QWidget;

void showErrorBox(QWidget* parent, const QString& text);
