#include "shell/LanguageDialog.h"

#include "shell/DialogFrame.h"
#include "shell/ErrorBox.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

LanguageDialog::LanguageDialog(const RegStore& store, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Frm_Language"));
    setWindowTitle(tr("语言"));
    useCloseBoxOnly(*this);
    list_ = new QComboBox;
    list_->setObjectName(QStringLiteral("Comb_Language"));
    list_->addItem(tr("简体中文"), int(Language::Chinese)); // item i is Language(i)
    list_->addItem(QStringLiteral("English"), int(Language::English));
    list_->setCurrentIndex(int(storedLanguage(store).value_or(currentLanguage())));
    auto* form = new QFormLayout;
    form->addRow(tr("界面语言"), list_);
    auto* note = new QLabel(tr("更改将在下次启动程序时生效。"));
    note->setObjectName(QStringLiteral("Label_Restart"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addLayout(okCancelRow(*this, QStringLiteral("Btn_OK"), QStringLiteral("Btn_Cancel")));
}

Language LanguageDialog::chosen() const {
    return Language(list_->currentIndex());
}

void addLanguageCommand(QMenu& settingsMenu, QWidget& window, const RegStore& store) {
    QAction* action = settingsMenu.addAction(LanguageDialog::tr("语言"));
    action->setObjectName(QStringLiteral("Act_Language"));
    QObject::connect(action, &QAction::triggered, &window, [&window, store] {
        LanguageDialog dialog(store, &window);
        if (dialog.exec() != QDialog::Accepted) return;
        const QString failure = storeLanguage(store, dialog.chosen());
        if (!failure.isEmpty()) showErrorBox(&window, failure);
    });
}
