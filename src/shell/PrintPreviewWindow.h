#pragma once
// 打印预览: what the printer will print for its next prints of the current
// template at a chosen time, drawn by the printer's own printing from the
// frames a send would emit, at the printer's resolution, one print under
// another. A template a send would refuse shows the refusal instead.
#include "link/MessageRender.h"

#include <QWidget>
#include <functional>

class QDateTimeEdit;
class QLabel;
class QSpinBox;

inline constexpr int kPreviewPrintsShown = 3;

class PrintPreviewWindow : public QWidget {
    Q_OBJECT
  public:
    // plan: plans a send of the current template; throws what a send refuses with.
    explicit PrintPreviewWindow(std::function<MessagePlan()> plan, QWidget* parent = nullptr);
    // Prints again, with the template as it is now.
    void refresh();

  private:
    std::function<MessagePlan()> plan_;
    QDateTimeEdit* at_;
    QSpinBox* count_;
    QLabel* picture_;
    QLabel* refusal_;
};
