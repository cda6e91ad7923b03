#pragma once
// The status line: the summary panel (400 dots) with the connection lamp over
// its left end, and the message panel (470 dots) for printer exchanges.
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

    QString summary() const;
    QString message() const;
    ConnectionLamp* connectionLamp() const { return led_; }

private:
    void setPanelText(QLabel* panel, const QString& text);

    QLabel* summary_;
    QLabel* message_;
    ConnectionLamp* led_;
};
