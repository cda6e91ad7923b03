#include "shell/AboutDialog.h"

#include "common/Version.h"
#include "shell/DialogFrame.h"
#include "shell/ToolIcons.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QLabel* line(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}
} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("关于"));
    useCloseBoxOnly(*this);

    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* grid = new QGridLayout(panel);
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(programIcon().pixmap(48, 48));
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    QLabel* product = line(QStringLiteral("ProductName"), tr("Dravo喷码编辑系统"));
    QFont larger = product->font();
    larger.setPixelSize(16);
    larger.setBold(true);
    product->setFont(larger);
    grid->addWidget(product, 0, 1);
    grid->addWidget(line(QStringLiteral("Version"), tr("版本：%1").arg(QString::fromLatin1(kDaviduvVersion))), 1, 1);
    grid->addWidget(line(QStringLiteral("Copyright"), tr("制作：daviduv 开发组")), 2, 1);
    QLabel* contact =
        line(QStringLiteral("Comments"), tr("联系：<a href=\"%1\">%1</a>").arg(contactAddress().toString()));
    contact->setTextFormat(Qt::RichText);
    contact->setCursor(Qt::PointingHandCursor);
    connect(contact, &QLabel::linkActivated, this, [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });
    grid->addWidget(contact, 3, 1);
    grid->setColumnStretch(1, 1);

    auto* close = new QPushButton(tr("关闭"));
    close->setObjectName(QStringLiteral("OKButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint().expandedTo(QSize(320, 200)));
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center()); // centred on the screen
}

QUrl AboutDialog::contactAddress() {
    return QUrl(QStringLiteral("https://daviduv.example.org/"));
}
