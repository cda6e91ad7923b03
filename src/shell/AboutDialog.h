#pragma once
// 帮助/关于: the program picture, product, version, maker and contact lines.
// A click on the contact line opens the maker's web address.
#include <QDialog>
#include <QUrl>

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    static QUrl contactAddress();
};
