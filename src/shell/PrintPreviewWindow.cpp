#include "shell/PrintPreviewWindow.h"

#include "common/OperatorError.h"
#include "link/SendMessage.h"
#include "model/MessageTemplate.h"
#include "printsim/PrintPreview.h"
#include "shell/PrintSheetView.h"

#include <QDateTimeEdit>
#include <QFormLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {
constexpr int kMostPrintsShown = 100; // as daviduv-cli preview
}

PrintPreviewWindow::PrintPreviewWindow(MessageTemplate& model, std::function<MessagePlan()> plan, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), plan_(std::move(plan)),
      at_(new QDateTimeEdit(QDateTime::currentDateTime(), this)), count_(new QSpinBox(this)),
      sheet_(new PrintSheetView), refusalLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("PrintPreviewWindow"));
    setWindowTitle(tr("打印预览"));
    at_->setObjectName(QStringLiteral("DateTime_PreviewAt"));
    at_->setDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm"));
    count_->setObjectName(QStringLiteral("Spin_PreviewCount"));
    count_->setRange(1, kMostPrintsShown);
    count_->setValue(kPreviewPrintsShown);
    sheet_->setObjectName(QStringLiteral("Img_PreviewPrints"));
    refusalLabel_->setObjectName(QStringLiteral("Label_PreviewRefusal"));
    refusalLabel_->setWordWrap(true);
    refusalLabel_->hide();

    auto* choices = new QFormLayout;
    choices->addRow(tr("打印时间"), at_);
    choices->addRow(tr("打印次数"), count_);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(sheet_);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(refusalLabel_);
    layout->addWidget(scroll, 1);
    resize(560, 480);
    if (parent) move(parent->geometry().center() - rect().center());

    settle_.setSingleShot(true);
    settle_.setInterval(kPreviewSettleMs);
    connect(&settle_, &QTimer::timeout, this, &PrintPreviewWindow::planAndPrint);
    connect(&printing_, &QFutureWatcher<Sheet>::finished, this, &PrintPreviewWindow::takePrints);
    const auto reprint = [this] { settle_.start(); };
    connect(at_, &QDateTimeEdit::dateTimeChanged, this, reprint);
    connect(count_, &QSpinBox::valueChanged, this, reprint);
    const auto replan = [this] {
        planStale_ = true;
        settle_.start();
    };
    subscription_ = model_.subscribe({
        .added = [replan](FieldElement&) { replan(); },
        .changed = [replan](FieldElement&) { replan(); },
        .removed = [replan](int) { replan(); },
        .selectionChanged = {},
    });
    refresh();
}

PrintPreviewWindow::~PrintPreviewWindow() {
    model_.unsubscribe(subscription_);
    printing_.waitForFinished(); // the worker's result is dropped with the window
}

void PrintPreviewWindow::refresh() {
    planStale_ = true;
    settle_.start();
}

void PrintPreviewWindow::planAndPrint() {
    if (planStale_) {
        planStale_ = false;
        try {
            frames_ = messageFrames(plan_());
            refusal_.clear();
        } catch (const OperatorError& e) { // SendRefused, FieldError, BarcodeError: the text a send shows
            frames_.clear();
            refusal_ = e.text();
        }
    }
    if (!refusal_.isEmpty()) {
        printAgain_ = false;
        if (!printing_.isRunning()) showResult({}, refusal_); // else shown when the run ends
        return;
    }
    if (printing_.isRunning()) {
        printAgain_ = true;
        return;
    }
    startPrinting();
}

void PrintPreviewWindow::startPrinting() {
    printing_.setFuture(QtConcurrent::run([frames = frames_, at = at_->dateTime(), count = count_->value()] {
        const PrintPreview preview = previewPrints(frames, at, count);
        return Sheet{preview.sheet, preview.problem};
    }));
}

void PrintPreviewWindow::takePrints() {
    const Sheet done = printing_.result(); // shares its rows with the sheet on show: nothing piles up
    if (printAgain_) {
        printAgain_ = false;
        startPrinting();
    } else {
        showResult(done.picture, refusal_.isEmpty() ? done.problem : refusal_);
    }
}

void PrintPreviewWindow::showResult(const QImage& sheet, const QString& refusal) {
    refusalLabel_->setText(refusal);
    refusalLabel_->setVisible(!refusal.isEmpty());
    sheet_->setSheet(refusal.isEmpty() ? sheet : QImage());
    if (!fitted_ && !sheet_->sheet().isNull()) fitToPrints();
    emit shown();
}

// The window takes the size its prints need, up to the screen's free area,
// and stands centred on the main window.
void PrintPreviewWindow::fitToPrints() {
    fitted_ = true;
    auto* scroll = qobject_cast<QScrollArea*>(sheet_->parentWidget()->parentWidget());
    const QSize around = size() - (scroll ? scroll->viewport()->size() : QSize());
    QSize wanted = sheet_->size() + around + QSize(4, 4);
    wanted = wanted.expandedTo(QSize(360, 240));
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen) wanted = wanted.boundedTo(screen->availableGeometry().size() - QSize(40, 60));
    resize(wanted);
    if (QWidget* owner = parentWidget()) move(owner->geometry().center() - rect().center());
}
