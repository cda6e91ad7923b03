#include "shell/PrintPreviewWindow.h"

#include "link/SendMessage.h"
#include "printsim/PrintPreview.h"

#include <QDateTimeEdit>
#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int kMostPrintsShown = 20;
}

PrintPreviewWindow::PrintPreviewWindow(std::function<MessagePlan()> plan, QWidget* parent)
    : QWidget(parent, Qt::Window), plan_(std::move(plan)), at_(new QDateTimeEdit(QDateTime::currentDateTime(), this)),
      count_(new QSpinBox(this)), picture_(new QLabel(this)), refusal_(new QLabel(this)) {
    setObjectName(QStringLiteral("PrintPreviewWindow"));
    setWindowTitle(QStringLiteral("打印预览"));
    at_->setObjectName(QStringLiteral("DateTime_PreviewAt"));
    at_->setDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm"));
    count_->setObjectName(QStringLiteral("Spin_PreviewCount"));
    count_->setRange(1, kMostPrintsShown);
    count_->setValue(kPreviewPrintsShown);
    picture_->setObjectName(QStringLiteral("Label_PreviewPicture"));
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    refusal_->setObjectName(QStringLiteral("Label_PreviewRefusal"));
    refusal_->setWordWrap(true);

    auto* choices = new QFormLayout;
    choices->addRow(QStringLiteral("打印时间"), at_);
    choices->addRow(QStringLiteral("打印次数"), count_);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(picture_);
    scroll->setWidgetResizable(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(refusal_);
    layout->addWidget(scroll, 1);
    resize(560, 480);

    connect(at_, &QDateTimeEdit::dateTimeChanged, this, &PrintPreviewWindow::refresh);
    connect(count_, &QSpinBox::valueChanged, this, &PrintPreviewWindow::refresh);
    refresh();
}

void PrintPreviewWindow::refresh() {
    QString refusal;
    QImage sheet;
    try {
        const PrintPreview preview = previewPrints(messageFrames(plan_()), at_->dateTime(), count_->value());
        refusal = preview.problem;
        if (refusal.isEmpty()) sheet = stackPrints(preview.prints);
    } catch (const std::exception& e) { // SendRefused, FieldError, BarcodeError: the text a send shows
        refusal = QString::fromUtf8(e.what());
    }
    refusal_->setText(refusal);
    refusal_->setVisible(!refusal.isEmpty());
    picture_->setPixmap(sheet.isNull() ? QPixmap() : QPixmap::fromImage(sheet));
}
