#include "shell/HelpDialog.h"

#include "common/Language.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
    Q_INIT_RESOURCE(shell); // the page lives in this static library
    setObjectName(QStringLiteral("HelpDialog"));
    setWindowTitle(tr("帮助主题"));
    auto* text = new QTextBrowser;
    text->setObjectName(QStringLiteral("HelpText"));
    text->setOpenExternalLinks(true);
    // The guide in the interface language.
    QFile page(currentLanguage() == Language::English ? QStringLiteral(":/help/operator_en.html")
                                                      : QStringLiteral(":/help/operator.html"));
    if (page.open(QIODevice::ReadOnly)) text->setHtml(QString::fromUtf8(page.readAll()));
    auto* close = new QPushButton(tr("关闭"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(560, 480);
}
