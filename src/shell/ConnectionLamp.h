#pragma once
// The connection lamp of the status bar: lit while the serial port is open.
#include <QWidget>

class ConnectionLamp : public QWidget {
    Q_OBJECT
public:
    explicit ConnectionLamp(QWidget* parent = nullptr);
    bool isLit() const { return lit_; }
    // Safe from any thread: a call from another thread is queued to the lamp's thread.
    void setLit(bool lit);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool lit_ = false;
};
