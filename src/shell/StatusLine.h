#pragma once
// The status line: the summary panel (400 dots) with the connection lamp over
// its left end, the canvas's zoom and the unsaved-changes marker beside it, and
// the message panel (470 dots) for printer exchanges. A summary too long for
// its panel is shortened in the middle and shown whole as the panel's tooltip.
#include <QWidget>

class QLabel;
class ConnectionLamp;

class StatusLine : public QWidget {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent = nullptr);

    // Both writers are safe from any thread: a worker's call is queued to the
    // window's thread. On the window's thread the panel is repainted at once.
    void showSummary(const QString& text);
    void showMessage(const QString& text);

    QString summary() const; // the whole text, however it is shown
    QString message() const;
    // The zoom factor of the canvas, shown as a percentage ("200%").
    void showZoom(int factor);
    // Marks the template as changed since it was opened, begun or saved.
    void showModified(bool modified);
    ConnectionLamp* connectionLamp() const { return led_; }

protected:
    bool event(QEvent* event) override;

private:
    void setPanelText(QLabel* panel, const QString& text);
    void fitSummary();

    QString summaryText_;
    QLabel* summary_;
    QLabel* zoom_;
    QLabel* modified_;
    QLabel* message_;
    ConnectionLamp* led_;
};
