#pragma once
// The modal window shown while a printer command runs on the worker thread:
// the link's status texts as they come, frame k of N, the bytes written,
// the time spent and the time the rest should take, a bar, and 取消. Its own
// timer moves the times and the bar while the printer is silent. Closing
// by the frame or Esc does not cancel: only 取消 does, and the window goes
// when the command has ended.
#include "link/LinkProgress.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class QLabel;
class QProgressBar;
class QPushButton;

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    ProgressDialog(const QString& title, LinkProgress progress, QWidget* parent = nullptr);

    // A status text of the link.
    void noteStatus(const QString& text);
    // The command has ended: the window closes.
    void finish();
    const LinkProgress& progress() const { return progress_; }
    // The window's own ticks so far (the tests watch them during a silent printer).
    int ticks() const { return ticks_; }

    static constexpr int kTickMs = 200;

signals:
    void cancelRequested();

public slots:
    void reject() override; // kept open until the command ends

private:
    void refresh();

    LinkProgress progress_;
    QElapsedTimer sinceStart_;
    QElapsedTimer sinceWrite_; // since the last try of the frame under way was written
    QTimer tick_;
    int ticks_ = 0;
    bool ended_ = false;
    QLabel* status_;
    QLabel* frame_;
    QLabel* bytes_;
    QLabel* time_;
    QProgressBar* bar_;
    QPushButton* cancel_;
};

// "m:ss" for a duration in milliseconds.
QString minutesSeconds(qint64 ms);
