#pragma once
// 设置/语言: the interface language, Chinese or English. The choice is stored
// for the next start (the window says so); this run keeps its language.
#include "common/Language.h"

#include <QDialog>

class QComboBox;
class QMenu;

class LanguageDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the language the store holds, else the one this run uses.
    explicit LanguageDialog(const RegStore& store, QWidget* parent = nullptr);
    Language chosen() const;

private:
    QComboBox* list_;
};

// Adds 语言 to the settings menu: the dialog, then the choice stored (an
// error box when the store cannot be written).
void addLanguageCommand(QMenu& settingsMenu, QWidget& window, const RegStore& store);
