#include "shell/ProgressDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

QString minutesSeconds(qint64 ms) {
    const qint64 s = (std::max<qint64>(ms, 0) + 999) / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

ProgressDialog::ProgressDialog(const QString& title, LinkProgress progress, QWidget* parent)
    : QDialog(parent), progress_(std::move(progress)) {
    setObjectName(QStringLiteral("Dlg_Progress"));
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setModal(true);
    setMinimumWidth(380);
    const auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    status_ = label("Lbl_Status");
    frame_ = label("Lbl_Frame");
    bytes_ = label("Lbl_Bytes");
    time_ = label("Lbl_Time");
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("Bar_Progress"));
    bar_->setRange(0, 1000);
    bar_->setTextVisible(false);
    cancel_ = new QPushButton(tr("取消"), this);
    cancel_->setObjectName(QStringLiteral("Btn_Cancel"));
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{status_, frame_, bytes_, time_, bar_}) layout->addWidget(w);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancel_->setEnabled(false);
        cancel_->setText(tr("正在取消……"));
        emit cancelRequested();
    });
    connect(&tick_, &QTimer::timeout, this, [this] {
        ++ticks_;
        refresh();
    });
    sinceStart_.start();
    sinceWrite_.start();
    tick_.start(kTickMs);
    refresh();
}

void ProgressDialog::noteStatus(const QString& text) {
    const qint64 before = progress_.bytesWritten();
    progress_.note(text);
    if (progress_.bytesWritten() != before) sinceWrite_.restart();
    status_->setText(text);
    refresh();
}

void ProgressDialog::finish() {
    ended_ = true;
    tick_.stop();
    accept();
}

void ProgressDialog::reject() {
    if (ended_) QDialog::reject();
}

void ProgressDialog::refresh() {
    const LinkProgress& p = progress_;
    QString frame = tr("第 %1 / %2 帧").arg(p.frame()).arg(p.frames());
    if (p.tries() > 1) frame += tr("（第 %1 次尝试）").arg(p.tries());
    frame_->setText(frame);
    // Retries are sent again, so the bytes sent may pass the message's own size.
    bytes_->setText(tr("已发送 %1 字节（信息共 %2 字节）").arg(p.bytesWritten()).arg(p.bytesPlanned()));
    const qint64 elapsed = sinceStart_.elapsed();
    const qint64 left = p.remainingMs(sinceWrite_.elapsed());
    time_->setText(tr("已用 %1，预计剩余 %2").arg(minutesSeconds(elapsed), minutesSeconds(left)));
    // The bar goes by time, so it moves while the printer is silent.
    bar_->setValue(p.done() ? 1000 : int(1000 * elapsed / std::max<qint64>(1, elapsed + left)));
}
