#pragma once
// 打印预览: what the printer will print for its next prints of the current
// template at a chosen time, drawn by the printer's own printing from the
// frames a send would emit, at the printer's resolution, one print under
// another. A template a send would refuse shows the refusal instead.
//
// The window follows the template: a change to it, or to the time or the
// count, prints again once the boxes and the template have been still for
// kPreviewSettleMs. The send is planned on the window's thread (the template
// lives there); the printing runs on a worker, one run at a time, and only
// the newest request is printed when several came during a run.
#include "link/MessageRender.h"

#include <QFutureWatcher>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>

class MessageTemplate;
class PrintSheetView;
class QDateTimeEdit;
class QLabel;
class QSpinBox;

inline constexpr int kPreviewPrintsShown = 3;
inline constexpr int kPreviewSettleMs = 150;

class PrintPreviewWindow : public QWidget {
    Q_OBJECT
public:
    // plan: plans a send of the current template; throws what a send refuses with.
    PrintPreviewWindow(MessageTemplate& model, std::function<MessagePlan()> plan, QWidget* parent = nullptr);
    ~PrintPreviewWindow() override;
    // Plans and prints again, with the template as it is now.
    void refresh();
    // How long the boxes and the template must be still before printing again.
    void setSettleMs(int ms) { settle_.setInterval(ms); }

signals:
    // New prints, or a refusal, are on show.
    void shown();

private:
    struct Sheet {
        QImage picture;
        QString problem;
    };
    void planAndPrint();
    void startPrinting();
    void takePrints();
    void showResult(const QImage& sheet, const QString& refusal);

    MessageTemplate& model_;
    int subscription_ = 0;
    std::function<MessagePlan()> plan_;
    QByteArray frames_; // of the last plan; empty when the send refused
    QString refusal_;
    void fitToPrints();
    bool planStale_ = true;
    bool fitted_ = false;     // sized to the first prints; later the operator's size stays
    bool printAgain_ = false; // a request came while the worker was printing
    QTimer settle_;
    QFutureWatcher<Sheet> printing_;
    QDateTimeEdit* at_;
    QSpinBox* count_;
    PrintSheetView* sheet_;
    QLabel* refusalLabel_;
};
